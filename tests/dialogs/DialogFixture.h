#pragma once

#include "Globals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Opens a fresh dialog on the default settings, changed first by reopen()'s argument, the way the
// main window does but with show() instead of exec(), so that the test keeps control while the
// dialog is up. Once the dialog is destroyed no window may be left on screen.
template <typename Dialog> class DialogFixture : public ::testing::Test {
  protected:
    void SetUp() override { reopen(); }
    void reopen(const std::function<void()>& changeSettings = [] {}) {
        Globals::setDefaultSettings();
        changeSettings();
        dialog = std::make_unique<Dialog>();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    void TearDown() override {
        dialog.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(window->isVisible()) << "stray " << window->objectName().toStdString();
        }
    }

    template <typename Widget = QWidget> Widget* control(const QString& strName) const {
        return dialog->template findChild<Widget*>(strName);
    }
    void click(const char* s) { QTest::mouseClick(control<QAbstractButton>(s), Qt::LeftButton); }

    std::unique_ptr<Dialog> dialog;
};
