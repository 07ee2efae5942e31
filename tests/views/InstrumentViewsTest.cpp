// The fretboard and keyboard views on the main window's picture, checked against coordinates
// worked out by hand.

#include "Globals.h"
#include "PianoKeyboard.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace {

// Six-string board: twelve frets centred, nut at x 1028, strings 350 apart from y 758.
constexpr int kLeft = 1028;
constexpr int kTop = 758;

TEST(FretBoard, StringsShareTheBoardHeightBelowTheNumberRow) {
    // Stored string count, strings drawn, their distance, top string. Without the number row the
    // board moves up by its 120 twips; a count beyond the tuning table draws seven.
    const int rows[][4]{
        {3, 3, 700, kTop}, {5, 5, 420, kTop}, {7, 7, 300, kTop - 120}, {8, 7, 300, kTop}};
    for (const auto& [stored, drawn, distance, top] : rows) {
        Globals::setDefaultSettings();
        Globals::setNumberOfStrings(int16_t(stored));
        Globals::setShowFretNumbers(top == kTop);
        std::vector<RecordedLine> expected;
        const int bottom = top + (drawn - 1) * distance;
        for (int x = kLeft; x <= kLeft + 6600; x += 550) {
            expected.push_back({x, top, x, bottom, x == kLeft ? 3 : 2}); // a heavier nut
        }
        for (int y = top; y <= bottom; y += distance) {
            expected.push_back({kLeft, y, kLeft + 6600, y, 2});
        }
        EXPECT_EQ(Board().surface.lines, expected) << stored;
    }
}

// E and its minor second F on standard tuning (E B G D A E): string, fret, whether the root.
// Markers sit mid-space, 753 + 550 x fret; left-handed the board is mirrored (7903 - 550 x fret),
// fret numbers still counting away from the nut, tuning names still on the left. Codes are
// centred and nudged right by 18: half of 45 x 165 twips ("1") is 22 x 82, half of 91 ("b2") 46.
TEST(FretBoard, TonesAreMarkedWhereverTheyFall) {
    const std::tuple<int, int, bool> places[]{
        {1, 0, true},  {1, 1, false},  {1, 12, true}, {2, 5, true},  {2, 6, false},
        {3, 9, true},  {3, 10, false}, {4, 2, true},  {4, 3, false}, {5, 7, true},
        {5, 8, false}, {6, 0, true},   {6, 1, false}, {6, 12, true}};
    for (const bool left : {false, true}) {
        Globals::setDefaultSettings();
        Globals::setLeftHand(left);
        const Board drawn("1,b2");
        const int nut = left ? 7628 : kLeft; // drawn first
        EXPECT_EQ(drawn.surface.lines[0], (RecordedLine{nut, kTop, nut, kTop + 1750, 3}));
        std::vector<RecordedCircle> circles;
        std::set<std::tuple<std::string, int, int, bool>> placed, printed; // text, x, y, white
        for (const auto& [string, fret, root] : places) {
            const int x = left ? 7903 - 550 * fret : 753 + 550 * fret;
            const int y = kTop + (string - 1) * 350;
            circles.push_back(
                {x, y, 150, kBlack, root ? RgbColor{153, 0, 0} : RgbColor{102, 0, 0}});
            placed.insert({root ? "1" : "b2", x - (root ? 22 : 46) + 18, y - 82, true});
            EXPECT_EQ(drawn.board.markerCentre({string, fret}), (PicturePoint{x, y}));
        }
        EXPECT_EQ(drawn.surface.circles, circles) << "left-handed " << left;
        for (int n = 0; n < 6; ++n) {
            placed.insert({std::string(1, "EBGDAE"[n]), 228, kTop + n * 350 - 82, false});
        }
        for (int n = 0; n < 12; ++n) {
            const std::string number =
                std::string(" ").append(std::to_string(left ? 12 - n : n + 1));
            placed.insert({number, 1178 + 550 * n, 258, false});
        }
        for (const auto& [text, x, y, color] : drawn.surface.texts) {
            printed.insert({text, x, y, color == kWhite});
        }
        EXPECT_EQ(printed, placed) << "left-handed " << left;
    }
}

// Where a click's string and fret space end: half a string distance beyond the outer strings,
// the nut line with the first fret, the open space 550 wide beyond the nut.
TEST(FretBoard, ClicksOnTheEdgesOfTheBoard) {
    const std::tuple<bool, int, int, std::optional<FretPosition>> rows[]{
        {false, 1028, 1500, FretPosition{3, 1}}, {false, 1027, 1500, FretPosition{3, 0}},
        {false, 478, 758, FretPosition{1, 0}},   {false, 477, 758, std::nullopt},
        {false, 7627, 758, FretPosition{1, 12}}, {false, 7628, 758, std::nullopt},
        {false, 1303, 583, FretPosition{1, 1}},  {false, 1303, 582, std::nullopt},
        {false, 1303, 2682, FretPosition{6, 1}}, {false, 1303, 2683, std::nullopt},
        {true, 1028, 758, FretPosition{1, 12}},  {true, 1027, 758, std::nullopt},
        {true, 8177, 758, FretPosition{1, 0}},   {true, 8178, 758, std::nullopt}};
    EXPECT_EQ(FretBoard().positionAt(753, 758), std::nullopt) << "before drawing";
    for (const auto& [left, x, y, position] : rows) {
        Globals::setDefaultSettings();
        Globals::setLeftHand(left);
        EXPECT_EQ(Board().board.positionAt(x, y), position) << x << ", " << y;
    }
}

