#include "StandardScale.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

std::shared_ptr<SimpleNote> rootFromButtons(int16_t index, int16_t add) {
    auto root = std::make_shared<SimpleNote>();
    root->setPitchFromButtons(index, add);
    return root;
}

// The notes with their octaves, separated by blanks: "C3 D3 E3".
std::string spelled(const std::vector<SimpleNote>& notes) {
    std::string text;
    for (const SimpleNote& note : notes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += note.getNoteName(true);
    }
    return text;
}

// The scale as the main window sets it up: interval list first, then the root.
StandardScale scaleOn(const std::shared_ptr<SimpleNote>& root, const std::string& intervals) {
    StandardScale scale;
    scale.setScale(intervals);
    scale.setRootNote(root);
    return scale;
}

// All twelve entries of the pitch-interval table, "-" for an empty one.
std::string pitchTable(const StandardScale& scale) {
    std::string text;
    for (int pitch = 0; pitch < 12; ++pitch) {
        const std::string code = scale.getPitchIntervalCode(pitch);
        text += (pitch == 0 ? "" : " ") + (code.empty() ? std::string("-") : code);
    }
    return text;
}

const std::string kMajor = "1,2,3,4,5,6,7";

} // namespace

TEST(StandardScaleTest, SpellsTheExampleScales) {
    struct Row {
        const char* reading;
        int16_t button;
        int16_t add;
        const char* intervals;
        const char* notes;
    };
    const Row rows[] = {
        {"C major: white keys only", 0, 0, "1,2,3,4,5,6,7", "C3 D3 E3 F3 G3 A3 B3"},
        {"F dorian: flat side, b3 and b7 are flats", 3, 0, "1,2,b3,4,5,6,b7",
         "F3 G3 Ab3 Bb3 C4 D4 Eb4"},
        {"E phrygian: the lowered degrees land on white keys", 2, 0, "1,b2,b3,4,5,b6,b7",
         "E3 F3 G3 A3 B3 C4 D4"},
        {"D lydian: #4 of D is G#, the seventh C# crosses the octave", 1, 0, "1,2,3,#4,5,6,7",
         "D3 E3 F#3 G#3 A3 B3 C#4"},
        {"A lydian #9: the #2 of A (B#) is held as C4", 5, 0, "1,#2,3,#4,5,6,7",
         "A3 C4 C#4 D#4 E4 F#4 G#4"},
        {"C diminished seventh: lowered notes are flats, bb7 is A", 0, 0, "1,b3,b5,bb7",
         "C3 Eb3 Gb3 A3"},
        {"E diminished seventh: bb7 of E keeps the sharp of D# and reads C#", 2, 0, "1,3,5,bb7",
         "E3 G#3 B3 C#4"},
        {"Bb: the lowered second C4 becomes B3", 6, 2, "1,b2", "Bb3 B3"},
        {"A#: the raised fifth is F", 5, 1, "1,3,#5", "A#3 D4 F#4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        const StandardScale scale = scaleOn(rootFromButtons(row.button, row.add), row.intervals);
        EXPECT_EQ(spelled(scale.getAllNotes(1)), row.notes);
    }
}

TEST(StandardScaleTest, OctaveTypeMovesDegreesTwoFourAndSix) {
    const auto root = rootFromButtons(0, 0);
    const StandardScale scale = scaleOn(root, kMajor);
    // 0: D, F and A one octave above the others.
    EXPECT_EQ(spelled(scale.getAllNotes(0)), "C3 D4 E3 F4 G3 A4 B3");
    EXPECT_EQ(spelled(scale.getAllNotes(1)), "C3 D3 E3 F3 G3 A3 B3");
    // 2: everything else moves up an octave, so D, F and A are the lower ones.
    EXPECT_EQ(spelled(scale.getAllNotes(2)), "C4 D3 E4 F3 G4 A3 B4");
    EXPECT_EQ(spelled(scale.getAllNotes()), "C3 D3 E3 F3 G3 A3 B3");
}

TEST(StandardScaleTest, OctaveTypeAppliesToAlteredDegreesToo) {
    // Slots b2, #4 and b6 come from degrees 2, 4 and 6 as well.
    const StandardScale scale = scaleOn(rootFromButtons(0, 0), "1,b2,#4,b6");
    EXPECT_EQ(spelled(scale.getAllNotes(0)), "C3 Db4 F#4 Ab4");
    EXPECT_EQ(spelled(scale.getAllNotes(2)), "C4 Db3 F#3 Ab3");
}

TEST(StandardScaleTest, LowerOctaveTypeLeavesTheRootAlone) {
    const auto root = rootFromButtons(1, 0);
    const StandardScale scale = scaleOn(root, kMajor);
    for (int call = 0; call < 3; ++call) {
        scale.getAllNotes(2);
    }
    EXPECT_EQ(root->Octave(), 3);
    EXPECT_EQ(scale.getAllNotes(2).front().getNoteName(true), "D4");
    EXPECT_EQ(spelled(scale.getAllNotes(1)), "D3 E3 F#3 G3 A3 B3 C#4");
}

TEST(StandardScaleTest, MajorScaleOnEveryRootUsesTheRootsKey) {
    struct Row {
        const char* reading;
        int16_t button;
        int16_t add;
        const char* notes;
    };
    const Row rows[] = {
        {"C major: no accidentals", 0, 0, "C3 D3 E3 F3 G3 A3 B3"},
        {"C# major: sharps, E# and B# held as F and C", 0, 1, "C#3 D#3 F3 F#3 G#3 A#3 C4"},
        {"D major: F# and C# are sharps", 1, 0, "D3 E3 F#3 G3 A3 B3 C#4"},
        {"Db major: five flats", 1, 2, "Db3 Eb3 F3 Gb3 Ab3 Bb3 C4"},
        {"D# major: sharp side, Fx and Cx fall back to G and D", 1, 1, "D#3 F3 G3 G#3 A#3 C4 D4"},
        {"E major: four sharps", 2, 0, "E3 F#3 G#3 A3 B3 C#4 D#4"},
        {"Eb major: Bb, Eb and Ab are flats", 2, 2, "Eb3 F3 G3 Ab3 Bb3 C4 D4"},
        {"F major: Bb is a flat", 3, 0, "F3 G3 A3 Bb3 C4 D4 E4"},
        {"F# major: six sharps, E# held as F", 3, 1, "F#3 G#3 A#3 B3 C#4 D#4 F4"},
        {"G major: F# is a sharp", 4, 0, "G3 A3 B3 C4 D4 E4 F#4"},
        {"Gb major: flats, Cb held as B", 4, 2, "Gb3 Ab3 Bb3 B3 Db4 Eb4 F4"},
        {"G# major: sharp side, B# held as C", 4, 1, "G#3 A#3 C4 C#4 D#4 F4 G4"},
        {"A major: C#, F# and G# are sharps", 5, 0, "A3 B3 C#4 D4 E4 F#4 G#4"},
        {"Ab major: four flats", 5, 2, "Ab3 Bb3 C4 Db4 Eb4 F4 G4"},
        {"A# major: sharp side", 5, 1, "A#3 C4 D4 D#4 F4 G4 A4"},
        {"B major: five sharps", 6, 0, "B3 C#4 D#4 E4 F#4 G#4 A#4"},
        {"Bb major: Bb and Eb are flats", 6, 2, "Bb3 C4 D4 Eb4 F4 G4 A4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        const StandardScale scale = scaleOn(rootFromButtons(row.button, row.add), kMajor);
        EXPECT_EQ(spelled(scale.getAllNotes(1)), row.notes);
    }
}

TEST(StandardScaleTest, SetScaleReadsKnownTokensOnly) {
    struct Row {
        const char* reading;
        const char* intervals;
        const char* canonical;
    };
    const Row rows[] = {
        {"the root alone", "1", "1"},
        {"an empty list", "", "1"},
        {"unknown tokens only", "x,y,1x", "1"},
        {"maj9: the parenthesised fifth is no member, 9 is written 2", "1,3,(5),7,9", "1,2,3,7"},
        {"b4 is no token", "1,b2,b3,b4,b5,b6,b7", "1,b2,b3,b5,b6,b7"},
        {"#6 is no token", "1,2,3,#4,#5,#6", "1,2,3,#4,#5"},
        {"a blank before a token hides it", "1, 3,5", "1,5"},
        {"a blank after a token hides it", "1,3 ,5", "1,5"},
        {"upper case is no token", "1,B3,5", "1,5"},
        {"duplicates and aliases count once", "1,3,3,9,2,2", "1,2,3"},
        {"written back in slot order", "7,5,b3,1,9", "1,2,b3,5,7"},
        {"o7 is the canonical bb7", "1,b3,b5,o7", "1,b3,b5,bb7"},
        {"13 is written 6", "1,3,5,13", "1,3,5,6"},
        {"compound names are written as simple ones", "1,b9,#9,11,#11,b13", "1,b2,#2,4,#4,b6"},
        {"a trailing comma adds nothing", "1,3,", "1,3"},
        {"every slot", "1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7",
         "1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        StandardScale scale;
        scale.setScale(row.intervals);
        EXPECT_EQ(scale.getScaleString(0), row.canonical);
        EXPECT_EQ(scale.getScaleString(), row.canonical);
    }
}

TEST(StandardScaleTest, EachTokenSetsItsOwnSlotBit) {
    struct Row {
        const char* token;
        int32_t bit;
    };
    const Row rows[] = {
        {"b2", 1},    {"b9", 1},     {"2", 2},     {"9", 2},     {"#2", 4},     {"#9", 4},
        {"b3", 8},    {"3", 16},     {"4", 32},    {"11", 32},   {"#4", 64},    {"#11", 64},
        {"b5", 128},  {"5", 256},    {"#5", 512},  {"b6", 1024}, {"b13", 1024}, {"6", 2048},
        {"13", 2048}, {"bb7", 4096}, {"o7", 4096}, {"b7", 8192}, {"7", 16384},  {"1", 0},
        {"(5)", 0},   {"b4", 0},     {"#6", 0},    {"", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.token);
        StandardScale scale;
        scale.setScale(row.token);
        EXPECT_EQ(scale.IntervalMask(), row.bit);
    }
}

TEST(StandardScaleTest, SetScaleReplacesThePreviousSet) {
    StandardScale scale;
    scale.setScale(kMajor);
    scale.setScale("1,b3");
    EXPECT_EQ(scale.getScaleString(0), "1,b3");
    scale.setScale("x");
    EXPECT_EQ(scale.IntervalMask(), 0);
}

TEST(StandardScaleTest, OnlyTypeZeroHasAScaleString) {
    StandardScale scale;
    scale.setScale(kMajor);
    EXPECT_EQ(scale.getScaleString(1), "");
    EXPECT_EQ(scale.getScaleString(-1), "");
    EXPECT_EQ(scale.getScaleString(2), "");
}

TEST(StandardScaleTest, HasIntervalAcceptsAliasesAndRejectsNonMembers) {
    StandardScale maj9;
    maj9.setScale("1,3,(5),7,9");
    EXPECT_TRUE(maj9.hasInterval("9"));
    EXPECT_TRUE(maj9.hasInterval("2"));
    EXPECT_TRUE(maj9.hasInterval("3"));
    EXPECT_TRUE(maj9.hasInterval("7"));
    EXPECT_FALSE(maj9.hasInterval("5")); // written in parentheses: optional, not a member
    EXPECT_FALSE(maj9.hasInterval("b7"));
    EXPECT_FALSE(maj9.hasInterval("b9"));

    StandardScale chromatic;
    chromatic.setScale("1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7");
    for (const char* token : {"(5)", "1", "x", "", " 3", "B3", "b4"}) {
        SCOPED_TRACE(token);
        EXPECT_FALSE(chromatic.hasInterval(token));
    }
    EXPECT_TRUE(chromatic.hasInterval("o7"));
    EXPECT_TRUE(chromatic.hasInterval("#11"));
}

TEST(StandardScaleTest, PitchTableOfDMajor) {
    const StandardScale scale = scaleOn(rootFromButtons(1, 0), kMajor);
    // Pitch classes C..B: C# is the seventh, D the root, E the second...
    EXPECT_EQ(pitchTable(scale), "- 7 1 - 2 - 3 4 - 5 - 6");
}

TEST(StandardScaleTest, PitchTableKeepsTheHigherSlotOnSharedPitches) {
    struct Row {
        const char* reading;
        const char* intervals;
        const char* notes;
        const char* table;
    };
    const Row rows[] = {
        {"#2 and b3 share Eb: b3 wins", "1,b3,#2", "C3 D#3 Eb3", "1 - - b3 - - - - - - - -"},
        {"#4 and b5 share Gb: b5 wins", "1,#4,b5", "C3 F#3 Gb3", "1 - - - - - b5 - - - - -"},
        {"#5 and b6 share Ab: b6 wins", "1,#5,b6", "C3 G#3 Ab3", "1 - - - - - - - b6 - - -"},
        {"6 and bb7 share A: bb7 wins", "1,6,bb7", "C3 A3 A3", "1 - - - - - - - - bb7 - -"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        const StandardScale scale = scaleOn(rootFromButtons(0, 0), row.intervals);
        EXPECT_EQ(spelled(scale.getAllNotes(1)), row.notes);
        EXPECT_EQ(pitchTable(scale), row.table);
    }
}

TEST(StandardScaleTest, PitchTableOfTheRootAloneHasOnlyTheRoot) {
    const StandardScale scale = scaleOn(rootFromButtons(5, 2), "1");
    EXPECT_EQ(pitchTable(scale), "- - - - - - - - 1 - - -");
    EXPECT_EQ(spelled(scale.getAllNotes(1)), "Ab3");
}

TEST(StandardScaleTest, PitchOutsideTheTableGivesEmptyCode) {
    const StandardScale scale = scaleOn(rootFromButtons(0, 0), "1,2,3,4,5,6,7");
    for (int pitch : {-1, 12, 100, -12}) {
        SCOPED_TRACE(pitch);
        EXPECT_EQ(scale.getPitchIntervalCode(pitch), "");
    }
}

TEST(StandardScaleTest, RootIsSharedWithTheCaller) {
    const auto root = rootFromButtons(1, 0);
    StandardScale scale = scaleOn(root, kMajor);
    EXPECT_EQ(scale.RootNote(), root);

    // The main window re-roots its own note in place and hands it over again.
    root->setPitchFromButtons(3, 0);
    EXPECT_EQ(spelled(scale.getAllNotes(1)), "F3 G3 A3 Bb3 C4 D4 E4");
    scale.setRootNote(root);
    EXPECT_EQ(pitchTable(scale), "5 - 6 - 7 1 - 2 - 3 4 -");
}

TEST(StandardScaleTest, NewScaleHasNoRootAndEmptyContent) {
    StandardScale scale;
    EXPECT_EQ(scale.Name(), "");
    EXPECT_EQ(scale.DataString(), "");
    EXPECT_EQ(scale.IntervalMask(), 0);
    EXPECT_EQ(scale.RootNote(), nullptr);
    EXPECT_EQ(scale.getScaleString(0), "1");
}

TEST(StandardScaleTest, WithoutRootThereAreNoNotesAndAnEmptyTable) {
    StandardScale scale;
    scale.setScale(kMajor);
    EXPECT_TRUE(scale.getAllNotes(1).empty());
    EXPECT_TRUE(scale.getAllNotes(0).empty());
    EXPECT_TRUE(scale.getAllNotes(2).empty());
    scale.generatePitchIntervalArray();
    EXPECT_EQ(pitchTable(scale), "- - - - - - - - - - - -");
    scale.setRootNote(nullptr);
    EXPECT_EQ(pitchTable(scale), "- - - - - - - - - - - -");
    EXPECT_TRUE(scale.getAllNotes(1).empty());
}
