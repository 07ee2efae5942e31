#include "PianoKeyboard.h"

#include "Globals.h"
#include "RecordingSurface.h"
#include "ScaleFixtures.h"

#include <gtest/gtest.h>

// Three-octave keyboard centred on the main window's picture: white key k (1..21) spans
// kLeft + 300k .. kLeft + 300(k + 1), black keys sit on the boundary right of a white key.
constexpr int kLeft = 878;
constexpr int kTop = 788;
constexpr auto whiteKeyX = [](int k) { return kLeft + 300 * k + 150; };
constexpr auto blackKeyX = [](int k) { return kLeft + 300 * (k + 1); };
constexpr RgbColor kRed{200, 0, 0};

class PianoKeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Globals::setDefaultSettings();
        keyboard.setPianoPicBox(surface);
        keyboard.resetPianoKeyboard();
    }
    void show(const char* strNote, const std::string& strCode = "", RgbColor color = kBlack) {
        SimpleNote note;
        note.setNote(strNote);
        keyboard.showNote(note, strCode, color);
    }
    RecordingSurface surface;
    PianoKeyboard keyboard;
};

// Fifteen black keys, 120 wide and 1200 long, on the boundaries right of the white keys C, D,
// F, G and A of each octave.
TEST_F(PianoKeyboardTest, BlackKeysSitRightOfCDFGAndA) {
    std::vector<RecordedBox> expected;
    for (const int k : {1, 2, 4, 5, 6, 8, 9, 11, 12, 13, 15, 16, 18, 19, 20}) {
        expected.push_back({blackKeyX(k) - 60, kTop, blackKeyX(k) + 60, kTop + 1200, kBlack});
    }
    EXPECT_EQ(surface.boxes, expected);
}

TEST_F(PianoKeyboardTest, DiscsMarkWhiteAndBlackKeysOfOctavesThreeToFive) {
    // The left edge of the keys comes first: 300 right of the keyboard's origin.
    EXPECT_EQ(surface.lines[0], (RecordedLine{1178, kTop, 1178, kTop + 1800, 2}));
    // B2 and C6 lie outside the keys; black 0 turns white on a black key.
    for (const char* strNote : {"B2", "C3", "C#3", "Eb3", "F#3", "Ab3", "Bb4", "C6"}) {
        show(strNote);
    }
    show("B5", "", kRed);
    const std::vector<RecordedCircle> expected{{whiteKeyX(1), kTop + 1575, 60, kBlack, kBlack},
                                               {blackKeyX(1), kTop + 900, 50, kWhite, kWhite},
                                               {blackKeyX(2), kTop + 900, 50, kWhite, kWhite},
                                               {blackKeyX(4), kTop + 900, 50, kWhite, kWhite},
                                               {blackKeyX(5), kTop + 900, 50, kWhite, kWhite},
                                               {blackKeyX(13), kTop + 900, 50, kWhite, kWhite},
                                               {whiteKeyX(21), kTop + 1575, 60, kRed, kRed}};
    EXPECT_EQ(surface.circles, expected);
}

TEST_F(PianoKeyboardTest, OctaveTypesMoveDegreesByOctave) {
    // White keys of C major's C, D, E, F, G, A, B for "one octave higher" (D, F, A an octave
    // up), "in same octave" and "one octave lower" (C, E, G, B up to octave 4, D, F, A stay).
    const std::vector<int> kKeys[]{
        {1, 9, 3, 11, 5, 13, 7}, {1, 2, 3, 4, 5, 6, 7}, {8, 2, 10, 4, 12, 6, 14}};
    keyboard.setScaleData(scaleOn("C3", "1,2,3,4,5,6,7"));
    for (int16_t intType = 0; intType < 3; ++intType) {
        Globals::setKeyboardOctave(intType);
        surface.circles.clear();
        keyboard.drawScaleData();
        std::vector<int> collKeys;
        for (const auto& [x, y, r, outline, fill] : surface.circles) {
            collKeys.push_back((x - kLeft - 150) / 300);
        }
        EXPECT_EQ(collKeys, kKeys[intType]) << "octave type " << intType;
    }
}

// Names and codes of C (white key 1, code "1") and Eb (black key right of key 2, code "b3"),
// centred on the key: half of a 45 or 91 twips wide text is 22 or 46 when halves go to even.
// A name moves the code further from the keys; an empty code (D) prints nothing.
TEST_F(PianoKeyboardTest, LabelsStackBelowWhiteAndAboveBlackKeys) {
    Globals::setShowIntervals(true);
    const int c = whiteKeyX(1) - 22, eb = blackKeyX(2) - 46;
    // Rows 1920 and 2130 below the top of the keys, 320 and 560 above it.
    const int intBelow = kTop + 1920, intAbove = kTop - 320;
    const std::vector<RecordedText> kWithNames{{"C", c, intBelow, kBlack},
                                               {"1", c, intBelow + 210, kBlack},
                                               {"Eb", eb, intAbove, kBlack},
                                               {"b3", eb, intAbove - 240, kBlack},
                                               {"D", c + 300, intBelow, kBlack}};
    const std::vector<RecordedText> kCodesOnly{{"1", c, intBelow, kBlack},
                                               {"b3", eb, intAbove, kBlack}};
    for (const bool boolNames : {true, false}) {
        Globals::setShowNoteNames(boolNames);
        surface.texts.clear();
        show("C3", "1");
        show("Eb3", "b3");
        show("D3");
        EXPECT_EQ(surface.texts, boolNames ? kWithNames : kCodesOnly);
    }
}
