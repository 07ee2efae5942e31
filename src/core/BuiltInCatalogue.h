#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The texts of built-in catalogue 1 "Main Scales", 2 "Sorted Scales" or
// 3 "Various Scales / Chords", headings first in each category; any other number gives none.
std::vector<std::string> getBuiltInCatalogue(int16_t intCatalogue);
