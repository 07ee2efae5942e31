// Naming chords, finding scales, stacking a scale's chords and reading note names, checked
// against facts worked out by hand from the chord builder's rules and the three catalogues.

#include "../views/ScaleFixtures.h"
#include "ChosenNotes.h"
#include "IdentifyCommands.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testing::AllOf;
using testing::EndsWith;
using testing::StartsWith;

// What the command line prints for typed notes (or, given a scale, for its chords): the lines of
// standard output that start with `start`, tabs shown as "|", each ended by ";"; then standard
// error and the exit status.
std::tuple<std::string, std::string, int> printed(const std::string& notes,
                                                  const std::string& start = "",
                                                  const StandardScale* scale = nullptr) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = scale ? runChordsOf(*scale, out, err) : runIdentify(notes, out, err);
    std::istringstream lines(out.str());
    std::string shown;
    for (std::string line; std::getline(lines, line);) {
        std::replace(line.begin(), line.end(), '\t', '|');
        if (line.starts_with(start)) {
            shown += line + ';';
        }
    }
    return {shown, err.str(), status};
}

// The printed lines alone, the chord lines unless told otherwise.
std::string rowsOf(const std::string& notes, const std::string& start = "chord") {
    return std::get<0>(printed(notes, start));
}

TEST(Identify, NamesEveryBuildOfTheNotesBassFirst) {
    const std::pair<const char*, const char*> rows[]{
        // C E G: no other root reaches these notes (no whole step among them, one fifth).
        {"C E G", "chord|C|||;"},
        // D F A C: D m7, and from F the major triad with a sixth; from C and A no build.
        {"D F A C", "chord|D|m7||;chord|F|6||;"},
        {"F A C D", "chord|F|6||;chord|D|m7||;"},
        // Four minor thirds: o6 and o7 from every member, both spellings of the black keys.
        {"C Eb Gb A", "chord|C|o6||;chord|C|o7||;chord|D#|o6||;chord|D#|o7||;chord|Eb|o6||;"
                      "chord|Eb|o7||;chord|F#|o6||;chord|F#|o7||;chord|Gb|o6||;chord|Gb|o7||;"
                      "chord|A|o6||;chord|A|o7||;"},
        {"C E G# B", "chord|C|maj7#5||;"}, // b13 on it would repeat G#
        {"G A D", "chord|G|sus2||;chord|D|sus4||;"},
        {"C", ""},
    };
    for (const auto& [notes, chords] : rows) {
        EXPECT_EQ(rowsOf(notes), chords) << notes;
    }
}

TEST(Identify, FindsTheScalesHoldingTheNotesFewestExtrasFirst) {
    // One note: the power chord first, on C and on F; Ionian on seven roots, both spellings.
    EXPECT_THAT(rowsOf("C", ""), StartsWith("scale|C|5|3|G;scale|F|5|3|F;"));
    EXPECT_EQ(rowsOf("C", "scale|C#|Ionian|1|"), "scale|C#|Ionian|1|C# D# F F# G# A#;");
    EXPECT_EQ(rowsOf("C", "scale|Bb|Ionian|1|"), "scale|Bb|Ionian|1|Bb D Eb F G A;");
    // C Eb Gb A: "dim" is the only exact entry, on six roots, before those with extras.
    EXPECT_THAT(rowsOf("C Eb Gb A", "scale"),
                StartsWith("scale|C|dim|3|;scale|D#|dim|3|;scale|Eb|dim|3|;scale|F#|dim|3|;"
                           "scale|Gb|dim|3|;scale|A|dim|3|;scale|"));
    // All twelve: no chord, only the chromatic scale on each root. Eleven: its one extra note
    // spelled as each root's chromatic scale spells it.
    const std::string all = rowsOf("C C# D D# E F F# G G# A A# B", "");
    EXPECT_EQ(std::count(all.begin(), all.end(), ';'), 17);
    EXPECT_THAT(all, AllOf(StartsWith("scale|C|Chromatic|3|;"), EndsWith("|B|Chromatic|3|;")));
    EXPECT_EQ(rowsOf("C C# D D# E F G G# A A# B", "scale|C|"), "scale|C|Chromatic|3|Gb;");
    EXPECT_EQ(rowsOf("C C# D D# E F G G# A A# B", "scale|D|"), "scale|D|Chromatic|3|F#;");
    // An entry listed twice in a catalogue gives one row: "7" in 3, Major Pentatonic in 2.
    EXPECT_EQ(rowsOf("C E G Bb", "scale|C|7|"), "scale|C|7|3|;");
    EXPECT_EQ(rowsOf("C D E G A", "scale|C|Major Pentatonic|2"), "scale|C|Major Pentatonic|2|;");
}

