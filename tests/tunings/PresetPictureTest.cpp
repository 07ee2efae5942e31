// C Ionian (the white keys) on two presets, drawn on the main window's picture: the markers sit
// where the notes fall on those strings, worked out fret by fret.

#include "Globals.h"
#include "RecordingSurface.h"
#include "TuningPresets.h"

#include <gtest/gtest.h>

// Each string, top line first, with the frets 0..12 that hold a note of C major. Four strings share
// 2100 twips: 525 apart from y 758; a marker sits mid-fret, frets 550 wide from the nut at 1028.
// The C markers are a lighter red.
TEST(PresetPicture, CIonianOnAFourStringBassAndAUkulele) {
    const std::vector<std::vector<int>> kMajor{{0, 2, 4, 5, 7, 9, 10, 12},  // G string
                                               {0, 2, 3, 5, 7, 9, 10, 12},  // D string
                                               {0, 2, 3, 5, 7, 8, 10, 12},  // A string
                                               {0, 1, 3, 5, 7, 8, 10, 12},  // E string
                                               {0, 2, 4, 5, 7, 9, 11, 12}}; // C string
    // The preset, its strings as rows of kMajor from the top line, and the line and fret of each C.
    const std::tuple<const char*, std::vector<std::size_t>, std::vector<std::pair<int, int>>>
        kRows[]{{"BassFourString", {0, 1, 2, 3}, {{0, 5}, {1, 10}, {2, 3}, {3, 8}}},
                // The re-entrant G is the bottom line, as it is the fourth string.
                {"UkuleleStandard", {2, 3, 4, 0}, {{0, 3}, {1, 8}, {2, 0}, {2, 12}, {3, 5}}}};
    for (const auto& [strPreset, collStrings, collRoots] : kRows) {
        Globals::setDefaultSettings();
        for (const TuningPreset& preset : getTuningPresets()) {
            if (preset.strId == strPreset) {
                applyTuningPreset(preset);
            }
        }
        const Board drawn("1,2,3,4,5,6,7", "C3");
        std::vector<RecordedCircle> expected;
        for (int i = 0; i < 4; ++i) {
            for (const int f : kMajor[collStrings[static_cast<std::size_t>(i)]]) {
                const bool boolRoot =
                    std::count(collRoots.begin(), collRoots.end(), std::pair{i, f}) > 0;
                expected.push_back({1028 + f * 550 - 275, 758 + i * 525, 150, kBlack,
                                    boolRoot ? RgbColor{153, 0, 0} : RgbColor{102, 0, 0}});
            }
        }
        EXPECT_EQ(drawn.surface.circles, expected) << strPreset;
    }
}
