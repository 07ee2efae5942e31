// Chords of a scale stacked in its own thirds, and the command-line answers, from tables worked
// out by hand.

#include "ScaleChords.h"

#include "ChordScaleIndex.h"
#include "IdentifyCommands.h"
#include "StandardScale.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const ChordScaleIndex& index() {
    static const ChordScaleIndex built;
    return built;
}

StandardScale makeScale(const std::string& strName, const std::string& strIntervals,
                        const char* strRoot) {
    const RootButtons& root = kRoots[static_cast<std::size_t>(rootIndexOf(strRoot))];
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(root.intLetter, root.intAccidental);
    StandardScale scale;
    scale.setScale(strIntervals);
    scale.setName(strName);
    scale.setRootNote(noteRoot);
    return scale;
}

// The command line's text for a scale, and its exit status.
std::pair<std::string, int> chordsOf(const StandardScale& scale) {
    std::ostringstream out;
    std::ostringstream err;
    const int intStatus = runChordsOf(scale, out, err);
    EXPECT_EQ(err.str(), "");
    return {out.str(), intStatus};
}

struct ScaleCase {
    const char* strCase;
    const char* strRoot;
    const char* strIntervals;
    const char* strLines; // numeral, triad, four-note chord per line
};

TEST(ChordsOfScale, StacksTheScalesOwnThirds) {
    const std::vector<ScaleCase> rows{
        {"C Ionian", "C", "1,2,3,4,5,6,7",
         "I\tC\tC maj7\nII\tD m\tD m7\nIII\tE m\tE m7\nIV\tF\tF maj7\nV\tG\tG 7\nVI\tA m\tA m7\n"
         "VII\tB o\tB m7b5\n"},
        {"A harmonic minor", "A", "1,2,b3,4,5,b6,7",
         "I\tA m\tA mmaj7\nII\tB o\tB m7b5\nIII\tC +\tC maj7#5\nIV\tD m\tD m7\nV\tE\tE 7\n"
         "VI\tF\tF maj7\nVII\tG# o\tG# o7\n"},
        {"D Dorian", "D", "1,2,b3,4,5,6,b7",
         "I\tD m\tD m7\nII\tE m\tE m7\nIII\tF\tF maj7\nIV\tG\tG 7\nV\tA m\tA m7\nVI\tB o\tB m7b5\n"
         "VII\tC\tC maj7\n"},
        // No E#: the seventh is spelled F and still stacks as F G# B D#.
        {"F# Ionian", "F#", "1,2,3,4,5,6,7",
         "I\tF#\tF# maj7\nII\tG# m\tG# m7\nIII\tA# m\tA# m7\nIV\tB\tB maj7\nV\tC#\tC# 7\n"
         "VI\tD# m\tD# m7\nVII\tF o\tF m7b5\n"},
        // C D Eb F# G Ab B: F# to Ab is no third; D F# Ab and B D F# Ab are no builds.
        {"Gipsy Minor", "C", "1,2,b3,#4,5,b6,7",
         "I\tC m\tC mmaj7\nII\t-\t-\nIII\tEb +\tEb maj7#5\nIV\t-\t-\nV\tG\tG maj7\nVI\tAb\tAb "
         "maj7\n"
         "VII\tB m\t-\n"},
        // C D E F G Ab A(=Bbb): C E G Bbb sounds as C6 but the builder has no such four-note
        // chord; E G A, G A D and A D F have no third or fifth where the letters put one.
        {"custom", "C", "1,2,3,4,5,b6,bb7",
         "I\tC\t-\nII\tD o\tD m7b5\nIII\t-\t-\nIV\tF m\tF mmaj7\nV\t-\t-\nVI\tAb +\tAb maj7#5\n"
         "VII\t-\t-\n"},
        // "#2" lies on degree 2: C D# E F# G A B.
        {"Lydian #9", "C", "1,#2,3,#4,5,6,7",
         "I\tC\tC maj7\nII\tD# o\tD# o7\nIII\tE m\tE mmaj7\nIV\tF# o\tF# m7b5\nV\tG +\tG maj7#5\n"
         "VI\tA m\tA m7\nVII\tB\tB 7\n"},
    };
    for (const ScaleCase& row : rows) {
        EXPECT_EQ(chordsOf(makeScale(row.strCase, row.strIntervals, row.strRoot)),
                  std::pair(std::string(row.strLines), 0))
            << row.strCase;
    }
}

TEST(ChordsOfScale, ScalesWithoutOneNoteOnEachDegreeHaveNone) {
    const std::vector<ScaleCase> rows{
        {"Major Pentatonic", "C", "1,2,3,5,6", ""},
        {"Wholetone/Halftone", "C", "1,b2,2,b3,4,b5,b6,bb7", ""}, // eight notes
        {"HJ3 (Harmonic Altered)", "C", "1,b2,#2,3,5,b6,b7", ""}, // two seconds, no fourth
        {"MM7 (Altered, Superlocrian, Diminished Wholetone)", "C", "1,b2,b3,b4,b5,b6,b7",
         ""},                                            // "b4" is no note
        {"Double Harmonic", "C", "1,b2,3,4,5,#5,7", ""}, // two fifths, no sixth
    };
    for (const ScaleCase& row : rows) {
        const StandardScale scale = makeScale(row.strCase, row.strIntervals, row.strRoot);
        EXPECT_TRUE(chordsOfScale(scale, index()).empty()) << row.strCase;
        EXPECT_EQ(chordsOf(scale), std::pair("C " + std::string(row.strCase) +
                                                 " has no chords in thirds: it needs exactly one "
                                                 "note on each degree 1 to 7.\n",
                                             0));
    }
}