// Three-octave keyboard: white key k (1..21, C3 = 1) spans 878 + 300k up to the next key, 1800
// long from y 788; black keys 120 wide and 1200 long sit on the boundary right of C, D, F, G, A.
constexpr int kKeysTop = 788;
constexpr auto whiteKeyX = [](int k) { return 878 + 300 * k + 150; };
constexpr auto blackKeyX = [](int k) { return 878 + 300 * (k + 1); };

struct Keyboard : ::testing::Test {
    Keyboard() {
        Globals::setDefaultSettings();
        keyboard.setPianoPicBox(surface);
        keyboard.resetPianoKeyboard();
    }
    void show(const char* name, const std::string& code = "", RgbColor color = kBlack) {
        SimpleNote note;
        note.setNote(name);
        keyboard.showNote(note, code, color);
    }
    RecordingSurface surface;
    PianoKeyboard keyboard;
};

// Fifteen black keys right of C, D, F, G and A. Discs on white keys (radius 60, 1575 down) and
// black ones (50, 900 down) of octaves 3 to 5: B2 and C6 lie outside the keys; black turns
// white on a black key.
TEST_F(Keyboard, BlackKeysAndDiscsOnKeysOfOctavesThreeToFive) {
    EXPECT_EQ(surface.lines[0], (RecordedLine{1178, kKeysTop, 1178, 2588, 2})); // left edge
    std::vector<RecordedBox> boxes;
    for (const int k : {1, 2, 4, 5, 6, 8, 9, 11, 12, 13, 15, 16, 18, 19, 20}) {
        boxes.push_back({blackKeyX(k) - 60, kKeysTop, blackKeyX(k) + 60, 1988, kBlack});
    }
    EXPECT_EQ(surface.boxes, boxes);
    for (const char* name : {"B2", "C3", "C#3", "Eb3", "F#3", "Ab3", "Bb4", "C6"}) {
        show(name);
    }
    show("B5", "", RgbColor{200, 0, 0});
    const int white = kKeysTop + 1575, black = kKeysTop + 900;
    std::vector<RecordedCircle> expected{{whiteKeyX(1), white, 60, kBlack, kBlack}};
    for (const int k : {1, 2, 4, 5, 13}) {
        expected.push_back({blackKeyX(k), black, 50, kWhite, kWhite});
    }
    expected.push_back({whiteKeyX(21), white, 60, {200, 0, 0}, {200, 0, 0}});
    EXPECT_EQ(surface.circles, expected);
}

// Names and codes centred on the key: half of a 45 or 91 twips wide text is 22 or 46. Rows 1920
// and 2130 below the top of the keys, 320 and 560 above it; a name moves the code out. Drawn
// "one octave higher", the scale C Eb A puts its sixth on A4 (white key 13). An empty code (D)
// prints nothing.
TEST_F(Keyboard, LabelsStackBelowWhiteAndAboveBlackKeys) {
    Globals::setShowIntervals(true);
    Globals::setKeyboardOctave(0);
    keyboard.setScaleData(scaleOn("C3", "1,b3,6"));
    const int c = whiteKeyX(1) - 22, eb = blackKeyX(2) - 46, a = whiteKeyX(13) - 22;
    const int below = 2708, above = 468;
    const std::vector<RecordedText> withNames{
        {"C", c, below, kBlack},      {"1", c, below + 210, kBlack},
        {"Eb", eb, above, kBlack},    {"b3", eb, above - 240, kBlack},
        {"A", a, below, kBlack},      {"6", a, below + 210, kBlack},
        {"D", c + 300, below, kBlack}};
    const std::vector<RecordedText> codesOnly{
        {"1", c, below, kBlack}, {"b3", eb, above, kBlack}, {"6", a, below, kBlack}};
    for (const bool names : {true, false}) {
        Globals::setShowNoteNames(names);
        surface.texts.clear();
        keyboard.drawScaleData();
        show("D3");
        EXPECT_EQ(surface.texts, names ? withNames : codesOnly);
    }
}

TEST_F(Keyboard, ClicksFindTheKeyWithBlackKeysOnTop) {
    // Point, then the key's name with octave, "" for none.
    const std::tuple<int, int, const char*> rows[]{
        {1328, 2363, "C3"},  {1478, 1688, "Db3"}, {1478, 1989, "D3"}, {1538, 1000, "Db3"},
        {1539, 1000, "D3"},  {2078, 1000, "F3"},  {3400, 2000, "C4"}, {5078, 1000, "Bb4"},
        {7178, 1000, "Bb5"}, {7300, 1000, "B5"},  {1177, 2000, ""},   {7478, 2000, ""},
        {1328, 787, ""},     {1328, 2588, "C3"},  {1328, 2589, ""}};
    EXPECT_EQ(PianoKeyboard().keyAt(1328, 2363), std::nullopt) << "before drawing";
    for (const auto& [x, y, name] : rows) {
        const std::optional<SimpleNote> key = keyboard.keyAt(x, y);
        EXPECT_EQ(key ? key->getNoteName(true) : "", name) << x << ", " << y;
    }
}

} // namespace
