#include "SimpleNote.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

SimpleNote noteOf(int16_t pitch, int16_t octave, int16_t sign) {
    SimpleNote note;
    note.setPitch(pitch);
    note.setOctave(octave);
    note.setSign(sign);
    return note;
}

SimpleNote parsed(const std::string& text) {
    SimpleNote note;
    note.setNote(text);
    return note;
}

SimpleNote fromButtons(int16_t index, int16_t add) {
    SimpleNote note;
    note.setPitchFromButtons(index, add);
    return note;
}

// Pitch, octave and sign in one readable value, so a failing row shows all three.
std::string describe(const SimpleNote& note) {
    return note.getNoteName(true) + " (pitch " + std::to_string(note.Pitch()) + ", octave " +
           std::to_string(note.Octave()) + ", sign " + std::to_string(note.Sign()) + ")";
}

} // namespace

TEST(SimpleNoteTest, NewNoteIsC4WithoutAccidental) {
    const SimpleNote note;
    EXPECT_EQ(note.Pitch(), 0);
    EXPECT_EQ(note.Octave(), 4);
    EXPECT_EQ(note.Sign(), 0);
    EXPECT_FALSE(note.IsFlat());
    EXPECT_EQ(note.getNoteName(), "C");
    EXPECT_EQ(note.getNoteName(true), "C4");
    EXPECT_EQ(note.getCircleOfFifthsPosition(), 0);
}

struct ButtonRow {
    const char* label;
    int16_t index;
    int16_t add;
    int16_t pitch;
    int16_t sign;
    const char* name;
    int16_t fifths;
};

// Every root the letter and accidental buttons can make. The key side follows the spelling:
// D#, G# and A# fall back to position 0, the flat names sit on the negative side.
const ButtonRow kButtonRows[] = {
    {"C", 0, 0, 0, 0, "C", 0},    {"C#", 0, 1, 1, 1, "C#", 7},   {"D", 1, 0, 2, 0, "D", 2},
    {"Db", 1, 2, 1, 2, "Db", -5}, {"D#", 1, 1, 3, 1, "D#", 0},   {"E", 2, 0, 4, 0, "E", 4},
    {"Eb", 2, 2, 3, 2, "Eb", -3}, {"F", 3, 0, 5, 0, "F", -1},    {"F#", 3, 1, 6, 1, "F#", 6},
    {"G", 4, 0, 7, 0, "G", 1},    {"Gb", 4, 2, 6, 2, "Gb", -6},  {"G#", 4, 1, 8, 1, "G#", 0},
    {"A", 5, 0, 9, 0, "A", 3},    {"Ab", 5, 2, 8, 2, "Ab", -4},  {"A#", 5, 1, 10, 1, "A#", 0},
    {"B", 6, 0, 11, 0, "B", 5},   {"Bb", 6, 2, 10, 2, "Bb", -2},
};

TEST(SimpleNoteTest, ButtonsGiveSeventeenRootsInOctaveThree) {
    // One note reused for every row, so state left over from the previous root would show.
    SimpleNote note = noteOf(6, 5, 1);
    for (const ButtonRow& row : kButtonRows) {
        SCOPED_TRACE(row.label);
        note.setPitchFromButtons(row.index, row.add);
        EXPECT_EQ(note.Pitch(), row.pitch);
        EXPECT_EQ(note.Octave(), 3);
        EXPECT_EQ(note.Sign(), row.sign);
        EXPECT_EQ(note.IsFlat(), row.sign == 2);
        EXPECT_EQ(note.getNoteName(), row.name);
        EXPECT_EQ(note.getNoteName(true), std::string(row.name) + "3");
        EXPECT_EQ(note.getCircleOfFifthsPosition(), row.fifths);
    }
}

