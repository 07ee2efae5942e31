// The dialogs as the main window opens them, what each leaves behind in the window once closed,
// and that every opening ends with the dialog destroyed.

#include "WindowFixture.h"

namespace {

// Custom scale steps: b3 and 5 on the root, named "My Minor"; the closing step is added.
const QStringList kMinorTriad{"ComboNext=Minor Third (b3)", "BtnAdd",
                              "ComboNext=(Perfect) Fifth (5)", "BtnAdd", "TextScaleName=My Minor"};
constexpr const char* kOnFretboard = "C Ionian [1,2,3,4,5,6,7] bold C; fretboard; mode 0; rows 0/0";

using DialogWiring = WindowFixture;

// OK replaces the scale, also in chord mode, which stays; the next root change re-roots the
// custom scale. Cancel and Escape change nothing.
TEST_F(DialogWiring, CustomScaleOkReplacesTheScaleCancelDoesNot) {
    start();
    for (const char* strClose : {"BtnCancel", "Escape"}) {
        useDialog("BtnEdit", "FormCustomScale", kMinorTriad + QStringList{strClose});
        expectShows(kOnFretboard);
    }
    useDialog("BtnEdit", "FormCustomScale", kMinorTriad + QStringList{"BtnOk"});
    expectShows("C My Minor [1,b3,5] bold C; fretboard; mode 0; rows 0/0");
    pressKey(Qt::Key_F9);
    useDialog("mnuCustomScale", "FormCustomScale", kMinorTriad + QStringList{"BtnOk"});
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
    useDialog("mnuFretboardSetup", "FormFretboardSetup", {"CheckLeftHand", "BtnOK"});
    expectShows(kOnFretboard);
    const QRect tuningColumn(150, 600, 400, 1900);
    EXPECT_GT(inkIn(shownPicture(), tuningColumn), 0);
    Globals::setShowTuning(false);
    useDialog("mnuFretboardSetup", "FormFretboardSetup", {"BtnCancel"});
    EXPECT_EQ(inkIn(shownPicture(), tuningColumn), 0);

    pressKey(Qt::Key_F3);
    const QRect keyCodeRow(1000, 2900, 6700, 200);
    EXPECT_EQ(inkIn(shownPicture(), keyCodeRow), 0);
    useDialog("mnuKeyboardSetup", "FormKeyboardSetup", {"CheckShowInterval", "BtnOK"});
    EXPECT_GT(inkIn(shownPicture(), keyCodeRow), 0);
    useDialog("mnuAbout", "FormAbout", {"Escape"});
}

} // namespace
