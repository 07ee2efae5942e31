#include "Intervals.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Tokens = std::vector<std::string>;

Intervals chordOf(const Tokens& tokens) {
    Intervals chord;
    for (const std::string& token : tokens) {
        chord.toggleInterval(token);
    }
    return chord;
}

const Tokens kAllPositions = {"1",  "b2", "2",  "#2", "b3", "3",   "4",  "#4",
                              "b5", "5",  "#5", "b6", "6",  "bb7", "b7", "7"};

} // namespace

TEST(IntervalsTest, PositionsOfTokensAndTheirAliases) {
    struct Row {
        const char* token;
        int16_t position;
    };
    const Row rows[] = {
        {"1", 1},
        {"b2", 2},
        {"b9", 2},
        {"2", 3},
        {"9", 3},
        {"#2", 4},
        {"#9", 4},
        {"b3", 5},
        {"3", 6},
        {"4", 7},
        {"11", 7},
        {"#4", 8},
        {"#11", 8},
        {"b5", 9},
        {"5", 10},
        {"#5", 11},
        {"b6", 12},
        {"b13", 12},
        {"6", 13},
        {"13", 13},
        {"bb7", 14},
        {"o7", 14},
        {"b7", 15},
        {"7", 16},
        // Not intervals: other case, parentheses, blanks, spellings the chord model lacks.
        {"B3", 0},
        {"(5)", 0},
        {" 3", 0},
        {"3 ", 0},
        {"", 0},
        {"x", 0},
        {"b4", 0},
        {"#6", 0},
        {"O7", 0},
        {"(1)", 0},
        {"1,3", 0},
        {"8", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.token);
        EXPECT_EQ(Intervals::getPosition(row.token), row.position);
    }
}

TEST(IntervalsTest, PositionPIsBitPMinusOne) {
    const Intervals triad = chordOf({"1", "3", "5"});
    EXPECT_EQ(triad.IntervalBits(), 1 + 32 + 512);
    EXPECT_EQ(chordOf({"7"}).IntervalBits(), 32768);
    EXPECT_EQ(chordOf(kAllPositions).IntervalBits(), 0xFFFF);
    EXPECT_EQ(Intervals().IntervalBits(), 0);
}

TEST(IntervalsTest, ToggleAddsAndRemovesThroughAliases) {
    Intervals chord = chordOf({"1", "3", "5"});
    const int32_t before = chord.IntervalBits();
    chord.toggleInterval("9");
    EXPECT_TRUE(chord.isInterval("2"));
    chord.toggleInterval("2"); // the same member: removes the ninth again
    EXPECT_EQ(chord.IntervalBits(), before);
    EXPECT_FALSE(chord.isInterval("9"));

    chord.toggleInterval("(5)");
    chord.toggleInterval("x");
    chord.toggleInterval("");
    EXPECT_EQ(chord.IntervalBits(), before);
}

TEST(IntervalsTest, SetIntervalOnlyAdds) {
    Intervals chord;
    chord.setInterval("o7");
    chord.setInterval("bb7");
    EXPECT_TRUE(chord.isInterval("bb7"));
    EXPECT_EQ(chord.IntervalBits(), 8192);
    chord.setInterval("(1)");
    chord.setInterval("B3");
    EXPECT_EQ(chord.IntervalBits(), 8192);
    chord.resetIntervals();
    EXPECT_EQ(chord.IntervalBits(), 0);
    EXPECT_FALSE(chord.isInterval("o7"));
}

TEST(IntervalsTest, TokensWithoutPositionAreNeverInTheSet) {
    // Even with every position present, a token that names none tests false.
    const Intervals full = chordOf(kAllPositions);
    for (const char* token : {"x", "", "(5)", " 3", "B3", "b4", "#6"}) {
        SCOPED_TRACE(token);
        EXPECT_FALSE(full.isInterval(token));
    }
    EXPECT_TRUE(full.isInterval("#11"));
    EXPECT_TRUE(full.isInterval("13"));
}

