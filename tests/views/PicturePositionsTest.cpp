#include "FretBoard.h"
#include "Globals.h"
#include "PianoKeyboard.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>
#include <optional>

// Default six-string board on the main window's picture: the nut at x 1028, frets 550 twips
// apart, strings 350 twips apart from y 758. A marker sits in the middle of its fret space,
// the open string's 275 twips beyond the nut.
TEST(FretBoardPositions, ClicksFindTheStringAndFretAroundEachMarker) {
    const struct {
        const char* strName;
        bool boolLeftHand;
        int x, y;
        std::optional<FretPosition> expected;
    } kRows[]{
        {"OpenTopString", false, 753, 758, FretPosition{1, 0}},
        {"FirstFretSecondString", false, 1303, 1108, FretPosition{2, 1}},
        {"TwelfthFretLowString", false, 7353, 2508, FretPosition{6, 12}},
        {"NutLineBelongsToFirstFret", false, 1028, 1500, FretPosition{3, 1}},
        {"JustBeforeTheNut", false, 1027, 1500, FretPosition{3, 0}},
        {"FarLeftEdgeOfOpenSpace", false, 478, 758, FretPosition{1, 0}},
        {"LeftOfOpenSpace", false, 477, 758, std::nullopt},
        {"LastFretLine", false, 7627, 758, FretPosition{1, 12}},
        {"RightOfTheBoard", false, 7628, 758, std::nullopt},
        {"HalfwayAboveTopString", false, 1303, 583, FretPosition{1, 1}},
        {"AboveTopString", false, 1303, 582, std::nullopt},
        {"JustAboveHalfwayBelowLowString", false, 1303, 2682, FretPosition{6, 1}},
        {"BelowLowString", false, 1303, 2683, std::nullopt},
        // Left-handed: the nut is on the right, the open strings beyond it at 7903.
        {"LeftHandOpen", true, 7903, 758, FretPosition{1, 0}},
        {"LeftHandTwelfth", true, 1303, 2508, FretPosition{6, 12}},
        {"LeftHandFirst", true, 7353, 1108, FretPosition{2, 1}},
        {"LeftHandLeftOfBoard", true, 1027, 758, std::nullopt},
    };
    for (const auto& row : kRows) {
        Globals::setDefaultSettings();
        Globals::setLeftHand(row.boolLeftHand);
        RecordingSurface surface;
        FretBoard board;
        EXPECT_EQ(board.positionAt(row.x, row.y), std::nullopt) << "before drawing";
        board.setFretBoardPicBox(surface);
        board.resetFretBoard();
        EXPECT_EQ(board.positionAt(row.x, row.y), row.expected) << row.strName;
        if (row.expected) {
            // The position's marker centre lies in the same place.
            EXPECT_EQ(board.positionAt(board.markerCentre(*row.expected).x,
                                       board.markerCentre(*row.expected).y),
                      row.expected)
                << row.strName;
        }
    }
    Globals::setDefaultSettings();
}

TEST(FretBoardPositions, MarkerCentresOfHandWorkedPlaces) {
    Globals::setDefaultSettings();
    RecordingSurface surface;
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.resetFretBoard();
    EXPECT_EQ(board.markerCentre({1, 0}), (PicturePoint{753, 758}));
    EXPECT_EQ(board.markerCentre({4, 5}), (PicturePoint{3503, 1808}));
    Globals::setLeftHand(true);
    board.resetFretBoard();
    EXPECT_EQ(board.markerCentre({1, 0}), (PicturePoint{7903, 758}));
    EXPECT_EQ(board.markerCentre({4, 5}), (PicturePoint{5153, 1808}));
    Globals::setDefaultSettings();
}

// Keyboard at x 878, y 788: white key k (1..21, C3 = 1) spans 878 + 300k up to the next key,
// 1800 twips long; black keys 120 wide and 1200 long sit on the boundary right of C, D, F, G, A.
TEST(PianoKeyboardPositions, ClicksFindTheKeyWithBlackKeysOnTop) {
    const struct {
        const char* strName;
        int x, y;
        int intPitch, intOctave; // -1: no key
    } kRows[]{
        {"C3Disc", 1328, 2363, 0, 3},
        {"CSharp3Disc", 1478, 1688, 1, 3},
        {"BelowTheBlackKeyIsD3", 1478, 2000, 2, 3},
        {"RightEdgeOfCSharp3", 1538, 1000, 1, 3},
        {"JustRightOfCSharp3IsD3", 1539, 1000, 2, 3},
        {"NoBlackKeyBetweenEAndF", 2078, 1000, 5, 3},
        {"C4", 3400, 2000, 0, 4},
        {"BFlat4", 5078, 1000, 10, 4},
        {"ASharp5", 7178, 1000, 10, 5},
        {"B5", 7300, 1000, 11, 5},
        {"LeftOfTheKeys", 1177, 2000, -1, 0},
        {"RightOfTheKeys", 7478, 2000, -1, 0},
        {"AboveTheKeys", 1328, 787, -1, 0},
        {"LowerEdge", 1328, 2588, 0, 3},
        {"BelowTheKeys", 1328, 2589, -1, 0},
    };
    Globals::setDefaultSettings();
    RecordingSurface surface;
    PianoKeyboard keyboard;
    EXPECT_EQ(keyboard.keyAt(1328, 2363), std::nullopt) << "before drawing";
    keyboard.setPianoPicBox(surface);
    keyboard.resetPianoKeyboard();
    for (const auto& row : kRows) {
        const std::optional<SimpleNote> key = keyboard.keyAt(row.x, row.y);
        if (row.intPitch < 0) {
            EXPECT_FALSE(key.has_value()) << row.strName;
            continue;
        }
        ASSERT_TRUE(key.has_value()) << row.strName;
        EXPECT_EQ(key->Pitch(), row.intPitch) << row.strName;
        EXPECT_EQ(key->Octave(), row.intOctave) << row.strName;
    }
}

TEST(PianoKeyboardPositions, MarkerCentresAreWhereTheDiscsAreDrawn) {
    Globals::setDefaultSettings();
    RecordingSurface surface;
    PianoKeyboard keyboard;
    keyboard.setPianoPicBox(surface);
    keyboard.resetPianoKeyboard();
    SimpleNote note;
    note.setNote("C3");
    EXPECT_EQ(keyboard.markerCentre(note), (PicturePoint{1328, 2363}));
    EXPECT_EQ(keyboard.markerRadius(note), 60);
    note.setNote("Bb4");
    EXPECT_EQ(keyboard.markerCentre(note), (PicturePoint{5078, 1688}));
    EXPECT_EQ(keyboard.markerRadius(note), 50);
}
