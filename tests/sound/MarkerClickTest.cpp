// A click on the picture plays the marker under it: string and fret (either hand), or key.

#include "MarkerClick.h"

#include "FretBoard.h"
#include "Globals.h"
#include "PianoKeyboard.h"
#include "RecordingSurface.h"
#include "SoundCases.h"

#include <gtest/gtest.h>

namespace {

std::optional<int> midiOf(const std::optional<VoicedNote>& voiced) {
    return voiced ? std::optional<int>(voiced->intMidiNote) : std::nullopt;
}

// The default board on the window's picture: nut at x 1028, frets 550 apart, strings 350 apart
// from y 758; a marker sits mid-fret, radius 150. Left-handed, fret f's marker is at
// 1028 + (13 - f) × 550 − 275. The scale is C major unless a row says otherwise.
TEST(MarkerClick, FretboardTable) {
    const struct {
        const char* strName;
        bool boolLeftHand;
        int x, y;
        std::optional<int> expected;
        const char* strIntervals;
    } kRows[]{
        {"C on the B string, fret 1", false, 1303, 1108, 60, "1,2,3,4,5,6,7"},
        {"C on the low E string, fret 8", false, 5153, 2508, 48, "1,2,3,4,5,6,7"},
        {"open high E", false, 753, 758, 64, "1,2,3,4,5,6,7"},
        {"edge of the marker", false, 1303 + 150, 1108, 60, "1,2,3,4,5,6,7"},
        {"just outside the marker", false, 1303 + 106, 1108 + 107, std::nullopt, "1,2,3,4,5,6,7"},
        {"A# is not in C major", false, 1303, 2158, std::nullopt, "1,2,3,4,5,6,7"},
        {"A# in C minor pentatonic", false, 1303, 2158, 46, "1,b3,4,5,b7"},
        // Where the right hand has fret 1, the left hand has fret 12: B on the B string.
        {"left hand, fret 12 of the B string", true, 1303, 1108, 71, "1,2,3,4,5,6,7"},
    };
    for (const auto& row : kRows) {
        Globals::setDefaultSettings();
        Globals::setLeftHand(row.boolLeftHand);
        RecordingSurface surface;
        FretBoard board;
        board.setFretBoardPicBox(surface);
        board.resetFretBoard();
        EXPECT_EQ(midiOf(MarkerClick::noteAtFretboardClick(board, *scaleOn("C3", row.strIntervals),
                                                           SoundCases::guitar(), row.x, row.y)),
                  row.expected)
            << row.strName;
    }
    Globals::setDefaultSettings();
}

// The keyboard on the window's picture: white key k spans x 878 + 300k to 878 + 300(k + 1), keys
// from y 788 down to 2588, black keys to 1988; key 1 is C3.
TEST(MarkerClick, KeyboardTable) {
    const struct {
        const char* strName;
        int intOctave;
        const char* strIntervals;
        int x, y;
        std::optional<int> expected;
    } kRows[]{
        {"C3, lower end of key 1", 1, "1,2,3,4,5,6,7", 1328, 2400, 36},
        {"C4 is not marked in the same octave", 1, "1,2,3,4,5,6,7", 3428, 2400, std::nullopt},
        {"D4 marked one octave higher", 0, "1,2,3,4,5,6,7", 3728, 2400, 50},
        {"C4 marked one octave lower", 2, "1,2,3,4,5,6,7", 3428, 2400, 48},
        {"black key Db3 in C Phrygian", 1, "1,b2,b3,4,5,b6,b7", 1478, 1500, 37},
    };
    Globals::setDefaultSettings();
    RecordingSurface surface;
    PianoKeyboard keyboard;
    keyboard.setPianoPicBox(surface);
    keyboard.resetPianoKeyboard();
    for (const auto& row : kRows) {
        EXPECT_EQ(midiOf(MarkerClick::noteAtKeyboardClick(
                      keyboard, *scaleOn("C3", row.strIntervals),
                      SoundCases::keyboard(row.intOctave), row.x, row.y)),
                  row.expected)
            << row.strName;
    }
}

} // namespace
