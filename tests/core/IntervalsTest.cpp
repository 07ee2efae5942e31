#include "Intervals.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>

namespace {

// Toggles each token of a comma-separated list in turn, as the chord builder does.
Intervals chordOf(const std::string& tokens) {
    Intervals chord;
    std::istringstream in(tokens);
    for (std::string token; std::getline(in, token, ',');) {
        chord.toggleInterval(token);
    }
    return chord;
}

} // namespace

TEST(IntervalsTest, TogglingAndTheIntervalList) {
    // The root is always written; aliases are written by their simple name, in position order.
    EXPECT_EQ(chordOf("13,#11,b9,b7,5,3,o7").getScaleString(), "1,b2,3,#4,5,6,bb7,b7");
    const std::string every = "1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7";
    EXPECT_EQ(chordOf(every).getScaleString(), every);
    // The ninth and the second are one member, so toggling both removes it again; tokens that
    // name no position change nothing and are never present.
    EXPECT_EQ(chordOf("1,3,5,9,2,(5),x,b4,O7, 3").getScaleString(), "1,3,5");
    EXPECT_FALSE(chordOf(every).isInterval("x"));
}

TEST(IntervalsTest, ChordSuffixes) {
    const std::tuple<const char*, const char*> rows[] = {
        // Triads: without a fifth nothing is named.
        {"1,3", "?"},
        {"1,5", "5"},
        {"1,5,6", "5"},
        {"1,4,5,6", "sus4"}, // a sixth on a sus4 or power chord is not named
        {"1,2,5", "sus2"},
        {"1,2,4,5", "sus2"}, // nor a fourth on sus2 without a sixth
        {"1,2,5,6", "6sus2"},
        {"1,2,4,5,6", "6sus2sus4"},
        // A diminished or raised fifth wins over the perfect one.
        {"1,3,5,#5", "+"},
        {"1,b3,5,b5", "o"},
        // Additions on the major triad (9, 11 and 13 are the members 2, 4 and 6), the rest
        {"1,3,5", ""},
        {"1,3,5,9", "add9"},
        {"1,3,5,11", "add11"},
        {"1,3,5,11,13", "6add11"},
        {"1,3,5,9,11,13", "6add9add11"},
        // on the minor, diminished and augmented ones.
        {"1,b3,5,2,6", "m6/9"},
        {"1,b3,b5,6", "o6"},
        {"1,3,#5,2,4", "+add9add11"},
        // Four-note chords; each later rule overwrites an earlier one.
        {"1,3,#5,7", "maj7#5"},
        {"1,3,5,#5,7", "maj7"},
        {"1,b3,5,7", "mmaj7"},
        {"1,3,5,b7,7", "7"},
        {"1,b3,5,b7", "m7"},
        {"1,b3,5,b5,b7", "m7b5"},
        {"1,b3,b5,bb7,b7", "o7"},
        {"1,3,#5,b7", "?"},
        // Extension tags in a fixed order; 11 is the member 4, so sus4 chords carry /11.
        {"1,4,5,7", "maj7sus4/11"},
        {"1,4,5,b7", "7sus4/11"},
        {"1,3,5,b7,b13,13,#11,11,#9,9,b9", "7/b9/9/#9/11/#11/13/b13"},
        {"1,3,b7,9", "?/9"},
    };
    for (const auto& [tokens, suffix] : rows) {
        EXPECT_EQ(chordOf(tokens).getChordSuffix(), suffix) << "{" << tokens << "}";
    }
}
