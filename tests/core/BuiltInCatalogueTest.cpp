#include "BuiltInCatalogue.h"

#include "ScaleSet.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

ScaleSet loadedCatalogue(int16_t number) {
    ScaleSet set;
    set.LoadScalesFromCollection(getBuiltInCatalogue(number));
    return set;
}

Texts split(const std::string& text, char separator) {
    Texts parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string intervalsOf(const std::string& entry) {
    return entry.substr(entry.find(';') + 1);
}

// Semitones above the root as a musician reads each written token, including the two spellings
// ("b4", "#6") that the scale model does not take as members.
const std::map<std::string, int> kSemitones = {
    {"1", 0},   {"b2", 1},  {"2", 2},   {"#2", 3}, {"b3", 3}, {"3", 4},  {"b4", 4},
    {"4", 5},   {"#4", 6},  {"b5", 6},  {"5", 7},  {"#5", 8}, {"b6", 8}, {"6", 9},
    {"bb7", 9}, {"#6", 10}, {"b7", 10}, {"7", 11}, {"b9", 1}, {"9", 2},  {"#9", 3},
    {"11", 5},  {"#11", 6}, {"b13", 8}, {"13", 9}, {"o7", 9},
};

std::set<int> pitchClasses(const std::string& intervals) {
    std::set<int> result;
    for (const std::string& token : split(intervals, ',')) {
        result.insert(kSemitones.at(token));
    }
    return result;
}

std::set<int> rotated(const std::set<int>& parent, int newRoot) {
    std::set<int> result;
    for (int pitch : parent) {
        result.insert(((pitch - newRoot) % 12 + 12) % 12);
    }
    return result;
}

struct CategoryRow {
    const char* name;
    std::size_t entries;
    const char* first;
    const char* last;
};

void expectCategories(const ScaleSet& set, const std::vector<CategoryRow>& rows) {
    ASSERT_EQ(set.NumberOfScales(), static_cast<int16_t>(rows.size()));
    ASSERT_EQ(set.getScaleCategories().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(set.getScaleCategories()[i], rows[i].name);
        const Texts entries = set.getScales(static_cast<int16_t>(i + 1));
        ASSERT_EQ(entries.size(), rows[i].entries);
        EXPECT_EQ(entries.front(), rows[i].first);
        EXPECT_EQ(entries.back(), rows[i].last);
    }
}

bool contains(const Texts& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(BuiltInCatalogueTest, CataloguesHaveTheirTextCounts) {
    EXPECT_EQ(getBuiltInCatalogue(1).size(), 32u);
    EXPECT_EQ(getBuiltInCatalogue(2).size(), 47u);
    EXPECT_EQ(getBuiltInCatalogue(3).size(), 103u);
    for (int16_t other : {0, 4, -1, 100}) {
        SCOPED_TRACE(other);
        EXPECT_TRUE(getBuiltInCatalogue(other).empty());
        EXPECT_EQ(loadedCatalogue(other).NumberOfScales(), 0);
    }
}

TEST(BuiltInCatalogueTest, EveryNonHeadingTextIsAnEntry) {
    struct Row {
        int16_t number;
        std::size_t entries;
    };
    for (const Row row : {Row{1, 28}, Row{2, 41}, Row{3, 101}}) {
        SCOPED_TRACE(row.number);
        EXPECT_EQ(loadedCatalogue(row.number).getScales(0).size(), row.entries);
    }
}

TEST(BuiltInCatalogueTest, MainScalesHoldTheModesOfFourParentScales) {
    expectCategories(loadedCatalogue(1),
                     {
                         {"Ionian", 7, "Ionian;1,2,3,4,5,6,7", "Locrian;1,b2,b3,4,b5,b6,b7"},
                         {"Melodic Minor", 7, "MM1 (Melodic Minor);1,2,b3,4,5,6,7",
                          "MM7 (Altered, Superlocrian, Diminished Wholetone);1,b2,b3,b4,b5,b6,b7"},
                         {"Harmonic Minor", 7, "HM1 (Harmonic Minor);1,2,b3,4,5,b6,7",
                          "HM7 (Harmonic Diminished);1,b2,b3,b4,b5,b6,bb7"},
                         {"Harmonic Major", 7, "HJ1 (Harmonic Major, Ionian b13);1,2,3,4,5,b6,7",
                          "HJ7 (Locrian Diminished);1,b2,b3,4,b5,b6,bb7"},
                     });
}

TEST(BuiltInCatalogueTest, EachMainScaleModeIsARotationOfItsParent) {
    // Mode k of a parent scale starts on the parent's k-th note: the Dorian mode of C major is
    // C major played from D. This catches a wrong interval anywhere in the catalogue.
    const ScaleSet set = loadedCatalogue(1);
    for (int16_t category = 1; category <= set.NumberOfScales(); ++category) {
        const Texts modes = set.getScales(category);
        ASSERT_EQ(modes.size(), 7u);
        const std::set<int> parent = pitchClasses(intervalsOf(modes.front()));
        const std::vector<int> degrees(parent.begin(), parent.end());
        ASSERT_EQ(degrees.size(), 7u);
        for (std::size_t mode = 0; mode < modes.size(); ++mode) {
            SCOPED_TRACE(modes[mode]);
            EXPECT_EQ(pitchClasses(intervalsOf(modes[mode])), rotated(parent, degrees[mode]));
        }
    }
}

TEST(BuiltInCatalogueTest, SortedScalesGroupScalesByCharacter) {
    expectCategories(
        loadedCatalogue(2),
        {
            {"Major Scales", 8, "Major Pentatonic;1,2,3,5,6", "Ionian b13;1,2,3,4,5,b6,7"},
            {"Minor Scales", 11, "Minor Pentatonic;1,b3,4,5,b7",
             "Melodic Minor #11;1,2,b3,#4,5,6,7"},
            {"Dominant Scales", 13, "Major Pentatonic;1,2,3,5,6",
             "Halftone/Wholetone;1,b2,#2,3,#4,5,6,b7"},
            // Written without a blank after the colon.
            {"Half-diminished Scales", 4, "Locrian;1,b2,b3,4,b5,b6,b7",
             "Dorian b5;1,2,b3,4,b5,6,b7"},
            {"Diminished Scales", 3, "Harmonic Minor 7 (Harmonic Diminshed);1,b2,b3,b4,b5,b6,bb7",
             "Locrian Diminshed;1,b2,b3,4,b5,b6,bb7"},
            {"Blues Scales", 2, "Minor Pentatonic + b5;1,b3,4,b5,5,b7",
             "Blues Major;1,b3,3,4,b5,5,b7"},
        });
}

TEST(BuiltInCatalogueTest, VariousScalesAndChords) {
    expectCategories(
        loadedCatalogue(3),
        {
            {"Unsorted Scales", 45, "Major;1,2,3,4,5,6,7", "Dominant 7th;1,2,4,5,6,b7"},
            // The plain major triad comes first, without a name.
            {"Various Chords", 56, ";1,3,5", "aug11;1,(3),(5),b7,9,#11"},
        });
}

TEST(BuiltInCatalogueTest, NamesKeepTheirOwnSpelling) {
    const Texts sorted = loadedCatalogue(2).getScales(0);
    EXPECT_TRUE(contains(sorted, "Gipsy Minor;1,2,b3,#4,5,b6,7"));
    EXPECT_TRUE(contains(sorted, "Locrian Diminshed;1,b2,b3,4,b5,b6,bb7"));

    const Texts various = loadedCatalogue(3).getScales(0);
    EXPECT_TRUE(contains(various, "Neopolitan Major;1,b2,b3,4,5,6,7"));
    EXPECT_TRUE(contains(various, "Neopolitan Minor;1,b2,b3,4,5,b6,b7"));
    EXPECT_TRUE(contains(various, "Prometheus Neopolitan;1,b2,3,b5,6,b7"));
    EXPECT_TRUE(contains(various, "Spanish Gypsy;1,b2,3,4,5,#5,b7"));
}

TEST(BuiltInCatalogueTest, SameNamesWithDifferentIntervalsStandAsListed) {
    // Phrygian has a major sixth in the sorted catalogue and a minor sixth elsewhere.
    EXPECT_TRUE(contains(loadedCatalogue(2).getScales(2), "Phrygian;1,b2,b3,4,5,6,b7"));
    EXPECT_TRUE(contains(loadedCatalogue(1).getScales(1), "Phrygian;1,b2,b3,4,5,b6,b7"));
    EXPECT_TRUE(contains(loadedCatalogue(3).getScales(1), "Phrygian;1,b2,b3,4,5,b6,b7"));
    EXPECT_TRUE(contains(loadedCatalogue(2).getScales(1), "Augmented;1,b2,3,5,b6,7"));
    EXPECT_TRUE(contains(loadedCatalogue(3).getScales(1), "Augmented;1,#2,3,#4,#5,7"));
}

TEST(BuiltInCatalogueTest, DuplicateEntriesAreKept) {
    const Texts chords = loadedCatalogue(3).getScales(2);
    EXPECT_EQ(std::count(chords.begin(), chords.end(), "7;1,3,5,b7"), 2);
    EXPECT_EQ(std::count(chords.begin(), chords.end(), "add9;1,3,5,9"), 2);
    const Texts sorted = loadedCatalogue(2).getScales(0);
    EXPECT_EQ(std::count(sorted.begin(), sorted.end(), "Major Pentatonic;1,2,3,5,6"), 2);
}

TEST(BuiltInCatalogueTest, IntervalListsUseKnownTokensOnly) {
    const std::set<std::string> optional = {"(1)", "(3)", "(5)", "(9)", "(11)"};
    int b4 = 0;
    int sharp6 = 0;
    int withOptionalTones = 0;
    int withOptionalRoot = 0;
    for (int16_t number : {1, 2, 3}) {
        const ScaleSet set = loadedCatalogue(number);
        for (int16_t category = 1; category <= set.NumberOfScales(); ++category) {
            const std::string& categoryName = set.getScaleCategories()[category - 1];
            for (const std::string& entry : set.getScales(category)) {
                SCOPED_TRACE(entry);
                const Texts tokens = split(intervalsOf(entry), ',');
                EXPECT_TRUE(tokens.front() == "1" || tokens.front() == "(1)");
                bool hasOptional = false;
                for (const std::string& token : tokens) {
                    if (optional.count(token) != 0) {
                        hasOptional = true;
                        withOptionalRoot += token == "(1)" ? 1 : 0;
                        continue;
                    }
                    EXPECT_EQ(kSemitones.count(token), 1u) << "unknown token " << token;
                    b4 += token == "b4" ? 1 : 0;
                    sharp6 += token == "#6" ? 1 : 0;
                }
                if (hasOptional) {
                    ++withOptionalTones;
                    EXPECT_EQ(categoryName, "Various Chords");
                }
            }
        }
    }
    EXPECT_EQ(b4, 3);
    EXPECT_EQ(sharp6, 1);
    EXPECT_EQ(withOptionalRoot, 2);
    EXPECT_EQ(withOptionalTones, 32);
}
