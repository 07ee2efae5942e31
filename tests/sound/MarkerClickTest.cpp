// A click on the picture plays the marker under it: string and fret (either hand), or key.

#include "MarkerClick.h"

#include "Globals.h"
#include "PianoKeyboard.h"
#include "RecordingSurface.h"
#include "SoundCases.h"

#include <gtest/gtest.h>

namespace {

// The default board and the keyboard on the window's picture. The board: nut at x 1028, frets 550
// apart, strings 350 apart from y 758; a marker sits mid-fret, radius 150. Left-handed, fret f's
// marker is at 1028 + (13 - f) × 550 − 275. The keyboard: white key k spans x 878 + 300k to
// 878 + 300(k + 1), keys from y 788 down to 2588, black keys to 1988; key 1 is C3.
TEST(MarkerClick, FretboardAndKeyboardTable) {
    // The case; the keyboard's octave placement, or -1 for the board, -2 for the board
    // left-handed; the scale on C3; the place clicked and the MIDI note played.
    const std::tuple<const char*, int, const char*, int, int, std::optional<int>> kRows[]{
        {"C on the B string, fret 1", -1, "1,2,3,4,5,6,7", 1303, 1108, 60},
        {"C on the low E string, fret 8", -1, "1,2,3,4,5,6,7", 5153, 2508, 48},
        {"open high E", -1, "1,2,3,4,5,6,7", 753, 758, 64},
        {"edge of the marker", -1, "1,2,3,4,5,6,7", 1303 + 150, 1108, 60},
        {"just outside the marker", -1, "1,2,3,4,5,6,7", 1303 + 106, 1108 + 107, std::nullopt},
        {"A# is not in C major", -1, "1,2,3,4,5,6,7", 1303, 2158, std::nullopt},
        {"A# in C minor pentatonic", -1, "1,b3,4,5,b7", 1303, 2158, 46},
        // Where the right hand has fret 1, the left hand has fret 12: B on the B string.
        {"left hand, fret 12 of the B string", -2, "1,2,3,4,5,6,7", 1303, 1108, 71},
        {"C3, lower end of key 1", 1, "1,2,3,4,5,6,7", 1328, 2400, 36},
        {"C4 is not marked in the same octave", 1, "1,2,3,4,5,6,7", 3428, 2400, std::nullopt},
        {"D4 marked one octave higher", 0, "1,2,3,4,5,6,7", 3728, 2400, 50},
        {"C4 marked one octave lower", 2, "1,2,3,4,5,6,7", 3428, 2400, 48},
        {"black key Db3 in C Phrygian", 1, "1,b2,b3,4,5,b6,b7", 1478, 1500, 37},
    };
    for (const auto& [strName, intOctave, strIntervals, x, y, expected] : kRows) {
        Globals::setDefaultSettings();
        Globals::setLeftHand(intOctave == -2);
        Board drawn;
        PianoKeyboard keyboard;
        keyboard.setPianoPicBox(drawn.surface);
        keyboard.resetPianoKeyboard();
        const auto scale = scaleOn("C3", strIntervals);
        const std::optional<VoicedNote> voiced =
            intOctave < 0
                ? MarkerClick::noteAtFretboardClick(drawn.board, *scale, SoundCases::guitar(), x, y)
                : MarkerClick::noteAtKeyboardClick(keyboard, *scale,
                                                   SoundCases::keyboard(intOctave), x, y);
        EXPECT_EQ(voiced ? std::optional<int>(voiced->intMidiNote) : std::nullopt, expected)
            << strName;
    }
    Globals::setDefaultSettings();
}

} // namespace