TEST(Identify, ReadsTheSeventeenNamesInEitherCaseAndRefusesOthers) {
    // Blanks, commas and tabs; "bb" is B flat, the bass, so A# 7 and Bb 7 come first.
    EXPECT_EQ(rowsOf("  bb d,f\tab "), "chord|A#|7||;chord|Bb|7||;");
    EXPECT_EQ(parseNoteNames("C c C").collRoots,
              std::vector<int>{0}); // a name given twice counts once
    const std::string names =
        " (use C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G#, Ab, A, A#, Bb, B)\n";
    // No C flat, E sharp, F flat or B sharp in the program; the flat is a small "b".
    for (const char* unknown : {"Cb", "E#", "Fb", "B#", "H", "Dx", "DB", "7"}) {
        EXPECT_EQ(printed(std::string("C ") + unknown + " G"),
                  std::tuple("", "Unknown note name: \"" + std::string(unknown) + '"' + names, 2));
    }
    EXPECT_EQ(printed(" , "), std::tuple("", "No notes given: name them, e.g. \"D F A C\"\n", 2));
}

// Picked places: instrument, string, fret, and the pitch sounding (octave x 12 + pitch class).
TEST(Identify, ChosenNotesAreNamedFromTheLowestAndFollowTheBoard) {
    ChosenNotes notes;
    // C major in open position: C3 on string 5 fret 3, E3, G3 open, C4 on string 2 fret 1.
    for (const PickedNote& note : {PickedNote{1, 5, 3, 36}, PickedNote{1, 4, 2, 40},
                                   PickedNote{1, 3, 0, 43}, PickedNote{1, 2, 1, 48}}) {
        notes.toggle(note);
    }
    EXPECT_EQ(notes.text() + " bass " + std::to_string(notes.bass()), "C E G bass 0");
    notes.toggle({1, 5, 3, 36}); // off again: the C an octave up stays, above E3
    EXPECT_EQ(notes.text() + " bass " + std::to_string(notes.bass()), "E G C bass 4");
    // String 4 tuned a tone down sounds D3 at fret 2; then three strings: string 4 goes.
    notes.retune(1, 5, {0, 52, 47, 43, 36, 33, 0, 0});
    EXPECT_EQ(notes.text(), "D G C");
    notes.retune(1, 3, {0, 52, 47, 43, 36, 33, 0, 0});
    EXPECT_EQ(notes.text(), "G C");
    notes.toggle({2, 0, 58, 58}); // Bb4 on the keyboard reads flat; the keyboard drops the board
    notes.retune(2, 6, {});
    EXPECT_EQ(notes.text() + " bass " + std::to_string(notes.bass()), "Bb bass 10");
}

// The chords of a scale stacked in its own thirds: numeral, triad, four-note chord.
TEST(Identify, ChordsOfAScaleStackItsOwnThirds) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[]{
        {"C", "Ionian", "1,2,3,4,5,6,7",
         "I|C|C maj7;II|D m|D m7;III|E m|E m7;IV|F|F maj7;V|G|G 7;VI|A m|A m7;VII|B o|B m7b5;"},
        {"A", "HM1", "1,2,b3,4,5,b6,7",
         "I|A m|A mmaj7;II|B o|B m7b5;III|C +|C maj7#5;IV|D m|D m7;V|E|E 7;VI|F|F maj7;"
         "VII|G# o|G# o7;"},
        // No E#: the seventh is spelled F and still stacks as F G# B D#.
        {"F#", "Ionian", "1,2,3,4,5,6,7",
         "I|F#|F# maj7;II|G# m|G# m7;III|A# m|A# m7;IV|B|B maj7;V|C#|C# 7;VI|D# m|D# m7;"
         "VII|F o|F m7b5;"},
        // "#2" lies on degree 2: C D# E F# G A B.
        {"C", "Lydian #9", "1,#2,3,#4,5,6,7",
         "I|C|C maj7;II|D# o|D# o7;III|E m|E mmaj7;IV|F# o|F# m7b5;V|G +|G maj7#5;VI|A m|A m7;"
         "VII|B|B 7;"},
        // C D E F G Ab A (as Bbb): C E G Bbb sounds as C 6 but is no four-note build; E G A,
        // G A D and A D F have no third or fifth where the letters put one.
        {"C", "custom", "1,2,3,4,5,b6,bb7",
         "I|C|-;II|D o|D m7b5;III|-|-;IV|F m|F mmaj7;V|-|-;VI|Ab +|Ab maj7#5;VII|-|-;"},
        // Not one note on each degree: five notes; two fifths and no sixth.
        {"C", "Major Pentatonic", "1,2,3,5,6", ""},
        {"C", "Double Harmonic", "1,b2,3,4,5,#5,7", ""},
    };
    for (const auto& [rootName, name, intervals, lines] : rows) {
        const std::string none = std::string("C ") + name +
                                 " has no chords in thirds: it needs exactly one note on each "
                                 "degree 1 to 7.;";
        EXPECT_EQ(printed("", "", scaleOn(rootName, intervals, name).get()),
                  std::tuple(*lines != 0 ? lines : none, "", 0))
            << name;
    }
}

} // namespace
