#pragma once

#include "FormGamutrix.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// A main window started in a program directory of its own, so tests can run in parallel and
// leave no files behind.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(programDir.isValid()); }

    void TearDown() override {
        window.reset();
        // No dialog or message box may outlive a test.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(widget->isVisible())
                << "stray window: " << widget->metaObject()->className() << " "
                << widget->windowTitle().toStdString();
        }
    }

    // Starts the window as the program would (reading the configuration file first).
    FormGamutrix& start() {
        window = std::make_unique<FormGamutrix>(programDir.path());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    QString path(const QString& strFileName) const { return programDir.filePath(strFileName); }

    template <typename T> T* child(const char* strName) const {
        T* found = window->findChild<T*>(strName);
        EXPECT_NE(found, nullptr) << "no control " << strName;
        return found;
    }

    // Runs onModal on the next modal window (dialog or message box) once it is shown, while the
    // code that opened it waits in its own event loop.
    static void whenModalShown(std::function<void(QWidget*)> onModal) {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, onModal = std::move(onModal)] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                onModal(modal);
            }
        });
        timer->start();
    }

    QTemporaryDir programDir;
    std::unique_ptr<FormGamutrix> window;
};