TEST(ChordsOfScale, RowsCarryTheNotesAndTheBuildersControls) {
    const std::vector<DegreeChords> collChords =
        chordsOfScale(makeScale("HM1", "1,2,b3,4,5,b6,7", "A"), index());
    ASSERT_EQ(collChords.size(), 7U);
    // VII: G# B D F, the four-note list's "o7" on G# (letter G, sharp).
    const StackedChord& chord = collChords[6].fourNote;
    EXPECT_EQ(chord.collNotes, (std::vector<std::string>{"G#", "B", "D", "F"}));
    EXPECT_EQ(kRoots[static_cast<std::size_t>(chord.intRoot)].strName, std::string("G#"));
    EXPECT_EQ(chord.choice.intQuadriad, 6);
    EXPECT_EQ(chord.choice.intTriad, -1);
    // III: the triad list's "+" on C.
    EXPECT_EQ(collChords[2].triad.choice.intTriad, 3);
    EXPECT_EQ(collChords[2].triad.collNotes, (std::vector<std::string>{"C", "E", "G#"}));
}

std::tuple<std::string, std::string, int> identify(const std::string& strNotes) {
    std::ostringstream out;
    std::ostringstream err;
    const int intStatus = runIdentify(strNotes, out, err);
    return {out.str(), err.str(), intStatus};
}

TEST(IdentifyCommand, PrintsTabSeparatedRows) {
    // Eleven notes without F#/Gb: only the chromatic scale, on every root, with that one note
    // spelled as each root's chromatic scale spells it (b5, 4, 3, b3, 2, b2, the root, 7, b7, 6,
    // #5, 5).
    EXPECT_EQ(identify("C C# D D# E F G G# A A# B"),
              std::tuple(std::string("scale\tC\tChromatic\t3\tGb\n"
                                     "scale\tC#\tChromatic\t3\tF#\n"
                                     "scale\tDb\tChromatic\t3\tGb\n"
                                     "scale\tD\tChromatic\t3\tF#\n"
                                     "scale\tD#\tChromatic\t3\tGb\n"
                                     "scale\tEb\tChromatic\t3\tGb\n"
                                     "scale\tE\tChromatic\t3\tF#\n"
                                     "scale\tF\tChromatic\t3\tGb\n"
                                     "scale\tF#\tChromatic\t3\tF#\n"
                                     "scale\tGb\tChromatic\t3\tGb\n"
                                     "scale\tG\tChromatic\t3\tF#\n"
                                     "scale\tG#\tChromatic\t3\tGb\n"
                                     "scale\tAb\tChromatic\t3\tGb\n"
                                     "scale\tA\tChromatic\t3\tF#\n"
                                     "scale\tA#\tChromatic\t3\tF#\n"
                                     "scale\tBb\tChromatic\t3\tF#\n"
                                     "scale\tB\tChromatic\t3\tF#\n"),
                         std::string(), 0));
    // Chords first, with empty catalogue and extra columns; the major triad's suffix is empty.
    const auto [strOut, strErr, intStatus] = identify("c,e,g");
    EXPECT_EQ(intStatus, 0);
    EXPECT_EQ(strErr, "");
    EXPECT_TRUE(strOut.starts_with("chord\tC\t\t\t\nscale\tC\t\t3\t\nscale\tC\t6\t3\tA\n"))
        << strOut;
    const auto [strOut7, strErr7, intStatus7] = identify("D F A C");
    // Exact entries in catalogue order: "6" comes before "m7" in "Various Chords".
    EXPECT_TRUE(strOut7.starts_with(
        "chord\tD\tm7\t\t\nchord\tF\t6\t\t\nscale\tF\t6\t3\t\nscale\tD\tm7\t3\t\n"))
        << strOut7;
}

TEST(IdentifyCommand, RefusesUnknownNamesAndEmptyInput) {
    const std::vector<std::pair<const char*, const char*>> rows{
        {"C E# G", "Unknown note name: \"E#\" (use C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G#, Ab, "
                   "A, A#, Bb, B)\n"},
        {"H", "Unknown note name: \"H\" (use C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G#, Ab, A, A#, "
              "Bb, B)\n"},
        {"", "No notes given: name them, e.g. \"D F A C\"\n"},
        {" , ", "No notes given: name them, e.g. \"D F A C\"\n"},
    };
    for (const auto& [strNotes, strMessage] : rows) {
        EXPECT_EQ(identify(strNotes), std::tuple(std::string(), std::string(strMessage), 2))
            << strNotes;
    }
}

} // namespace
