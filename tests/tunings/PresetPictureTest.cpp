// C Ionian (the white keys) on two presets, drawn on the main window's picture: the markers sit
// where the notes fall on those strings, worked out fret by fret.

#include "FretBoard.h"
#include "Globals.h"
#include "RecordingSurface.h"
#include "ScaleFixtures.h"
#include "TuningPresets.h"

#include <gtest/gtest.h>

namespace {

// Four strings share 2100 twips: 525 apart, the top string at round(3375 / 2) - 1050 + 120.
constexpr int kLeft = 1028;
constexpr int kTop = 758;
constexpr int kDistance = 525;

struct StringRow {
    std::string strName;    // printed left of the board
    std::vector<int> frets; // frets 0..12 with a note of C major
    std::vector<int> roots; // those that are C
};

void expectCIonianOn(const char* strPreset, const std::vector<StringRow>& rows) {
    SCOPED_TRACE(strPreset);
    Globals::setDefaultSettings();
    for (const TuningPreset& preset : getTuningPresets()) {
        if (preset.strId == strPreset) {
            applyTuningPreset(preset);
        }
    }
    RecordingSurface surface;
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.resetFretBoard();
    board.setScaleData(scaleOn("C3", "1,2,3,4,5,6,7"));
    board.drawScaleData();

    std::vector<RecordedCircle> expected;
    std::vector<RecordedText> names;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = kTop + static_cast<int>(i) * kDistance;
        for (const int f : rows[i].frets) {
            const bool boolRoot =
                std::find(rows[i].roots.begin(), rows[i].roots.end(), f) != rows[i].roots.end();
            expected.push_back({kLeft + f * 550 - 275, y, 150, kBlack,
                                boolRoot ? RgbColor{153, 0, 0} : RgbColor{102, 0, 0}});
        }
        // A one-letter name is 165 high: half of it, 82, above the string.
        names.push_back({rows[i].strName, kLeft - 800, y - 82, kBlack});
    }
    EXPECT_EQ(surface.circles, expected);
    std::vector<RecordedText> printedNames;
    for (const RecordedText& text : surface.texts) {
        if (std::get<1>(text) == kLeft - 800) {
            printedNames.push_back(text);
        }
    }
    EXPECT_EQ(printedNames, names);
}

} // namespace

TEST(PresetPicture, CIonianOnAFourStringBass) {
    expectCIonianOn("BassFourString", {{"G", {0, 2, 4, 5, 7, 9, 10, 12}, {5}},
                                       {"D", {0, 2, 3, 5, 7, 9, 10, 12}, {10}},
                                       {"A", {0, 2, 3, 5, 7, 8, 10, 12}, {3}},
                                       {"E", {0, 1, 3, 5, 7, 8, 10, 12}, {8}}});
}

// The re-entrant G is the bottom line, as it is the fourth string; the C string has its root
// open and at the twelfth fret.
TEST(PresetPicture, CIonianOnAUkulele) {
    expectCIonianOn("UkuleleStandard", {{"A", {0, 2, 3, 5, 7, 8, 10, 12}, {3}},
                                        {"E", {0, 1, 3, 5, 7, 8, 10, 12}, {8}},
                                        {"C", {0, 2, 4, 5, 7, 9, 11, 12}, {0, 12}},
                                        {"G", {0, 2, 4, 5, 7, 9, 10, 12}, {5}}});
}
