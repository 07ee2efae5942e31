#include "ScaleSet.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

ScaleSet loaded(const Texts& texts) {
    ScaleSet set;
    set.LoadScalesFromCollection(texts);
    return set;
}

// Three categories, the second one empty, the last one holding the nameless major triad.
const Texts kBluesDiminishedChords = {
    ": Blues Scales",
    "Minor Pentatonic + b5;1,b3,4,b5,5,b7",
    "Blues Major;1,b3,3,4,b5,5,b7",
    ": Diminished Scales",
    ":Various Chords",
    ";1,3,5",
};

struct Lookup {
    std::string name = "unchanged name";
    std::string intervals = "unchanged intervals";
};

Lookup lookUp(const ScaleSet& set, int16_t category, int16_t position) {
    Lookup result;
    set.getScaleInfo(category, position, result.name, result.intervals);
    return result;
}

} // namespace

class ScaleSetExample : public ::testing::Test {
  protected:
    void SetUp() override { set.LoadScalesFromCollection(kBluesDiminishedChords); }
    ScaleSet set;
};

TEST_F(ScaleSetExample, HeadingsBecomeTrimmedCategoryNames) {
    EXPECT_EQ(set.NumberOfScales(), 3);
    EXPECT_EQ(set.getScaleCategories(),
              (Texts{"Blues Scales", "Diminished Scales", "Various Chords"}));
}

TEST_F(ScaleSetExample, EntriesAreListedPerCategory) {
    EXPECT_EQ(set.getScales(1),
              (Texts{"Minor Pentatonic + b5;1,b3,4,b5,5,b7", "Blues Major;1,b3,3,4,b5,5,b7"}));
    EXPECT_TRUE(set.getScales(2).empty()) << "a heading right after a heading is empty";
    EXPECT_EQ(set.getScales(3), (Texts{";1,3,5"}));
    EXPECT_TRUE(set.getScales(4).empty());
    EXPECT_TRUE(set.getScales(100).empty());
}

TEST_F(ScaleSetExample, CategoryZeroOrBelowListsEveryEntry) {
    const Texts all = {"Minor Pentatonic + b5;1,b3,4,b5,5,b7", "Blues Major;1,b3,3,4,b5,5,b7",
                       ";1,3,5"};
    EXPECT_EQ(set.getScales(0), all);
    EXPECT_EQ(set.getScales(), all);
    EXPECT_EQ(set.getScales(-1), all);
}