TEST(SimpleNoteTest, NamesAndKeySideFollowSignOnlyOnBlackKeys) {
    struct Row {
        const char* label;
        int16_t pitch;
        int16_t sign;
        const char* name;
        int16_t fifths;
    };
    const Row rows[] = {
        // Without an accidental a black key is named flat but counts as the sharp side.
        {"Gb unsigned", 6, 0, "Gb", 0},
        {"Db unsigned", 1, 0, "Db", 0},
        {"Bb unsigned", 10, 0, "Bb", 0},
        {"Eb unsigned", 3, 0, "Eb", 0},
        {"Ab unsigned", 8, 0, "Ab", 0},
        // Any sign other than 1 spells flat.
        {"sign 5 on pitch 10", 10, 5, "Bb", 0},
        // A white key is its letter whatever the sign says, and keeps its fixed position.
        {"F with sharp sign", 5, 1, "F", -1},
        {"B with flat sign", 11, 2, "B", 5},
        {"C with flat sign", 0, 2, "C", 0},
        {"E with sharp sign", 4, 1, "E", 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const SimpleNote note = noteOf(row.pitch, 4, row.sign);
        EXPECT_EQ(note.getNoteName(), row.name);
        EXPECT_EQ(note.getCircleOfFifthsPosition(), row.fifths);
    }
}

TEST(SimpleNoteTest, ExplicitPitchArgumentDoesNotChangeThePosition) {
    // D is two fifths up; the optional argument must not be taken for the pitch.
    const SimpleNote d = fromButtons(1, 0);
    EXPECT_EQ(d.getCircleOfFifthsPosition(5), 2);
    EXPECT_EQ(d.getCircleOfFifthsPosition(10), 2);
}

TEST(SimpleNoteTest, PitchOutsideTheOctaveHasAnEmptyName) {
    EXPECT_EQ(noteOf(12, 4, 0).getNoteName(), "");
    EXPECT_EQ(noteOf(-1, 4, 1).getNoteName(), "");
    EXPECT_EQ(noteOf(100, 4, 2).getNoteName(true), "4");
}

TEST(SimpleNoteTest, SetNoteParsesLetterAccidentalAndOctave) {
    struct Row {
        const char* text;
        int16_t pitch;
        int16_t octave;
        int16_t sign;
        const char* nameWithOctave;
    };
    const Row rows[] = {
        {"E3", 4, 3, 0, "E3"},   {"Bb", 10, 3, 2, "Bb3"}, // no digit: octave 3
        {"F#3", 6, 3, 1, "F#3"}, {"Ab5", 8, 5, 2, "Ab5"}, {"G", 7, 3, 0, "G3"},
        {"D9", 2, 9, 0, "D9"},   {"B#3", 0, 3, 1, "C3"}, // B sharp is held as C, in the same octave
        {"Cb4", 11, 4, 2, "B4"},                         // C flat is held as B, in the same octave
        {"C10", 0, 0, 0, "C0"}, // only the last character is read as the octave
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        // Start from D#5 so that any field the parser forgets to set shows.
        SimpleNote note = noteOf(3, 5, 1);
        note.setNote(row.text);
        EXPECT_EQ(note.Pitch(), row.pitch);
        EXPECT_EQ(note.Octave(), row.octave);
        EXPECT_EQ(note.Sign(), row.sign);
        EXPECT_EQ(note.getNoteName(true), row.nameWithOctave);
    }
    EXPECT_TRUE(parsed("Bb").IsFlat());
    EXPECT_FALSE(parsed("A#3").IsFlat());
}

TEST(SimpleNoteTest, SetNoteWithUnknownLetterKeepsPitchButResetsTheRest) {
    SimpleNote lowerCase = noteOf(3, 5, 1); // D#5
    lowerCase.setNote("c4");
    EXPECT_EQ(lowerCase.Pitch(), 3);
    EXPECT_EQ(lowerCase.Octave(), 4);
    EXPECT_EQ(lowerCase.Sign(), 0);
    EXPECT_EQ(lowerCase.getNoteName(true), "Eb4");

    SimpleNote empty = noteOf(9, 5, 1); // A5
    empty.setNote("");
    EXPECT_EQ(empty.Pitch(), 9);
    EXPECT_EQ(empty.Octave(), 3);
    EXPECT_EQ(empty.Sign(), 0);
}

TEST(SimpleNoteTest, MajorScaleDegreesAreSpelledInTheNotesKey) {
    struct Row {
        const char* reading;
        const char* root;
        int16_t degree;
        const char* expected;
        int16_t sign;
    };
    const Row rows[] = {
        {"D major: the third is F#", "D3", 3, "F#3", 1},
        {"F major: the fourth is Bb", "F3", 4, "Bb3", 2},
        {"B major: the second is C# in the next octave", "B3", 2, "C#4", 1},
        {"C# major: the seventh B# is held as C4", "C#3", 7, "C4", 0},
        {"Gb major: the fourth Cb is held as B3", "Gb3", 4, "B3", 0},
        {"C major: the fifth is G", "C3", 5, "G3", 0},
        {"C major: the sixth is A", "C3", 6, "A3", 0},
        {"Eb major: the sixth C crosses the octave", "Eb3", 6, "C4", 0},
        {"Ab major: the second is Bb", "Ab3", 2, "Bb3", 2},
        {"A major: the seventh is G#", "A3", 7, "G#4", 1},
        {"E major: the seventh is D#", "E3", 7, "D#4", 1},
        {"D# counts as sharp side: its fourth is G#", "D#3", 4, "G#3", 1},
        {"Db major: the fifth is Ab", "Db3", 5, "Ab3", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        const SimpleNote root = parsed(row.root);
        const SimpleNote degree = root.getNoteStandardScale(row.degree);
        EXPECT_EQ(degree.getNoteName(true), row.expected);
        EXPECT_EQ(degree.Sign(), row.sign);
        EXPECT_EQ(root, parsed(row.root)) << "the root must stay as it was";
    }
}

TEST(SimpleNoteTest, UnsignedBlackKeyRootSpellsItsDegreesSharp) {
    // Pitch 6 without accidental is named Gb but sits at position 0, so its second is G#.
    const SimpleNote root = noteOf(6, 3, 0);
    EXPECT_EQ(root.getNoteStandardScale(2).getNoteName(), "G#");
}

TEST(SimpleNoteTest, PositionsOutsideTwoToSevenGiveTheNoteItself) {
    const SimpleNote gFlat = noteOf(6, 3, 2);
    for (int16_t position : {1, 8, 0, -1, 100}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(gFlat.getNoteStandardScale(position), gFlat);
    }
}

TEST(SimpleNoteTest, DoModificationAltersInPlace) {
    struct Row {
        const char* reading;
        SimpleNote before;
        int16_t type;
        SimpleNote after;
    };
    const Row rows[] = {
        {"lower C4 to B3, a white key", noteOf(0, 4, 0), 1, noteOf(11, 3, 0)},
        {"lower D to Db", noteOf(2, 4, 0), 1, noteOf(1, 4, 2)},
        {"lower F# to F", noteOf(6, 4, 1), 1, noteOf(5, 4, 0)},
        {"lower C of Bb major to B (lowered second)", noteOf(0, 4, 0), 1, noteOf(11, 3, 0)},
        {"raise B3 to C4", noteOf(11, 3, 0), 3, noteOf(0, 4, 0)},
        {"raise C to C#", noteOf(0, 4, 0), 3, noteOf(1, 4, 1)},
        {"raise Bb to B", noteOf(10, 3, 2), 3, noteOf(11, 3, 0)},
        {"raise Eb to E", noteOf(3, 4, 2), 3, noteOf(4, 4, 0)},
        {"lower twice D# keeps sharp: C# (diminished seventh of E)", noteOf(3, 4, 1), 4,
         noteOf(1, 4, 1)},
        {"lower twice Eb keeps flat: Db", noteOf(3, 4, 2), 4, noteOf(1, 4, 2)},
        {"lower twice C4 to pitch 10 in octave 3, sign kept", noteOf(0, 4, 0), 4, noteOf(10, 3, 0)},
        {"lower twice C#4 to B3", noteOf(1, 4, 1), 4, noteOf(11, 3, 1)},
        {"type 2 changes nothing", noteOf(6, 4, 1), 2, noteOf(6, 4, 1)},
        {"type 0 changes nothing", noteOf(6, 4, 1), 0, noteOf(6, 4, 1)},
        {"type 5 changes nothing", noteOf(0, 4, 0), 5, noteOf(0, 4, 0)},
        {"type -1 changes nothing", noteOf(0, 4, 0), -1, noteOf(0, 4, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        SimpleNote note = row.before;
        note.doModification(row.type);
        EXPECT_EQ(describe(note), describe(row.after));
    }
}

TEST(SimpleNoteTest, AddHalftonesMakesANewUnsignedNote) {
    struct Row {
        const char* reading;
        SimpleNote start;
        int16_t steps;
        SimpleNote expected;
    };
    const Row rows[] = {
        {"A#3 plus a whole tone is C4", noteOf(10, 3, 1), 2, noteOf(0, 4, 0)},
        {"B3 plus a semitone is C4", noteOf(11, 3, 0), 1, noteOf(0, 4, 0)},
        {"E3 plus a semitone is F3", noteOf(4, 3, 0), 1, noteOf(5, 3, 0)},
        {"Bb3 plus a semitone is B3", noteOf(10, 3, 2), 1, noteOf(11, 3, 0)},
        {"C#3 plus a whole tone is pitch 3 without accidental", noteOf(1, 3, 1), 2,
         noteOf(3, 3, 0)},
        {"G#3 plus nothing loses its sharp", noteOf(8, 3, 1), 0, noteOf(8, 3, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        const SimpleNote original = row.start;
        const SimpleNote result = original.AddHalftones(row.steps);
        EXPECT_EQ(describe(result), describe(row.expected));
        EXPECT_EQ(original, row.start);
    }
}

TEST(SimpleNoteTest, StandardSignFollowsTheRootsKeySide) {
    struct Row {
        const char* reading;
        SimpleNote note;
        SimpleNote root;
        int16_t sign;
        const char* name;
    };
    const Row rows[] = {
        {"key of F: pitch 10 is Bb", noteOf(10, 3, 0), fromButtons(3, 0), 2, "Bb"},
        {"key of C: pitch 6 is F#", noteOf(6, 3, 2), fromButtons(0, 0), 1, "F#"},
        {"key of G: pitch 1 is C#", noteOf(1, 3, 0), fromButtons(4, 0), 1, "C#"},
        {"key of D#: pitch 3 is D#", noteOf(3, 3, 2), fromButtons(1, 1), 1, "D#"},
        {"key of Eb: pitch 3 is Eb", noteOf(3, 3, 1), fromButtons(2, 2), 2, "Eb"},
        {"key of Db: pitch 8 is Ab", noteOf(8, 3, 1), fromButtons(1, 2), 2, "Ab"},
        {"key of A: pitch 1 is C#", noteOf(1, 3, 2), fromButtons(5, 0), 1, "C#"},
        {"unsigned Gb root counts as sharp side", noteOf(1, 3, 0), noteOf(6, 3, 0), 1, "C#"},
        {"key of F: a white key loses any sign", noteOf(4, 3, 1), fromButtons(3, 0), 0, "E"},
        {"key of E: a white key loses any sign", noteOf(0, 3, 2), fromButtons(2, 0), 0, "C"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        SimpleNote note = row.note;
        note.setStandardSign(row.root);
        EXPECT_EQ(note.Sign(), row.sign);
        EXPECT_EQ(note.getNoteName(), row.name);
        EXPECT_EQ(note.Pitch(), row.note.Pitch());
        EXPECT_EQ(note.Octave(), row.note.Octave());
    }
}

TEST(SimpleNoteTest, BlackKeysAreTheFiveAccidentalPitches) {
    std::vector<int> black;
    for (int pitch = -1; pitch <= 12; ++pitch) {
        if (SimpleNote::isBlackKey(pitch)) {
            black.push_back(pitch);
        }
    }
    EXPECT_EQ(black, (std::vector<int>{1, 3, 6, 8, 10}));
}
