#include "PianoKeyboard.h"

#include "Globals.h"
#include "RecordingSurface.h"
#include "ScaleFixtures.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// Keyboard of the main window's picture (8655 x 3375).
constexpr int kLeft = 878;
constexpr int kTop = 788;
constexpr int kWhiteDiscY = kTop + 1575;
constexpr int kBlackDiscY = kTop + 900;

// Centre x of white key k (1..21) and of the black key right of white key k.
constexpr int whiteKeyX(int k) {
    return kLeft + 300 * k + 150;
}
constexpr int blackKeyX(int k) {
    return kLeft + 300 * (k + 1);
}

class PianoKeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Globals::setDefaultSettings();
        keyboard.setPianoPicBox(surface);
        keyboard.resetPianoKeyboard();
    }
    void TearDown() override { Globals::setDefaultSettings(); }

    void draw(std::shared_ptr<const StandardScale> scale) {
        keyboard.setScaleData(std::move(scale));
        keyboard.drawScaleData();
    }

    static SimpleNote note(const std::string& strNote) {
        SimpleNote n;
        n.setNote(strNote);
        return n;
    }

    // Text printed with its centre (given the fake's 44.6 twips per character) at x.
    const RecordedText* textAt(int x, int y) const {
        for (const RecordedText& t : surface.collTexts) {
            const int tw = static_cast<int>(
                std::lrint(RecordingSurface::kCharWidth * static_cast<double>(t.strText.size())));
            if (t.y == y && t.x == x - static_cast<int>(std::lrint(tw / 2.0))) {
                return &t;
            }
        }
        return nullptr;
    }

    RecordingSurface surface;
    PianoKeyboard keyboard;
};

TEST_F(PianoKeyboardTest, KeyboardIsCentredWithTwentyOneWhiteAndFifteenBlackKeys) {
    ASSERT_GE(surface.collCalls.size(), 2u);
    EXPECT_EQ(surface.collCalls[0], "clear");
    EXPECT_EQ(surface.collCalls[1], "setBackColor");
    EXPECT_EQ(surface.longBackColor, kWhite);

    // Left edge, then per white key its bottom and right edge; no top line.
    ASSERT_EQ(surface.collLines.size(), 1u + 2u * 21u);
    const RecordedLine& edge = surface.collLines.front();
    EXPECT_EQ(edge.x1, 1178);
    EXPECT_EQ(edge.x2, 1178);
    EXPECT_EQ(edge.y1, kTop);
    EXPECT_EQ(edge.y2, 2588);
    for (int k = 1; k <= 21; ++k) {
        const RecordedLine& bottom = surface.collLines[static_cast<std::size_t>(2 * k - 1)];
        const RecordedLine& right = surface.collLines[static_cast<std::size_t>(2 * k)];
        const int x = kLeft + 300 * k;
        EXPECT_EQ(bottom.x1, x);
        EXPECT_EQ(bottom.x2, x + 300);
        EXPECT_EQ(bottom.y1, 2588);
        EXPECT_EQ(bottom.y2, 2588);
        EXPECT_EQ(right.x1, x + 300);
        EXPECT_EQ(right.y1, kTop);
        EXPECT_EQ(right.y2, 2588);
        EXPECT_EQ(right.intWidth, 2);
    }
    EXPECT_EQ(surface.collLines.back().x1, 7478);

    // C#, D#, F#, G#, A# in each of the three octaves.
    const std::vector<int> kBlackAfter{1, 2, 4, 5, 6, 8, 9, 11, 12, 13, 15, 16, 18, 19, 20};
    ASSERT_EQ(surface.collBoxes.size(), kBlackAfter.size());
    for (std::size_t i = 0; i < kBlackAfter.size(); ++i) {
        const RecordedBox& box = surface.collBoxes[i];
        const int x = kLeft + 300 * kBlackAfter[i];
        EXPECT_EQ(box.x1, x + 240);
        EXPECT_EQ(box.x2, x + 360);
        EXPECT_EQ(box.y1, kTop);
        EXPECT_EQ(box.y2, kTop + 1200);
        EXPECT_EQ(box.color, kBlack);
    }
}

