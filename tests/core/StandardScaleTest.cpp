#include "../views/ScaleFixtures.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

const char* const kMajor = "1,2,3,4,5,6,7";

// "C3 D3 E3 ..."
std::string spelled(const StandardScale& scale, int octaveType) {
    std::string text;
    for (const SimpleNote& note : scale.getAllNotes(octaveType)) {
        if (!text.empty()) {
            text += ' ';
        }
        text += note.getNoteName(true);
    }
    return text;
}

} // namespace

TEST(StandardScaleTest, SpellsNotesInTheRootsKey) {
    // Root, interval list, octave type, notes.
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        // The major scale: sharp, flat and position-0 keys; there is no E#, B#, Cb, Fx or Cx.
        {"C", kMajor, 1, "C3 D3 E3 F3 G3 A3 B3"},
        {"C#", kMajor, 1, "C#3 D#3 F3 F#3 G#3 A#3 C4"},
        {"D#", kMajor, 1, "D#3 F3 G3 G#3 A#3 C4 D4"},
        {"Gb", kMajor, 1, "Gb3 Ab3 Bb3 B3 Db4 Eb4 F4"},
        // Degrees 2, 4 and 6 an octave higher (0) or lower (2) than the rest.
        {"C", kMajor, 0, "C3 D4 E3 F4 G3 A4 B3"},
        {"C", kMajor, 2, "C4 D3 E4 F3 G4 A3 B4"},
        // Altered degrees: lowered ones flat, raised ones sharp, landing on white keys by letter.
        {"F", "1,2,b3,4,5,6,b7", 1, "F3 G3 Ab3 Bb3 C4 D4 Eb4"},
        {"E", "1,b2,b3,4,5,b6,b7", 1, "E3 F3 G3 A3 B3 C4 D4"},
        {"D", "1,2,3,#4,5,6,7", 1, "D3 E3 F#3 G#3 A3 B3 C#4"},
        {"A", "1,#2,3,#4,5,6,7", 1, "A3 C4 C#4 D#4 E4 F#4 G#4"},
        {"C#", "1,b3,b5,bb7", 1, "C#3 E3 G3 Bb3"},
        {"Bb", "1,3,#5", 1, "Bb3 D4 F#4"},
        // Altered degrees 2, 4 and 6 move with their degree; the seventh never moves.
        {"C", "1,b2,#2,#4,b6,bb7", 0, "C3 Db4 D#4 F#4 Ab4 A3"},
        {"C", "1,b2,#2,#4,b6,bb7", 2, "C4 Db3 D#3 F#3 Ab3 A4"},
    };
    for (const auto& [rootName, intervals, octaveType, notes] : rows) {
        const auto scale = scaleOn(rootName, intervals);
        SCOPED_TRACE(std::string(rootName) + " " + intervals);
        EXPECT_EQ(spelled(*scale, octaveType), notes);
        EXPECT_EQ(scale->RootNote()->Octave(), 3) << "the root note itself stays where it is";
    }
}

TEST(StandardScaleTest, ReadsKnownTokensAndNamesTheIntervalOnEachPitchClass) {
    StandardScale scale;
    scale.setScale("1,b2,2,#2,b3");
    // Replaced, not added to; written in slot order, duplicates and aliases once; optional
    // tones, capitals and unknown tokens name nothing.
    scale.setScale("7,5,b3,1,9,2,9,5,(3),B6,x,b4");
    EXPECT_EQ(scale.getScaleString(0), "1,2,b3,5,7");
    EXPECT_EQ(scale.getScaleString(1), "");
    // Two members on one pitch class: the higher slot wins whatever the written order.
    EXPECT_EQ(scaleOn("C", "1,b3,#2")->getPitchIntervalCode(3), "b3");
    EXPECT_EQ(scaleOn("C", "1,6,bb7")->getPitchIntervalCode(9), "bb7");
    EXPECT_EQ(scale.getPitchIntervalCode(-1) + scale.getPitchIntervalCode(12), "");
}
