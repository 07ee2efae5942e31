#include "FretBoard.h"

#include "Globals.h"
#include "RecordingSurface.h"
#include "ScaleFixtures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr RgbColor kDarkRed{102, 0, 0};
constexpr RgbColor kRootRed{153, 0, 0};

// Board of the main window's picture (8655 x 3375) with the default six strings.
constexpr int kLeft = 1028;
constexpr int kTop = 758;
constexpr int kTopWithoutNumbers = 638;
constexpr int kFret = 550;

class FretBoardTest : public ::testing::Test {
  protected:
    void SetUp() override { Globals::setDefaultSettings(); }
    void TearDown() override { Globals::setDefaultSettings(); }

    void draw(std::shared_ptr<const StandardScale> scale) {
        FretBoard board;
        board.setFretBoardPicBox(surface);
        board.resetFretBoard();
        board.setScaleData(std::move(scale));
        board.drawScaleData();
    }

    std::vector<RecordedLine> verticalLines() const { return linesWhere(true); }
    std::vector<RecordedLine> horizontalLines() const { return linesWhere(false); }

    std::vector<RecordedText> textsInFont(const std::string& strFont, RgbColor color) const {
        std::vector<RecordedText> result;
        for (const RecordedText& t : surface.collTexts) {
            if (t.strFont == strFont && t.color == color) {
                result.push_back(t);
            }
        }
        return result;
    }

    std::set<std::pair<int, int>> circleCentres() const {
        std::set<std::pair<int, int>> result;
        for (const RecordedCircle& c : surface.collCircles) {
            result.insert({c.x, c.y});
        }
        return result;
    }

    RecordingSurface surface;

  private:
    std::vector<RecordedLine> linesWhere(bool boolVertical) const {
        std::vector<RecordedLine> result;
        for (const RecordedLine& l : surface.collLines) {
            if ((l.x1 == l.x2) == boolVertical) {
                result.push_back(l);
            }
        }
        return result;
    }
};

TEST_F(FretBoardTest, ResetClearsToWhiteBeforeDrawing) {
    draw(scaleOn(C, 0, kIonian));
    ASSERT_GE(surface.collCalls.size(), 2u);
    EXPECT_EQ(surface.collCalls[0], "clear");
    EXPECT_EQ(surface.collCalls[1], "setBackColor");
    EXPECT_EQ(surface.longBackColor, kWhite);
}

TEST_F(FretBoardTest, DefaultBoardIsCentredWithNutAndTwelveFrets) {
    draw(scaleOn(C, 0, "1"));
    const std::vector<RecordedLine> frets = verticalLines();
    ASSERT_EQ(frets.size(), 13u);
    for (int f = 0; f <= 12; ++f) {
        const RecordedLine& l = frets[static_cast<std::size_t>(f)];
        SCOPED_TRACE("fret " + std::to_string(f));
        EXPECT_EQ(l.x1, kLeft + f * kFret);
        EXPECT_EQ(l.y1, kTop);
        EXPECT_EQ(l.y2, kTop + 5 * 350);
        EXPECT_EQ(l.intWidth, f == 0 ? 3 : 2); // only the nut is heavier
        EXPECT_EQ(l.color, kBlack);
    }
    const std::vector<RecordedLine> strings = horizontalLines();
    ASSERT_EQ(strings.size(), 6u);
    for (int s = 0; s < 6; ++s) {
        const RecordedLine& l = strings[static_cast<std::size_t>(s)];
        EXPECT_EQ(l.y1, kTop + s * 350);
        EXPECT_EQ(l.x1, kLeft);
        EXPECT_EQ(l.x2, kLeft + 6600);
        EXPECT_EQ(l.intWidth, 2);
    }
}

TEST_F(FretBoardTest, FretNumbersRunAboveTheBoard) {
    draw(scaleOn(C, 0, "1"));
    const std::vector<RecordedText> numbers = textsInFont("MS Sans Serif", kBlack);
    ASSERT_EQ(numbers.size(), 12u);
    for (int f = 0; f < 12; ++f) {
        const RecordedText& t = numbers[static_cast<std::size_t>(f)];
        EXPECT_EQ(t.strText, " " + std::to_string(f + 1));
        EXPECT_EQ(t.x, kLeft + f * kFret + 150);
        EXPECT_EQ(t.y, 258);
        EXPECT_EQ(t.dblPoints, 8);
    }
}

struct StringLayout {
    const char* strName;
    int16_t intStrings;
    bool boolFretNumbers;
    int intDistance;
    int intTop;
};
void PrintTo(const StringLayout& row, std::ostream* os) {
    *os << row.strName;
}

class FretBoardStrings : public FretBoardTest,
                         public ::testing::WithParamInterface<StringLayout> {};