TEST_F(PianoKeyboardTest, CMajorIsSevenBlackDiscsWithNamesBelow) {
    draw(scaleOn(C, 0, kIonian));
    ASSERT_EQ(surface.collCircles.size(), 7u);
    const std::vector<std::string> kNames{"C", "D", "E", "F", "G", "A", "B"};
    for (int k = 1; k <= 7; ++k) {
        const RecordedCircle& c = surface.collCircles[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(c.x, whiteKeyX(k));
        EXPECT_EQ(c.y, kWhiteDiscY);
        EXPECT_EQ(c.intRadius, 60);
        EXPECT_EQ(c.fill, kBlack);
        EXPECT_EQ(c.outline, kBlack);
        const RecordedText* name = textAt(whiteKeyX(k), kTop + 1920);
        ASSERT_NE(name, nullptr) << "key " << k;
        EXPECT_EQ(name->strText, kNames[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(name->strFont, "MS Sans Serif");
        EXPECT_EQ(name->dblPoints, 8);
        EXPECT_EQ(name->color, kBlack);
    }
    EXPECT_EQ(surface.collTexts.size(), 7u); // interval codes are off by default
}

struct OctavePlacement {
    const char* strName;
    int16_t intOctaveType;
    std::vector<int> collKeys; // white key of C, D, E, F, G, A, B in scale order
};
void PrintTo(const OctavePlacement& row, std::ostream* os) {
    *os << row.strName;
}

class PianoOctaveTypes : public PianoKeyboardTest,
                         public ::testing::WithParamInterface<OctavePlacement> {};

TEST_P(PianoOctaveTypes, DegreesTwoFourSixMoveByOctave) {
    Globals::setKeyboardOctave(GetParam().intOctaveType);
    draw(scaleOn(C, 0, kIonian));
    std::vector<int> collKeys;
    for (const RecordedCircle& c : surface.collCircles) {
        collKeys.push_back((c.x - kLeft - 150) / 300);
    }
    EXPECT_EQ(collKeys, GetParam().collKeys);
}

INSTANTIATE_TEST_SUITE_P(CMajor, PianoOctaveTypes,
                         ::testing::Values(
                             // D, F, A an octave up, on keys 9, 11, 13.
                             OctavePlacement{"OneOctaveHigher", 0, {1, 9, 3, 11, 5, 13, 7}},
                             OctavePlacement{"SameOctave", 1, {1, 2, 3, 4, 5, 6, 7}},
                             // C, E, G, B move up to octave 4 while D, F, A stay in octave 3.
                             OctavePlacement{"OneOctaveLower", 2, {8, 2, 10, 4, 12, 6, 14}}),
                         [](const auto& info) { return std::string(info.param.strName); });

TEST_F(PianoKeyboardTest, BlackKeyNoteIsAWhiteDiscOnTheKey) {
    keyboard.showNote(note("Eb3"), "b3", kBlack);
    ASSERT_EQ(surface.collCircles.size(), 1u);
    const RecordedCircle& c = surface.collCircles.front();
    EXPECT_EQ(c.x, blackKeyX(2));
    EXPECT_EQ(c.y, kBlackDiscY);
    EXPECT_EQ(c.intRadius, 50);
    EXPECT_EQ(c.fill, kWhite);
    EXPECT_EQ(c.outline, kWhite);
}

TEST_F(PianoKeyboardTest, GivenColourIsUsedOnBothKinds) {
    constexpr RgbColor kRed{200, 0, 0};
    keyboard.showNote(note("F#4"), "", kRed);
    keyboard.showNote(note("G4"), "", kRed);
    ASSERT_EQ(surface.collCircles.size(), 2u);
    EXPECT_EQ(surface.collCircles[0].x, blackKeyX(11));
    EXPECT_EQ(surface.collCircles[0].fill, kRed);
    EXPECT_EQ(surface.collCircles[1].x, whiteKeyX(12));
    EXPECT_EQ(surface.collCircles[1].fill, kRed);
}

struct LabelRows {
    const char* strName;
    bool boolNames;
    bool boolIntervals;
    // Rows relative to the top of the keys; 0 means not printed.
    int intWhiteName, intWhiteCode, intBlackName, intBlackCode;
};
void PrintTo(const LabelRows& row, std::ostream* os) {
    *os << row.strName;
}

class PianoLabelRows : public PianoKeyboardTest, public ::testing::WithParamInterface<LabelRows> {};

// C natural minor: C (white key 1, code "1") and Eb (black key right of key 2, code "b3").
TEST_P(PianoLabelRows, LabelsStackBelowWhiteAndAboveBlackKeys) {
    const LabelRows& row = GetParam();
    Globals::setShowNoteNames(row.boolNames);
    Globals::setShowIntervals(row.boolIntervals);
    draw(scaleOn(C, 0, kAeolian));
    auto expectText = [&](int x, int intRow, const std::string& strText) {
        SCOPED_TRACE(strText);
        if (intRow == 0) {
            for (const RecordedText& t : surface.collTexts) {
                EXPECT_NE(t.strText, strText);
            }
            return;
        }
        const RecordedText* t = textAt(x, kTop + intRow);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->strText, strText);
    };
    expectText(whiteKeyX(1), row.intWhiteName, "C");
    expectText(whiteKeyX(1), row.intWhiteCode, "1");
    expectText(blackKeyX(2), row.intBlackName, "Eb");
    expectText(blackKeyX(2), row.intBlackCode, "b3");
    const std::size_t intPerNote = (row.boolNames ? 1u : 0u) + (row.boolIntervals ? 1u : 0u);
    EXPECT_EQ(surface.collTexts.size(), 7u * intPerNote);
}

INSTANTIATE_TEST_SUITE_P(Settings, PianoLabelRows,
                         ::testing::Values(LabelRows{"NamesOnly", true, false, 1920, 0, -320, 0},
                                           LabelRows{"IntervalsOnly", false, true, 0, 1920, 0,
                                                     -320},
                                           LabelRows{"Both", true, true, 1920, 2130, -320, -560},
                                           LabelRows{"Neither", false, false, 0, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.strName); });

struct OctaveRange {
    const char* strName;
    const char* strNote;
    int intKey; // white key of the disc, 0 when the note is off the keyboard
};
void PrintTo(const OctaveRange& row, std::ostream* os) {
    *os << row.strName;
}

class PianoOctaveRange : public PianoKeyboardTest,
                         public ::testing::WithParamInterface<OctaveRange> {};

TEST_P(PianoOctaveRange, OnlyOctavesThreeToFiveAreOnTheKeyboard) {
    keyboard.showNote(note(GetParam().strNote), "1", kBlack);
    if (GetParam().intKey == 0) {
        EXPECT_TRUE(surface.collCircles.empty());
        EXPECT_TRUE(surface.collTexts.empty());
        return;
    }
    ASSERT_EQ(surface.collCircles.size(), 1u);
    EXPECT_EQ(surface.collCircles.front().x, whiteKeyX(GetParam().intKey));
}

INSTANTIATE_TEST_SUITE_P(Notes, PianoOctaveRange,
                         ::testing::Values(OctaveRange{"B2BelowTheKeyboard", "B2", 0},
                                           OctaveRange{"C3LowestKey", "C3", 1},
                                           OctaveRange{"B5HighestKey", "B5", 21},
                                           OctaveRange{"C6AboveTheKeyboard", "C6", 0}),
                         [](const auto& info) { return std::string(info.param.strName); });

TEST_F(PianoKeyboardTest, BMajorOneOctaveHigherReachesTheTopOctave) {
    // B3 with C#, E and G# lifted: C#5 and G#5 sit on black keys of the top octave.
    Globals::setKeyboardOctave(0);
    draw(scaleOn(B, 0, kIonian));
    std::vector<std::pair<int, int>> collCentres;
    for (const RecordedCircle& c : surface.collCircles) {
        collCentres.push_back({c.x, c.y});
    }
    const std::vector<std::pair<int, int>> kExpected{{whiteKeyX(7), kWhiteDiscY},   // B3
                                                     {blackKeyX(15), kBlackDiscY},  // C#5
                                                     {blackKeyX(9), kBlackDiscY},   // D#4
                                                     {whiteKeyX(17), kWhiteDiscY},  // E5
                                                     {blackKeyX(11), kBlackDiscY},  // F#4
                                                     {blackKeyX(19), kBlackDiscY},  // G#5
                                                     {blackKeyX(13), kBlackDiscY}}; // A#4
    EXPECT_EQ(collCentres, kExpected);
}

TEST_F(PianoKeyboardTest, EmptyCodePrintsNothing) {
    Globals::setShowNoteNames(false);
    Globals::setShowIntervals(true);
    keyboard.showNote(note("D3"), "", kBlack);
    keyboard.showNote(note("Db3"), "", kBlack);
    EXPECT_EQ(surface.collCircles.size(), 2u);
    EXPECT_TRUE(surface.collTexts.empty());
}

TEST_F(PianoKeyboardTest, PitchOutsideTheOctaveIsNotDrawn) {
    SimpleNote noteOdd;
    noteOdd.setOctave(4);
    for (int16_t intPitch : {int16_t{-1}, int16_t{12}, int16_t{100}}) {
        noteOdd.setPitch(intPitch);
        keyboard.showNote(noteOdd, "1", kBlack);
    }
    EXPECT_TRUE(surface.collCircles.empty());
    EXPECT_TRUE(surface.collTexts.empty());
}

TEST_F(PianoKeyboardTest, ScaleWithoutRootShowsTheBareKeyboard) {
    draw(std::make_shared<StandardScale>());
    EXPECT_TRUE(surface.collCircles.empty());
    EXPECT_EQ(surface.collLines.size(), 43u);
}

TEST(PianoKeyboardUnset, DrawingBeforeResetIsHarmless) {
    RecordingSurface surface;
    PianoKeyboard keyboard;
    keyboard.setPianoPicBox(surface);
    keyboard.setScaleData(scaleOn(C, 0, kIonian));
    keyboard.drawScaleData();
    keyboard.showNote(SimpleNote(), "1", kBlack);
    EXPECT_TRUE(surface.collCalls.empty());

    PianoKeyboard noSurface;
    noSurface.resetPianoKeyboard();
    noSurface.showNote(SimpleNote(), "1", kBlack);
}

} // namespace
