#include "ScaleSet.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

using Texts = std::vector<std::string>;

TEST(ScaleSetTest, HeadingsOpenCategoriesOfTheEntriesThatFollow) {
    ScaleSet set;
    set.LoadScalesFromCollection({": Blues Scales", "Minor Pentatonic + b5;1,b3,4,b5,5,b7",
                                  "Blues Major;1,b3,3,4,b5,5,b7", ": Diminished Scales",
                                  ":Various Chords", ";1,3,5"});
    EXPECT_EQ(set.NumberOfScales(), 3);
    EXPECT_EQ(set.getScaleCategories(),
              (Texts{"Blues Scales", "Diminished Scales", "Various Chords"}));
    EXPECT_EQ(set.getScales(1),
              (Texts{"Minor Pentatonic + b5;1,b3,4,b5,5,b7", "Blues Major;1,b3,3,4,b5,5,b7"}));
    EXPECT_TRUE(set.getScales(2).empty()); // a heading straight after a heading
    EXPECT_EQ(set.getScales(3), (Texts{";1,3,5"}));
    EXPECT_TRUE(set.getScales(4).empty());

    // Category, position from 0, name and interval list found ("-" when left unchanged).
    const std::tuple<int16_t, int16_t, const char*, const char*> rows[] = {
        {1, 1, "Blues Major", "1,b3,3,4,b5,5,b7"},
        {3, 0, "", "1,3,5"}, // the nameless major triad
        {2, 0, "", "1,3,5"}, // the empty category starts at the next one's first entry
        {4, 0, "-", "-"},    // out of range: both outputs stay as they were
        {3, 1, "-", "-"},
        {1, -1, "-", "-"},
    };
    for (const auto& [category, position, name, intervals] : rows) {
        SCOPED_TRACE(std::to_string(category) + "/" + std::to_string(position));
        std::string found[2] = {"-", "-"};
        set.getScaleInfo(category, position, found[0], found[1]);
        EXPECT_EQ(found[0] + ";" + found[1], std::string(name) + ";" + intervals);
    }

    // Loading again replaces everything; malformed texts are skipped and blanks trimmed.
    set.LoadScalesFromCollection({"Orphan;1,3,5", ":  First ", "no semicolon", "two;semi;colons",
                                  "  Dorian;1,2,b3  ", ":Second", "Lydian;1,2,3,#4"});
    EXPECT_EQ(set.getScaleCategories(), (Texts{"First", "Second"}));
    EXPECT_EQ(set.getScales(1), (Texts{"Dorian;1,2,b3"}));
    EXPECT_EQ(set.getScales(2), (Texts{"Lydian;1,2,3,#4"}));
    // An entry before the first heading belongs to no category: only the whole list has it.
    EXPECT_EQ(set.getScales(0), (Texts{"Orphan;1,3,5", "Dorian;1,2,b3", "Lydian;1,2,3,#4"}));
}