TEST(IntervalsTest, ScaleStringIsRootThenCanonicalTokensInOrder) {
    struct Row {
        const char* reading;
        Tokens tokens;
        const char* intervals;
    };
    const Row rows[] = {
        {"empty set still starts with the root", {}, "1"},
        {"major triad", {"1", "3", "5"}, "1,3,5"},
        {"ninth chord: 9 is written 2, in slot order", {"1", "3", "5", "b7", "9"}, "1,2,3,5,b7"},
        {"7/b9/#11/13 written with simple names",
         {"1", "3", "5", "b7", "b9", "#11", "13"},
         "1,b2,3,#4,5,6,b7"},
        {"diminished seventh: o7 is written bb7", {"1", "b3", "b5", "o7"}, "1,b3,b5,bb7"},
        {"without the root it still begins with 1", {"3", "5", "b7"}, "1,3,5,b7"},
        {"eleventh and flat thirteenth", {"1", "11", "b13"}, "1,4,b6"},
        {"every position", kAllPositions, "1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        EXPECT_EQ(chordOf(row.tokens).getScaleString(), row.intervals);
    }
}

struct SuffixRow {
    const char* reading;
    Tokens tokens;
    const char* suffix;
};

void expectSuffixes(const std::vector<SuffixRow>& rows) {
    for (const SuffixRow& row : rows) {
        SCOPED_TRACE(row.reading);
        EXPECT_EQ(chordOf(row.tokens).getChordSuffix(), row.suffix);
    }
}

TEST(IntervalsTest, TriadSuffixes) {
    expectSuffixes({
        {"empty set", {}, "?"},
        {"major triad has no suffix", {"1", "3", "5"}, ""},
        {"minor triad", {"1", "b3", "5"}, "m"},
        {"diminished triad", {"1", "b3", "b5"}, "o"},
        {"augmented triad", {"1", "3", "#5"}, "+"},
        {"power chord", {"1", "5"}, "5"},
        {"sus2", {"1", "2", "5"}, "sus2"},
        {"sus2 does not name a fourth", {"1", "2", "4", "5"}, "sus2"},
        {"sus4", {"1", "4", "5"}, "sus4"},
        {"sus4 does not name a sixth", {"1", "4", "5", "6"}, "sus4"},
        {"fifth and sixth only: still a power chord", {"1", "5", "6"}, "5"},
        {"6sus2", {"1", "2", "5", "6"}, "6sus2"},
        {"6sus2sus4", {"1", "2", "4", "5", "6"}, "6sus2sus4"},
        {"sixth and ninth on major", {"1", "3", "5", "2", "6"}, "6/9"},
        {"sixth and ninth on minor", {"1", "b3", "5", "2", "6"}, "m6/9"},
        {"diminished with sixth", {"1", "b3", "b5", "6"}, "o6"},
        {"augmented with ninth and eleventh", {"1", "3", "#5", "2", "4"}, "+add9add11"},
        {"sixth and eleventh", {"1", "3", "5", "4", "6"}, "6add11"},
        {"augmented wins over the fifth", {"1", "3", "5", "#5"}, "+"},
        {"diminished wins over the fifth", {"1", "b3", "5", "b5"}, "o"},
        {"diminished wins over a major third too", {"1", "3", "5", "b3", "b5"}, "o"},
        {"a third alone", {"1", "3"}, "?"},
        {"minor third with raised fifth", {"1", "b3", "#5"}, "?"},
        {"triad without root", {"3", "5"}, "?"},
        {"minor triad without root", {"b3", "5"}, "?"},
    });
}

TEST(IntervalsTest, AdditionsOnMajorAndMinorTriads) {
    // The chord builder adds 9, 11 and 13; they are the same members as 2, 4 and 6.
    expectSuffixes({
        {"C", {"1", "3", "5"}, ""},
        {"Cadd9", {"1", "3", "5", "9"}, "add9"},
        {"Cadd11", {"1", "3", "5", "11"}, "add11"},
        {"C6", {"1", "3", "5", "13"}, "6"},
        {"Cadd9add11", {"1", "3", "5", "9", "11"}, "add9add11"},
        {"C6/9", {"1", "3", "5", "9", "13"}, "6/9"},
        {"C6add11", {"1", "3", "5", "11", "13"}, "6add11"},
        {"C6add9add11", {"1", "3", "5", "9", "11", "13"}, "6add9add11"},
        {"Cm", {"1", "b3", "5"}, "m"},
        {"Cmadd9", {"1", "b3", "5", "2"}, "madd9"},
        {"Cmadd11", {"1", "b3", "5", "4"}, "madd11"},
        {"Cm6", {"1", "b3", "5", "6"}, "m6"},
        {"Cmadd9add11", {"1", "b3", "5", "2", "4"}, "madd9add11"},
        {"Cm6/9", {"1", "b3", "5", "2", "6"}, "m6/9"},
        {"Cm6add11", {"1", "b3", "5", "4", "6"}, "m6add11"},
        {"Cm6add9add11", {"1", "b3", "5", "2", "4", "6"}, "m6add9add11"},
        {"C+6", {"1", "3", "#5", "13"}, "+6"},
        {"Co add9", {"1", "b3", "b5", "9"}, "oadd9"},
    });
}

TEST(IntervalsTest, FourNoteSuffixes) {
    expectSuffixes({
        {"dominant seventh", {"1", "3", "5", "b7"}, "7"},
        {"minor seventh", {"1", "b3", "5", "b7"}, "m7"},
        {"major seventh", {"1", "3", "5", "7"}, "maj7"},
        {"minor with major seventh", {"1", "b3", "5", "7"}, "mmaj7"},
        {"half-diminished", {"1", "b3", "b5", "b7"}, "m7b5"},
        {"diminished seventh", {"1", "b3", "b5", "bb7"}, "o7"},
        {"diminished seventh written o7", {"1", "b3", "b5", "o7"}, "o7"},
        {"major seventh with raised fifth", {"1", "3", "#5", "7"}, "maj7#5"},
        {"maj7 overwrites maj7#5 when the fifth is there", {"1", "3", "5", "#5", "7"}, "maj7"},
        {"raised fifth with minor seventh is not named", {"1", "3", "#5", "b7"}, "?"},
        {"7 overwrites maj7 when both sevenths are there", {"1", "3", "5", "b7", "7"}, "7"},
        {"m7b5 overwrites m7", {"1", "b3", "5", "b5", "b7"}, "m7b5"},
        {"o7 overwrites m7b5", {"1", "b3", "b5", "bb7", "b7"}, "o7"},
        {"seventh without third or fourth", {"1", "5", "7"}, "?"},
        {"seventh without root", {"3", "5", "b7"}, "?"},
        {"a sixth beside a seventh is a thirteenth", {"1", "3", "5", "6", "b7"}, "7/13"},
    });
}

TEST(IntervalsTest, ExtensionTagsFollowInFixedOrder) {
    expectSuffixes({
        {"7/b9/#11/13 in insertion order", {"1", "3", "5", "b7", "b9", "#11", "13"}, "7/b9/#11/13"},
        {"7/b9/#11/13 inserted backwards", {"13", "#11", "b9", "b7", "5", "3", "1"}, "7/b9/#11/13"},
        {"every tag",
         {"1", "3", "5", "b7", "b13", "13", "#11", "11", "#9", "9", "b9"},
         "7/b9/9/#9/11/#11/13/b13"},
        {"diminished seventh with ninth", {"1", "b3", "b5", "bb7", "9"}, "o7/9"},
        {"7sus4 also carries the eleventh", {"1", "4", "5", "b7"}, "7sus4/11"},
        {"maj7sus4 also carries the eleventh", {"1", "4", "5", "7"}, "maj7sus4/11"},
        {"tags are added to an unnamed chord", {"1", "3", "b7", "9"}, "?/9"},
        {"sus2 with a seventh is unnamed but tagged", {"1", "2", "5", "b7"}, "?/9"},
        {"minor ninth", {"1", "b3", "5", "b7", "2"}, "m7/9"},
        {"major seventh with flat thirteenth", {"1", "3", "5", "7", "b6"}, "maj7/b13"},
    });
}
