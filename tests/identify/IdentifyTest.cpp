// Naming chords and finding scales from notes, checked against facts worked out by hand from the
// chord builder's rules and the three catalogues.

#include "ChordScaleIndex.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const ChordScaleIndex& index() {
    static const ChordScaleIndex built;
    return built;
}

PitchMask maskOf(const std::vector<int>& pitches) {
    PitchMask mask = 0;
    for (const int intPitch : pitches) {
        mask = static_cast<PitchMask>(mask | pitchBit(intPitch));
    }
    return mask;
}

std::vector<std::string> chordNames(const Identification& answer) {
    std::vector<std::string> collNames;
    for (const ChordRow* chord : answer.collChords) {
        collNames.push_back(chord->name());
    }
    return collNames;
}

// "root name (catalogue): extras" of every scale row.
std::vector<std::string> scaleRows(const Identification& answer) {
    std::vector<std::string> collRows;
    for (const ScaleMatch& match : answer.collScales) {
        std::string strRow =
            std::string(kRoots[static_cast<std::size_t>(match.row->intRoot)].strName) + " " +
            std::string(match.row->strName) + " (" + std::to_string(match.row->intCatalogue) + "):";
        for (const std::string& strNote : match.extraNotes.names()) {
            strRow += " " + strNote;
        }
        collRows.push_back(strRow);
    }
    return collRows;
}

std::vector<std::string> rowsNamed(const std::vector<std::string>& collRows,
                                   const std::string& strNameAndCatalogue) {
    std::vector<std::string> collFound;
    for (const std::string& strRow : collRows) {
        if (strRow.find(" " + strNameAndCatalogue + ":") != std::string::npos) {
            collFound.push_back(strRow);
        }
    }
    return collFound;
}

TEST(ChordIndex, HoldsEveryReachableBuildWithoutRespelledMembers) {
    // Triads: 4 items x 3 additions, the major triad also without its third (16 + 3 x 8).
    // Four-note: 7 items x (off, 9, b9, #9) x (off, 11, #11) x (off, 13, b13) = 252, plus sus4
    // (natural eleventh, no third) on maj7 and 7 with every ninth and thirteenth (2 x 4 x 3).
    EXPECT_EQ(reachableChordChoices().size(), 40U + 252U + 24U);
    // Left out per root: #9 on the four minor-third chords (36), #11 on m7b5 and o7 (24), b13 on
    // maj7#5 (12), 13 on o7 (12), less the overlaps (6 + 3 + 4 - 1): 72 of 316.
    EXPECT_EQ(index().chords().size(), 17U * 244U);
    // 28 + 40 + 99 entries (Major Pentatonic twice in catalogue 2, "7" and "add9" twice in 3).
    EXPECT_EQ(index().scales().size(), 17U * 167U);
}

TEST(ChordIndex, KnowsWhichIntervalSetsTheBuilderMakes) {
    struct Row {
        std::vector<const char*> tokens;
        bool boolBuildable;
    };
    const std::vector<Row> rows{
        {{"1", "3", "5"}, true},              // major triad
        {{"1", "4", "5", "b7"}, true},        // 7sus4, through sus4 on "7"
        {{"1", "4", "5", "7"}, true},         // maj7sus4
        {{"1", "2", "4", "5", "6"}, true},    // 6sus2sus4
        {{"1", "b3", "b5", "6"}, true},       // o6
        {{"1", "#2", "4", "5", "b7"}, true},  // 7sus4/#9
        {{"1", "3", "5", "bb7"}, false},      // sounds as C6 but is no build
        {{"1", "3", "b5"}, false},            // no such triad
        {{"1", "4", "5", "b7", "b3"}, true},  // m7/11: an eleventh on m7
        {{"1", "2", "5", "b7"}, false},       // four-note chords lose the third only for 11
        {{"1", "b3", "b5", "b7", "4"}, true}, // m7b5/11
        {{"1", "3", "#5", "b7"}, false},      // 7#5 is not offered
    };
    for (const Row& row : rows) {
        Intervals set;
        for (const char* strToken : row.tokens) {
            set.toggleInterval(strToken);
        }
        EXPECT_EQ(index().choiceFor(set.IntervalBits()) != nullptr, row.boolBuildable)
            << set.getScaleString();
    }
}

