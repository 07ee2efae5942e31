#include "BuiltInCatalogue.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// Every text of the three catalogues, in order, as listed in data/catalogues.tsv (catalogue
// number, tab, text); names keep their spelling, since saved file names are made from them.
TEST(BuiltInCatalogueTest, EveryTextIsPinned) {
    std::ifstream table(GAMUTRIX_TEST_DATA "/catalogues.tsv");
    ASSERT_TRUE(table.is_open());
    std::array<Texts, 5> expected; // no catalogues 0 and 4
    for (std::string line; std::getline(table, line);) {
        expected.at(static_cast<std::size_t>(line[0] - '0')).push_back(line.substr(2));
    }
    for (int16_t number = 0; number < 5; ++number) {
        EXPECT_EQ(getBuiltInCatalogue(number), expected[static_cast<std::size_t>(number)])
            << number;
    }
}
