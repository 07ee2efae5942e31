#include "FretBoard.h"

#include "Globals.h"
#include "RecordingSurface.h"
#include "ScaleFixtures.h"

#include <gtest/gtest.h>
#include <set>

// Six-string board on the main window's picture: twelve frets centred, numbers above.
constexpr int kLeft = 1028;
constexpr int kTop = 758;

// Draws a scale the way the main window redraws: a fresh board, reset, then the scale.
static RecordingSurface drawn(std::shared_ptr<const StandardScale> scale) {
    RecordingSurface surface;
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.resetFretBoard();
    board.setScaleData(std::move(scale));
    board.drawScaleData();
    return surface;
}

TEST(FretBoardLayout, StringsShareTheBoardHeightBelowTheNumberRow) {
    const struct {
        const char* strName;
        int intStored, intDrawn, intDistance, intTop;
    } kRows[]{{"ThreeStrings", 3, 3, 700, kTop},
              {"FourStringBass", 4, 4, 525, kTop},
              {"FiveStringBanjo", 5, 5, 420, kTop},
              {"SixStringGuitar", 6, 6, 350, kTop},
              {"SevenStringGuitar", 7, 7, 300, kTop},
              // Without the number row (top at kTop) the board moves up by its 120 twips.
              {"GuitarWithoutNumbers", 6, 6, 350, kTop - 120},
              // A stored count beyond the tuning table is kept within it.
              {"EightStoredDrawsSeven", 8, 7, 300, kTop}};
    for (const auto& row : kRows) {
        Globals::setDefaultSettings();
        Globals::setNumberOfStrings(int16_t(row.intStored));
        Globals::setShowFretNumbers(row.intTop == kTop);
        std::vector<RecordedLine> expected;
        const int intBottom = row.intTop + (row.intDrawn - 1) * row.intDistance;
        for (int x = kLeft; x <= kLeft + 6600; x += 550) {
            expected.push_back({x, row.intTop, x, intBottom, x == kLeft ? 3 : 2}); // a heavier nut
        }
        for (int y = row.intTop; y <= intBottom; y += row.intDistance) {
            expected.push_back({kLeft, y, kLeft + 6600, y, 2});
        }
        EXPECT_EQ(drawn(scaleOn("C3", "1")).lines, expected) << row.strName;
    }
}

// E and its minor second F on standard tuning (E B G D A E), as string, fret and whether the
// root: both E strings open and at the twelfth fret, F one fret above each E.
// Dark red for scale tones, brighter for the root.
constexpr RgbColor kMarkerRed[]{{102, 0, 0}, {153, 0, 0}};
const std::vector<std::tuple<int, int, bool>> kPlacesOfEAndF{
    {1, 0, true},  {1, 1, false},  {1, 12, true}, {2, 5, true},  {2, 6, false},
    {3, 9, true},  {3, 10, false}, {4, 2, true},  {4, 3, false}, {5, 7, true},
    {5, 8, false}, {6, 0, true},   {6, 1, false}, {6, 12, true}};

// Only the root is brighter red. A left-handed board is mirrored, nut on the right with the
// open strings beyond it and the fret numbers still counting away from the nut; the tuning
// names stay on the left.
TEST(FretBoardHands, TonesAreMarkedWhereverTheyFall) {
    for (const bool boolLeft : {false, true}) {
        Globals::setDefaultSettings();
        Globals::setLeftHand(boolLeft);
        const RecordingSurface surface = drawn(scaleOn("E3", "1,b2"));
        const int intNut = kLeft + (boolLeft ? 6600 : 0); // drawn first
        EXPECT_EQ(surface.lines[0], (RecordedLine{intNut, kTop, intNut, kTop + 1750, 3}));

        // Codes centred on their markers and nudged right by 18: half of 45 x 165 twips ("1") is
        // 22 x 82, half of 91 ("b2") is 46, halves going to even.
        std::vector<RecordedCircle> expected;
        std::set<std::tuple<std::string, int, int, bool>> printed, placed; // text, x, y, white
        for (const auto& [i, f, boolRoot] : kPlacesOfEAndF) {
            const int x = kLeft + (boolLeft ? 13 - f : f) * 550 - 275;
            const int y = kTop + (i - 1) * 350;
            expected.push_back({x, y, 150, kBlack, kMarkerRed[boolRoot]});
            placed.insert({boolRoot ? "1" : "b2", x - (boolRoot ? 22 : 46) + 18, y - 82, true});
        }
        EXPECT_EQ(surface.circles, expected) << "left-handed " << boolLeft;
        for (int n = 0; n < 6; ++n) {
            placed.insert({std::string(1, "EBGDAE"[n]), 228, kTop + n * 350 - 82, false});
        }
        for (int n = 0; n < 12; ++n) {
            placed.insert({std::string(" ").append(std::to_string(boolLeft ? 12 - n : n + 1)),
                           1178 + 550 * n, 258, false});
        }
        for (const auto& [strText, x, y, color] : surface.texts) {
            printed.insert({strText, x, y, color == kWhite});
        }
        EXPECT_EQ(printed, placed) << "left-handed " << boolLeft;
    }
}
