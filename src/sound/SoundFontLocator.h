#pragma once

#include <string>
#include <vector>

// Where a General MIDI SoundFont is looked for: the better FluidR3 set when installed, then the
// default that Debian's alternatives point to, then the small TimGM6mb set.
std::vector<std::string> standardSoundFontPaths();

// The first readable regular file: strOverride when given (a preference), else the candidates in
// order. Empty when there is none.
std::string
findSoundFont(const std::string& strOverride,
              const std::vector<std::string>& collCandidates = standardSoundFontPaths());
