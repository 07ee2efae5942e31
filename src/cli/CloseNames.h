#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Up to intMax names from collCandidates that look like a mistyped strWanted: the same letters in
// another case, a few letters added, dropped or changed, or one name inside the other. The
// closest come first; among equally close ones the candidates keep their order. No duplicates.
std::vector<std::string> closeNames(const std::string& strWanted,
                                    const std::vector<std::string>& collCandidates,
                                    std::size_t intMax = 3);