TEST_F(ScaleSetExample, ScaleInfoSplitsTheEntryAtTheSemicolon) {
    struct Row {
        const char* reading;
        int16_t category;
        int16_t position;
        const char* name;
        const char* intervals;
    };
    const Row rows[] = {
        {"first blues scale", 1, 0, "Minor Pentatonic + b5", "1,b3,4,b5,5,b7"},
        {"second blues scale", 1, 1, "Blues Major", "1,b3,3,4,b5,5,b7"},
        {"the nameless major triad", 3, 0, "", "1,3,5"},
        {"the empty category starts at the next category's first entry", 2, 0, "", "1,3,5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        const Lookup found = lookUp(set, row.category, row.position);
        EXPECT_EQ(found.name, row.name);
        EXPECT_EQ(found.intervals, row.intervals);
    }
}

TEST_F(ScaleSetExample, ScaleInfoOutOfRangeLeavesBothOutputsUnchanged) {
    struct Row {
        const char* reading;
        int16_t category;
        int16_t position;
    };
    const Row rows[] = {
        {"category 0", 0, 0},
        {"negative category", -1, 1},
        {"category above the last", 4, 0},
        {"far above the last category", 1000, 0},
        {"position past the last entry", 3, 1},
        {"position far past the last entry", 1, 50},
        {"negative position in the first category", 1, -1},
        {"negative position that would reach an earlier category", 3, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reading);
        const Lookup found = lookUp(set, row.category, row.position);
        EXPECT_EQ(found.name, "unchanged name");
        EXPECT_EQ(found.intervals, "unchanged intervals");
    }
}

TEST(ScaleSetTest, NewCatalogueIsEmpty) {
    const ScaleSet set;
    EXPECT_EQ(set.NumberOfScales(), 0);
    EXPECT_TRUE(set.getScaleCategories().empty());
    EXPECT_TRUE(set.getScales(0).empty());
    EXPECT_TRUE(set.getScales(1).empty());
    const Lookup found = lookUp(set, 1, 0);
    EXPECT_EQ(found.name, "unchanged name");
}

TEST(ScaleSetTest, MalformedTextsAreSkippedWithoutMovingLaterStarts) {
    const ScaleSet set = loaded({
        "Orphan;1,3,5", // before any heading
        ":First",
        "no semicolon here", // skipped
        "",                  // skipped
        "Dorian;1,2,b3,4,5,6,b7",
        "two;semi;colons", // skipped
        ":Second",
        "Lydian;1,2,3,#4,5,6,7",
        "one;two;three;four", // skipped
        "Mixolydian;1,2,3,4,5,6,b7",
    });
    EXPECT_EQ(set.NumberOfScales(), 2);
    EXPECT_EQ(set.getScales(1), (Texts{"Dorian;1,2,b3,4,5,6,b7"}));
    EXPECT_EQ(set.getScales(2), (Texts{"Lydian;1,2,3,#4,5,6,7", "Mixolydian;1,2,3,4,5,6,b7"}));
    EXPECT_EQ(lookUp(set, 2, 1).name, "Mixolydian");
    // The orphan belongs to no category: only the whole list shows it.
    EXPECT_EQ(set.getScales(0), (Texts{"Orphan;1,3,5", "Dorian;1,2,b3,4,5,6,b7",
                                       "Lydian;1,2,3,#4,5,6,7", "Mixolydian;1,2,3,4,5,6,b7"}));
    EXPECT_EQ(lookUp(set, 1, 0).name, "Dorian");
}

TEST(ScaleSetTest, BlanksAroundHeadingsAndEntriesAreTrimmed) {
    const ScaleSet set = loaded({
        ":", // a category with the empty name
        "  Blues Major;1,b3,3  ",
        ":   Various   Chords   ",
        "Name;", // exactly one ";": an entry with an empty interval list
        ";",
    });
    EXPECT_EQ(set.getScaleCategories(), (Texts{"", "Various   Chords"}));
    EXPECT_EQ(set.getScales(1), (Texts{"Blues Major;1,b3,3"}));
    EXPECT_EQ(set.getScales(2), (Texts{"Name;", ";"}));

    const Lookup blues = lookUp(set, 1, 0);
    EXPECT_EQ(blues.name, "Blues Major");
    EXPECT_EQ(blues.intervals, "1,b3,3");
    const Lookup noIntervals = lookUp(set, 2, 0);
    EXPECT_EQ(noIntervals.name, "Name");
    EXPECT_EQ(noIntervals.intervals, "");
}

TEST(ScaleSetTest, HeadingMayContainASemicolonAndDuplicatesAreKept) {
    const ScaleSet set = loaded({":Odd;heading", "7;1,3,5,b7", "7;1,3,5,b7"});
    EXPECT_EQ(set.getScaleCategories(), (Texts{"Odd;heading"}));
    EXPECT_EQ(set.getScales(1), (Texts{"7;1,3,5,b7", "7;1,3,5,b7"}));
}

TEST(ScaleSetTest, LoadingReplacesThePreviousContent) {
    ScaleSet set;
    set.LoadScalesFromCollection(kBluesDiminishedChords);
    set.LoadScalesFromCollection({":Only", "Ionian;1,2,3,4,5,6,7"});
    EXPECT_EQ(set.NumberOfScales(), 1);
    EXPECT_EQ(set.getScaleCategories(), (Texts{"Only"}));
    EXPECT_EQ(set.getScales(0), (Texts{"Ionian;1,2,3,4,5,6,7"}));
    EXPECT_EQ(set.getScales(1), (Texts{"Ionian;1,2,3,4,5,6,7"}));

    set.LoadScalesFromCollection({});
    EXPECT_EQ(set.NumberOfScales(), 0);
    EXPECT_TRUE(set.getScaleCategories().empty());
    EXPECT_TRUE(set.getScales(0).empty());
    EXPECT_TRUE(set.getScales(1).empty());
    EXPECT_EQ(lookUp(set, 1, 0).intervals, "unchanged intervals");
}

TEST(ScaleSetTest, LastCategoryWithoutEntriesIsEmpty) {
    const ScaleSet set = loaded({":Chords", "m;1,b3,5", ":Nothing yet"});
    EXPECT_EQ(set.NumberOfScales(), 2);
    EXPECT_TRUE(set.getScales(2).empty());
    const Lookup found = lookUp(set, 2, 0);
    EXPECT_EQ(found.name, "unchanged name");
    EXPECT_EQ(found.intervals, "unchanged intervals");
}
