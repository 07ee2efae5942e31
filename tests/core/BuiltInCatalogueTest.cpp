#include "BuiltInCatalogue.h"

#include "Intervals.h"
#include "ScaleSet.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using Texts = std::vector<std::string>;

TEST(BuiltInCatalogueTest, CataloguesHoldTheirCategoriesAndEntries) {
    // Catalogue number, texts in it, each category with its number of entries.
    const std::tuple<int16_t, std::size_t, Texts> rows[] = {
        {1, 32, {"Ionian 7", "Melodic Minor 7", "Harmonic Minor 7", "Harmonic Major 7"}},
        {2,
         47,
         {"Major Scales 8", "Minor Scales 11", "Dominant Scales 13", "Half-diminished Scales 4",
          "Diminished Scales 3", "Blues Scales 2"}},
        {3, 103, {"Unsorted Scales 45", "Various Chords 56"}},
        {0, 0, {}},
        {4, 0, {}}};
    for (const auto& [number, texts, categories] : rows) {
        const Texts catalogue = getBuiltInCatalogue(number);
        ScaleSet set;
        set.LoadScalesFromCollection(catalogue);
        Texts found;
        for (int16_t category = 1; category <= set.NumberOfScales(); ++category) {
            found.push_back(set.getScaleCategories()[category - 1] + " " +
                            std::to_string(set.getScales(category).size()));
        }
        EXPECT_EQ(catalogue.size(), texts) << number;
        EXPECT_EQ(found, categories) << number;
    }
}

TEST(BuiltInCatalogueTest, EntriesUseKnownTokensAndKeepTheirSpelling) {
    // Optional tones in parentheses and the spellings b4 and #6 name no interval.
    const std::set<std::string> exceptions = {"(1)", "(3)", "(5)", "(9)", "(11)", "b4", "#6"};
    int unusualSpellings = 0;
    for (int16_t number : {1, 2, 3}) {
        ScaleSet set;
        set.LoadScalesFromCollection(getBuiltInCatalogue(number));
        for (const std::string& entry : set.getScales(0)) {
            std::istringstream tokens(entry.substr(entry.find(';') + 1));
            for (std::string token; std::getline(tokens, token, ',');) {
                unusualSpellings += token == "b4" || token == "#6";
                EXPECT_TRUE(exceptions.count(token) == 1 || Intervals::getPosition(token) != 0)
                    << entry << ": " << token;
            }
        }
    }
    EXPECT_EQ(unusualSpellings, 4); // b4 in three entries, #6 in one
}

// Every text of the three catalogues, in order, as listed in data/catalogues.tsv (catalogue
// number, tab, text); names keep their spelling, since saved file names are made from them.
TEST(BuiltInCatalogueTest, EveryTextIsPinned) {
    std::ifstream table(GAMUTRIX_TEST_DATA "/catalogues.tsv");
    ASSERT_TRUE(table.is_open());
    std::array<Texts, 3> expected;
    for (std::string line; std::getline(table, line);) {
        expected.at(static_cast<std::size_t>(line[0] - '1')).push_back(line.substr(2));
    }
    for (int16_t number = 1; number <= 3; ++number) {
        EXPECT_EQ(getBuiltInCatalogue(number), expected[static_cast<std::size_t>(number - 1)])
            << number;
    }
}
