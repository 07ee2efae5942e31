#pragma once

#include "Globals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// Opens a fresh dialog on default settings, the way the main window does, but with show()
// instead of exec() so that the test keeps control while the dialog is up. After each test no
// window other than the dialog may still be visible, and none at all once it is destroyed.
template <typename Dialog, typename Base = ::testing::Test> class DialogFixture : public Base {
  protected:
    void SetUp() override {
        Globals::setDefaultSettings();
        reopen();
    }

    void TearDown() override {
        for (QWidget* window : visibleWindows()) {
            EXPECT_EQ(window, dialog.get())
                << "stray window " << window->objectName().toStdString();
        }
        dialog.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(visibleWindows().isEmpty());
    }

    // A new dialog reads the settings as they are now, like a new opening from the menu.
    void reopen() {
        dialog.reset();
        dialog = std::make_unique<Dialog>();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename Widget> Widget* control(const char* strName) const {
        auto* widget = dialog->template findChild<Widget*>(QString::fromLatin1(strName));
        if (widget == nullptr) {
            ADD_FAILURE() << "no control " << strName;
        }
        return widget;
    }

    void click(const char* strName) const {
        QTest::mouseClick(control<QAbstractButton>(strName), Qt::LeftButton);
    }

    // Picks an entry by its caption, as the user would from the drop-down.
    void choose(const char* strCombo, const QString& strCaption) const {
        QComboBox* combo = control<QComboBox>(strCombo);
        const int intIndex = combo->findText(strCaption);
        ASSERT_GE(intIndex, 0) << "no entry " << strCaption.toStdString() << " in " << strCombo;
        combo->setCurrentIndex(intIndex);
    }

    static QStringList entries(const QComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i) {
            list << combo->itemText(i);
        }
        return list;
    }

    // The object names met when Tab is pressed count times from the focused control.
    QStringList tabWalk(int intCount) const {
        QStringList names{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < intCount; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }

    static QWidgetList visibleWindows() {
        QWidgetList list;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible()) {
                list << widget;
            }
        }
        return list;
    }

    std::unique_ptr<Dialog> dialog;
};

// The three ways of leaving a dialog without confirming it.
enum class Dismissal { CancelButton, EscapeKey, CloseButton };

inline const char* dismissalName(Dismissal how) {
    switch (how) {
    case Dismissal::CancelButton:
        return "CancelButton";
    case Dismissal::EscapeKey:
        return "EscapeKey";
    case Dismissal::CloseButton:
        return "CloseButton";
    }
    return "";
}

inline void dismiss(QWidget* dialog, Dismissal how) {
    switch (how) {
    case Dismissal::CancelButton:
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("BtnCancel")),
                          Qt::LeftButton);
        break;
    case Dismissal::EscapeKey:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        break;
    case Dismissal::CloseButton:
        dialog->close();
        break;
    }
}
