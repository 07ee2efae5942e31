// The dialogs as the main window opens them, what each leaves behind in the window once closed,
// and that every opening ends with the dialog destroyed.

#include "WindowFixture.h"

#include <QDialog>
#include <QMetaProperty>

namespace {

// Custom scale steps: b3 and 5 on the root, named "My Minor"; the closing step is added.
const QStringList kMinorTriad{"ComboNext=Minor Third (b3)", "BtnAdd",
                              "ComboNext=(Perfect) Fifth (5)", "BtnAdd", "TextScaleName=My Minor"};
constexpr const char* kOnFretboard = "C Ionian [1,2,3,4,5,6,7] bold C; fretboard; mode 0; rows 0/0";

class DialogWiring : public WindowFixture {
  protected:
    // Opens a dialog of class strClass with the named menu item or button and takes the steps
    // in it, the last of which must close it: "Escape" presses Escape, "Name=text" sets the
    // text of a line or the caption chosen in a drop-down list, any other name clicks it.
    // The window owns the dialog, and once the opening handler has returned it must be gone.
    void open(const char* strOpener, const char* strClass, const QStringList& steps) {
        whenModalShown([&](QWidget* modal) {
            EXPECT_EQ(modal->parentWidget(), window.get());
            EXPECT_STREQ(modal->metaObject()->className(), strClass);
            // Keys go to the focused control, which only exists once the dialog is active.
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            for (const QString& strStep : steps) {
                QWidget* control = modal->findChild<QWidget*>(strStep.section('=', 0, 0));
                if (strStep.contains('=')) {
                    control->metaObject()->userProperty().write(control, strStep.section('=', 1));
                } else {
                    strStep == "Escape" ? QTest::keyClick(modal->focusWidget(), Qt::Key_Escape)
                                        : QTest::mouseClick(control, Qt::LeftButton, {}, {4, 8});
                }
            }
            EXPECT_FALSE(modal->isVisible()) << "left open";
            modal->close();
        });
        auto* action = window->findChild<QAction*>(strOpener);
        action != nullptr ? action->trigger() : clickControl(strOpener);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty()) << "a dialog outlived its use";
    }
};

// OK replaces the scale, also in chord mode, which stays; the next root change re-roots the
// custom scale. Cancel and Escape change nothing.
TEST_F(DialogWiring, CustomScaleOkReplacesTheScaleCancelDoesNot) {
    start();
    for (const char* strClose : {"BtnCancel", "Escape"}) {
        open("BtnEdit", "FormCustomScale", kMinorTriad + QStringList{strClose});
        expectShows(kOnFretboard);
    }
    open("BtnEdit", "FormCustomScale", kMinorTriad + QStringList{"BtnOk"});
    expectShows("C My Minor [1,b3,5] bold C; fretboard; mode 0; rows 0/0");
    pressKey(Qt::Key_F9);
    open("mnuCustomScale", "FormCustomScale", kMinorTriad + QStringList{"BtnOk"});
    clickControl("BtnPitch1");
    expectShows("D My Minor [1,b3,5] bold D; fretboard; mode 1 frame; rows 0/0");
}

// Dark pixels of the picture within a rectangle given in twips.
int inkIn(const QImage& image, const QRect& twips) {
    int intInk = 0;
    const qreal dblScale = image.devicePixelRatio() / 15.0;
    for (int y = qRound(twips.top() * dblScale); y < qRound(twips.bottom() * dblScale); ++y) {
        for (int x = qRound(twips.left() * dblScale); x < qRound(twips.right() * dblScale); ++x) {
            intInk += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        }
    }
    return intInk;
}

// OK changes the picture; Cancel still redraws, so a setting changed behind the window's back
// shows. The tuning names are left of the board; the keys' interval codes below the white keys.
TEST_F(DialogWiring, SetupOkChangesThePictureAndCancelStillRedraws) {
    start();
    // The marks are read at the mirrored places on a left-handed board.
    open("mnuFretboardSetup", "FormFretboardSetup", {"CheckLeftHand", "BtnOK"});
    expectShows(kOnFretboard);
    const QRect tuningColumn(150, 600, 400, 1900);
    EXPECT_GT(inkIn(shownPicture(), tuningColumn), 0);
    Globals::setShowTuning(false);
    open("mnuFretboardSetup", "FormFretboardSetup", {"BtnCancel"});
    EXPECT_EQ(inkIn(shownPicture(), tuningColumn), 0);

    pressKey(Qt::Key_F3);
    const QRect keyCodeRow(1000, 2900, 6700, 200);
    EXPECT_EQ(inkIn(shownPicture(), keyCodeRow), 0);
    open("mnuKeyboardSetup", "FormKeyboardSetup", {"CheckShowInterval", "BtnOK"});
    EXPECT_GT(inkIn(shownPicture(), keyCodeRow), 0);
    open("mnuAbout", "FormAbout", {"Escape"});
}

} // namespace