TEST(Identify, NamesChordsBassFirst) {
    struct Row {
        const char* strCase;
        std::vector<int> pitches;
        int intBass;
        std::vector<std::string> chords;
    };
    const std::vector<Row> rows{
        // C E G: no other root reaches these three notes (no two of them a whole step apart,
        // the only fifth is C-G).
        {"C E G", {0, 4, 7}, 0, {"C"}},
        // D F A C: from D m7, from F the major triad with a sixth; from C and A no build.
        {"D F A C", {2, 5, 9, 0}, 2, {"D m7", "F 6"}},
        {"F A C D, bass F", {2, 5, 9, 0}, 5, {"F 6", "D m7"}},
        // Four minor thirds: o6 and o7 from every member, both spellings of the black keys.
        {"C Eb Gb A",
         {0, 3, 6, 9},
         0,
         {"C o6", "C o7", "D# o6", "D# o7", "Eb o6", "Eb o7", "F# o6", "F# o7", "Gb o6", "Gb o7",
          "A o6", "A o7"}},
        {"Eb Gb A C",
         {0, 3, 6, 9},
         3,
         {"D# o6", "D# o7", "Eb o6", "Eb o7", "C o6", "C o7", "F# o6", "F# o7", "Gb o6", "Gb o7",
          "A o6", "A o7"}},
        // C E G# B: maj7#5; b13 on it would repeat G#.
        {"C E G# B", {0, 4, 8, 11}, 0, {"C maj7#5"}},
        // G A D: Gsus2 and Dsus4 (D G A).
        {"G A D", {7, 9, 2}, 7, {"G sus2", "D sus4"}},
        // A single note and the empty set are no chords.
        {"C", {0}, 0, {}},
        {"none", {}, -1, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(chordNames(index().identify(maskOf(row.pitches), row.intBass)), row.chords)
            << row.strCase;
    }
}

TEST(Identify, SingleNoteFindsEveryScaleHoldingIt) {
    const std::vector<std::string> collRows = scaleRows(index().identify(maskOf({0}), 0));
    // The power chord is the smallest entry: on C and on F (whose fifth is C), spelled each time.
    ASSERT_GE(collRows.size(), 2U);
    EXPECT_EQ(collRows[0], "C 5 (3): G");
    EXPECT_EQ(collRows[1], "F 5 (3): F");
    // Ionian holds C on the roots C, Db, Eb, F, G, Ab, Bb (both spellings of black keys).
    EXPECT_EQ(rowsNamed(collRows, "Ionian (1)"),
              (std::vector<std::string>{
                  "C Ionian (1): D E F G A B", "C# Ionian (1): C# D# F F# G# A#",
                  "Db Ionian (1): Db Eb F Gb Ab Bb", "D# Ionian (1): D# F G G# A# D",
                  "Eb Ionian (1): Eb F G Ab Bb D", "F Ionian (1): F G A Bb D E",
                  "G Ionian (1): G A B D E F#", "G# Ionian (1): G# A# C# D# F G",
                  "Ab Ionian (1): Ab Bb Db Eb F G", "A# Ionian (1): A# D D# F G A",
                  "Bb Ionian (1): Bb D Eb F G A"}));
}

TEST(Identify, ScalesComeExactFirstThenByFewestExtras) {
    for (const PitchMask mask : {maskOf({0}), maskOf({2, 5, 9, 0}), maskOf({0, 3, 6, 9})}) {
        const Identification answer = index().identify(mask, -1);
        ASSERT_FALSE(answer.collScales.empty());
        for (std::size_t i = 1; i < answer.collScales.size(); ++i) {
            ASSERT_LE(answer.collScales[i - 1].extraNotes.intCount,
                      answer.collScales[i].extraNotes.intCount)
                << i;
        }
    }
    // C Eb Gb A: "dim" (1,b3,b5,bb7) is the only entry of exactly these notes, on six roots.
    const std::vector<std::string> collRows = scaleRows(index().identify(maskOf({0, 3, 6, 9}), 0));
    ASSERT_GE(collRows.size(), 7U);
    EXPECT_EQ(std::vector<std::string>(collRows.begin(), collRows.begin() + 7),
              (std::vector<std::string>{"C dim (3):", "D# dim (3):", "Eb dim (3):", "F# dim (3):",
                                        "Gb dim (3):", "A dim (3):", collRows[6]}));
    EXPECT_NE(collRows[6].back(), ':');
}

TEST(Identify, AllTwelveNotesFindOnlyTheChromaticScale) {
    const Identification answer =
        index().identify(maskOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), 0);
    EXPECT_TRUE(answer.collChords.empty());
    const std::vector<std::string> collRows = scaleRows(answer);
    ASSERT_EQ(collRows.size(), 17U);
    EXPECT_EQ(collRows.front(), "C Chromatic (3):");
    EXPECT_EQ(collRows.back(), "B Chromatic (3):");
}

// Entries listed twice in a catalogue give one row; the same scale in two catalogues gives two.
TEST(Identify, ShowsIdenticalRowsOnce) {
    const std::vector<std::string> collRows = scaleRows(index().identify(maskOf({0, 4, 7, 10}), 0));
    EXPECT_EQ(rowsNamed(collRows, "7 (3)"), std::vector<std::string>{"C 7 (3):"});
    // C E G Bb lies in Mixolydian only on C.
    EXPECT_EQ(rowsNamed(collRows, "Mixolydian (1)"),
              std::vector<std::string>{"C Mixolydian (1): D F A"});
    const std::vector<std::string> collPenta =
        scaleRows(index().identify(maskOf({0, 2, 4, 7, 9}), 0));
    // C D E G A: the major pentatonic on C, once in catalogue 2 although listed twice there.
    EXPECT_EQ(rowsNamed(collPenta, "Major Pentatonic (2)"),
              std::vector<std::string>{"C Major Pentatonic (2):"});
}

} // namespace
