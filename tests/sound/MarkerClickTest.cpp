// A click on the picture plays the marker under it: string and fret (either hand), or key.

#include "MarkerClick.h"

#include "FretBoard.h"
#include "Globals.h"
#include "PianoKeyboard.h"
#include "RecordingSurface.h"
#include "SoundCases.h"

#include <gtest/gtest.h>

namespace {

// The default board on the window's picture: nut at x 1028, frets 550 apart, strings 350 apart
// from y 758 (300 apart with seven strings, from the same y); a marker sits mid-fret, radius 150.
TEST(MarkerClick, FretboardTable) {
    const struct {
        const char* strName;
        InstrumentSetup setup;
        bool boolLeftHand;
        std::string strIntervals;
        int x, y;
        std::optional<int> expected;
    } kRows[]{
        {"C on the B string, fret 1", SoundCases::guitarDefault(), false, "1,2,3,4,5,6,7", 1303,
         1108, 60},
        {"C on the low E string, fret 8", SoundCases::guitarDefault(), false, "1,2,3,4,5,6,7", 5153,
         2508, 48},
        {"open high E", SoundCases::guitarDefault(), false, "1,2,3,4,5,6,7", 753, 758, 64},
        {"edge of the marker", SoundCases::guitarDefault(), false, "1,2,3,4,5,6,7", 1303 + 150,
         1108, 60},
        {"just outside the marker", SoundCases::guitarDefault(), false, "1,2,3,4,5,6,7", 1303 + 106,
         1108 + 107, std::nullopt},
        {"A# is not in C major", SoundCases::guitarDefault(), false, "1,2,3,4,5,6,7", 1303, 2158,
         std::nullopt},
        {"A# in C minor pentatonic", SoundCases::guitarDefault(), false, "1,b3,4,5,b7", 1303, 2158,
         46},
        {"off the board", SoundCases::guitarDefault(), false, "1,2,3,4,5,6,7", 300, 758,
         std::nullopt},
        // Left-handed: fret f's marker at 1028 + (13 - f) × 550 − 275.
        {"left hand, C on the B string", SoundCases::guitarDefault(), true, "1,2,3,4,5,6,7", 7353,
         1108, 60},
        {"left hand, C on the low E string", SoundCases::guitarDefault(), true, "1,2,3,4,5,6,7",
         3503, 2508, 48},
        {"left hand, open high E", SoundCases::guitarDefault(), true, "1,2,3,4,5,6,7", 7903, 758,
         64},
        // Where the right hand has fret 1, the left hand has fret 12: B on the B string.
        {"left hand, fret 12 of the B string", SoundCases::guitarDefault(), true, "1,2,3,4,5,6,7",
         1303, 1108, 71},
        // Seven strings stored in octave 3: the low B is B3 (47), its fret 1 is C 48.
        {"seven strings, low B fret 1", SoundCases::sevenString(), false, "1,2,3,4,5,6,7", 1303,
         2558, 48},
        {"seven strings, top E open", SoundCases::sevenString(), false, "1,2,3,4,5,6,7", 753, 758,
         76},
    };
    for (const auto& row : kRows) {
        Globals::setDefaultSettings();
        Globals::setLeftHand(row.boolLeftHand);
        Globals::setNumberOfStrings(static_cast<int16_t>(row.setup.collTuning.size()));
        for (std::size_t i = 0; i < row.setup.collTuning.size(); ++i) {
            Globals::setTuning(static_cast<int>(i) + 1,
                               std::make_shared<SimpleNote>(row.setup.collTuning[i]));
        }
        RecordingSurface surface;
        FretBoard board;
        board.setFretBoardPicBox(surface);
        board.resetFretBoard();
        const StandardScale scale = SoundCases::scale(row.strIntervals, 0);
        const auto voiced =
            MarkerClick::noteAtFretboardClick(board, scale, row.setup, row.x, row.y);
        EXPECT_EQ(voiced ? std::optional<int>(voiced->intMidiNote) : std::nullopt, row.expected)
            << row.strName;
        if (voiced) {
            // The highlight of the note played sits on the marker clicked.
            const auto highlight = MarkerClick::highlightFor(voiced->place, &board, nullptr);
            ASSERT_TRUE(highlight) << row.strName;
            EXPECT_LE(std::abs(highlight->centre.x - row.x) + std::abs(highlight->centre.y - row.y),
                      150)
                << row.strName;
        }
    }
    Globals::setDefaultSettings();
}

// The keyboard on the window's picture: white key k spans x 878 + 300k to 878 + 300(k + 1), keys
// from y 788 down to 2588, black keys to 1988; key 1 is C3.
TEST(MarkerClick, KeyboardTable) {
    const struct {
        const char* strName;
        int intOctave;
        std::string strIntervals;
        int x, y;
        std::optional<int> expected;
        int intHighlightX; // white key k's disc at 878 + 300k + 150, a black key's on its centre
    } kRows[]{
        {"C3, lower end of key 1", 1, "1,2,3,4,5,6,7", 1328, 2400, 36, 1328},
        {"C4 is not marked in the same octave", 1, "1,2,3,4,5,6,7", 3428, 2400, std::nullopt, 0},
        {"D4 marked one octave higher", 0, "1,2,3,4,5,6,7", 3728, 2400, 50, 3728},
        {"D3 not marked one octave higher", 0, "1,2,3,4,5,6,7", 1628, 2400, std::nullopt, 0},
        {"C4 marked one octave lower", 2, "1,2,3,4,5,6,7", 3428, 2400, 48, 3428},
        {"black key Db3 in C Phrygian", 1, "1,b2,b3,4,5,b6,b7", 1478, 1500, 37, 1478},
        {"the white key beside it", 1, "1,b2,b3,4,5,b6,b7", 1400, 2400, 36, 1328},
        {"C# not in C major", 1, "1,2,3,4,5,6,7", 1478, 1500, std::nullopt, 0},
        {"above the keys", 1, "1,2,3,4,5,6,7", 1328, 700, std::nullopt, 0},
    };
    for (const auto& row : kRows) {
        Globals::setDefaultSettings();
        RecordingSurface surface;
        PianoKeyboard keyboard;
        keyboard.setPianoPicBox(surface);
        keyboard.resetPianoKeyboard();
        const StandardScale scale = SoundCases::scale(row.strIntervals, 0);
        const auto voiced = MarkerClick::noteAtKeyboardClick(
            keyboard, scale, SoundCases::keyboard(row.intOctave), row.x, row.y);
        EXPECT_EQ(voiced ? std::optional<int>(voiced->intMidiNote) : std::nullopt, row.expected)
            << row.strName;
        if (voiced) {
            const auto highlight = MarkerClick::highlightFor(voiced->place, nullptr, &keyboard);
            ASSERT_TRUE(highlight) << row.strName;
            EXPECT_EQ(highlight->centre.x, row.intHighlightX) << row.strName;
        }
    }
}

} // namespace