TEST_P(FretBoardStrings, StringsShareTheBoardHeight) {
    const StringLayout& row = GetParam();
    Globals::setNumberOfStrings(row.intStrings);
    Globals::setShowFretNumbers(row.boolFretNumbers);
    draw(scaleOn(C, 0, "1"));
    const std::vector<RecordedLine> strings = horizontalLines();
    ASSERT_EQ(strings.size(), static_cast<std::size_t>(row.intStrings));
    for (int s = 0; s < row.intStrings; ++s) {
        EXPECT_EQ(strings[static_cast<std::size_t>(s)].y1, row.intTop + s * row.intDistance);
    }
    const int intBottom = row.intTop + (row.intStrings - 1) * row.intDistance;
    for (const RecordedLine& fret : verticalLines()) {
        EXPECT_EQ(fret.y1, row.intTop);
        EXPECT_EQ(fret.y2, intBottom);
    }
    EXPECT_EQ(textsInFont("MS Sans Serif", kBlack).size(), row.boolFretNumbers ? 12u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FretBoardStrings,
    ::testing::Values(StringLayout{"ThreeStrings", 3, true, 700, kTop},
                      StringLayout{"FourStringBass", 4, true, 525, kTop},
                      StringLayout{"FiveStringBanjo", 5, true, 420, kTop},
                      StringLayout{"SixStringGuitar", 6, true, 350, kTop},
                      StringLayout{"SevenStringGuitar", 7, true, 300, kTop},
                      // Without the number row the board moves up by the label margin.
                      StringLayout{"SixStringsNoNumbers", 6, false, 350, kTopWithoutNumbers}),
    [](const auto& info) { return std::string(info.param.strName); });

// Where E (pitch 4) lies on each string of standard tuning E B G D A E: string, fret.
const std::set<std::pair<int, int>> kPlacesOfE{{1, 0}, {1, 12}, {2, 5}, {3, 9},
                                               {4, 2}, {5, 7},  {6, 0}, {6, 12}};

TEST_F(FretBoardTest, RootAloneIsMarkedOnEveryStringIncludingOpenAndTwelfthFret) {
    draw(scaleOn(E, 0, "1"));
    std::set<std::pair<int, int>> expected;
    for (const auto& [i, f] : kPlacesOfE) {
        expected.insert({kLeft + f * kFret - 275, kTop + (i - 1) * 350});
    }
    EXPECT_EQ(circleCentres(), expected);
    for (const RecordedCircle& c : surface.collCircles) {
        EXPECT_EQ(c.intRadius, 150);
        EXPECT_EQ(c.outline, kBlack);
        EXPECT_EQ(c.fill, kRootRed);
        EXPECT_EQ(c.intWidth, 2);
    }
    // The code "1" is 45 x 165 twips here: x - 22 + 18, y - 82 (halves round to even).
    const std::vector<RecordedText> codes = textsInFont("Tahoma", kWhite);
    ASSERT_EQ(codes.size(), kPlacesOfE.size());
    for (const RecordedText& t : codes) {
        EXPECT_EQ(t.strText, "1");
        EXPECT_EQ(t.dblPoints, 8);
        EXPECT_TRUE(expected.count({t.x + 22 - 18, t.y + 82})) << t.x << ',' << t.y;
    }
}

TEST_F(FretBoardTest, OnlyTheRootIsBrighterRed) {
    // C major: every place of C is the root, the other six tones are dark red.
    draw(scaleOn(C, 0, kIonian));
    const std::map<int, std::string> kCodeOfPitch{{0, "1"}, {2, "2"}, {4, "3"}, {5, "4"},
                                                  {7, "5"}, {9, "6"}, {11, "7"}};
    const std::vector<RecordedText> codes = textsInFont("Tahoma", kWhite);
    // Every open string of standard tuning is in C major, so each string has 7 + 1 places.
    ASSERT_EQ(surface.collCircles.size(), 48u);
    ASSERT_EQ(codes.size(), 48u);
    for (std::size_t n = 0; n < codes.size(); ++n) {
        const RecordedCircle& c = surface.collCircles[n];
        const int intString = (c.y - kTop) / 350 + 1;
        const int intFret = (c.x + 275 - kLeft) / kFret;
        const int intPitch = (Globals::Tuning(intString)->Pitch() + intFret) % 12;
        ASSERT_TRUE(kCodeOfPitch.count(intPitch)) << "string " << intString << " fret " << intFret;
        const std::string& strCode = kCodeOfPitch.at(intPitch);
        EXPECT_EQ(codes[n].strText, strCode);
        EXPECT_EQ(c.fill, strCode == "1" ? kRootRed : kDarkRed) << "code " << strCode;
    }
}

TEST_F(FretBoardTest, TuningNamesStandLeftOfEachString) {
    draw(scaleOn(C, 0, kIonian));
    const std::vector<RecordedText> names = textsInFont("Tahoma", kBlack);
    const std::vector<std::string> kStandard{"E", "B", "G", "D", "A", "E"};
    ASSERT_EQ(names.size(), kStandard.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i].strText, kStandard[i]);
        EXPECT_EQ(names[i].x, 228);
        EXPECT_EQ(names[i].y, kTop + static_cast<int>(i) * 350 - 82);
    }
}

TEST_F(FretBoardTest, LeftHandedBoardIsMirrored) {
    Globals::setLeftHand(true);
    draw(scaleOn(E, 0, "1"));
    const std::vector<RecordedLine> frets = verticalLines();
    ASSERT_EQ(frets.size(), 13u);
    const auto nut = std::find_if(frets.begin(), frets.end(),
                                  [](const RecordedLine& l) { return l.intWidth == 3; });
    ASSERT_NE(nut, frets.end());
    EXPECT_EQ(nut->x1, kLeft + 6600);
    EXPECT_EQ(std::count_if(frets.begin(), frets.end(),
                            [](const RecordedLine& l) { return l.intWidth == 3; }),
              1);

    // Numbers still count away from the nut: 12 at the far left, 1 beside the nut.
    const std::vector<RecordedText> numbers = textsInFont("MS Sans Serif", kBlack);
    ASSERT_EQ(numbers.size(), 12u);
    for (int f = 0; f < 12; ++f) {
        EXPECT_EQ(numbers[static_cast<std::size_t>(f)].x, kLeft + f * kFret + 150);
        EXPECT_EQ(numbers[static_cast<std::size_t>(f)].strText, " " + std::to_string(12 - f));
    }

    // Open strings right of the nut, twelfth fret at the far left.
    std::set<std::pair<int, int>> expected;
    for (const auto& [i, f] : kPlacesOfE) {
        expected.insert({kLeft + (13 - f) * kFret - 275, kTop + (i - 1) * 350});
    }
    EXPECT_EQ(circleCentres(), expected);
    EXPECT_TRUE(expected.count({kLeft + 6875, kTop}));
    EXPECT_TRUE(expected.count({kLeft + 275, kTop}));

    for (const RecordedText& t : textsInFont("Tahoma", kBlack)) {
        EXPECT_EQ(t.x, 228); // tuning names stay left
    }
}

TEST_F(FretBoardTest, OpenStringPitchWrapsPastB) {
    // A top string tuned to B: C sounds on its first fret (pitch 11 + 1 wraps to 0).
    auto noteB = std::make_shared<SimpleNote>();
    noteB->setNote("B4");
    Globals::setTuning(1, noteB);
    draw(scaleOn(C, 0, "1"));
    EXPECT_TRUE(circleCentres().count({kLeft + kFret - 275, kTop}));
}

TEST_F(FretBoardTest, HiddenLabelsAreNotPrinted) {
    Globals::setDisplayIntervals(false);
    Globals::setShowTuning(false);
    Globals::setShowFretNumbers(false);
    draw(scaleOn(C, 0, kIonian));
    EXPECT_TRUE(surface.collTexts.empty());
    EXPECT_EQ(surface.collCircles.size(), 48u); // the markers stay
    EXPECT_EQ(surface.collCircles.front().y, kTopWithoutNumbers);
}

TEST_F(FretBoardTest, ScaleWithoutRootShowsTheBareBoard) {
    // At start-up the window draws before any scale is loaded.
    draw(std::make_shared<StandardScale>());
    EXPECT_TRUE(surface.collCircles.empty());
    EXPECT_EQ(textsInFont("Tahoma", kWhite).size(), 0u);
    EXPECT_EQ(textsInFont("Tahoma", kBlack).size(), 6u);
    EXPECT_EQ(surface.collLines.size(), 19u);
}

TEST_F(FretBoardTest, DrawingBeforeResetOrWithoutScaleIsHarmless) {
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.setScaleData(scaleOn(C, 0, kIonian));
    board.drawScaleData();
    EXPECT_TRUE(surface.collCalls.empty());

    FretBoard unset;
    unset.resetFretBoard();
    unset.drawScaleData(); // no surface: nothing to draw on

    FretBoard noScale;
    noScale.setFretBoardPicBox(surface);
    noScale.resetFretBoard();
    noScale.drawScaleData();
    EXPECT_TRUE(surface.collCircles.empty());
    EXPECT_EQ(surface.collLines.size(), 19u);
}

struct OddStringCount {
    const char* strName;
    int16_t intStored;
    std::size_t intDrawn;
};
void PrintTo(const OddStringCount& row, std::ostream* os) {
    *os << row.strName;
}

class FretBoardOddStrings : public FretBoardTest,
                            public ::testing::WithParamInterface<OddStringCount> {};

// The settings store any number; the board keeps to the strings the tuning table has.
TEST_P(FretBoardOddStrings, StringCountIsKeptWithinTheTuningTable) {
    Globals::setNumberOfStrings(GetParam().intStored);
    draw(scaleOn(C, 0, kIonian));
    EXPECT_EQ(horizontalLines().size(), GetParam().intDrawn);
}

INSTANTIATE_TEST_SUITE_P(Stored, FretBoardOddStrings,
                         ::testing::Values(OddStringCount{"Zero", 0, 1},
                                           OddStringCount{"Negative", -3, 1},
                                           OddStringCount{"Eight", 8, 7},
                                           OddStringCount{"Large", 300, 7}),
                         [](const auto& info) { return std::string(info.param.strName); });

} // namespace
