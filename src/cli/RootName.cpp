#include "RootName.h"

#include <string>

const std::array<std::string_view, 17> kRootNames{
    "C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#", "Gb", "G", "G#", "Ab", "A", "A#", "Bb", "B"};

std::optional<RootButtons> rootFromName(std::string_view strName) {
    constexpr std::string_view strLetters = "CDEFGAB";
    if (strName.empty() || strName.size() > 2) {
        return std::nullopt;
    }
    const std::size_t intLetter = strLetters.find(strName[0]);
    if (intLetter == std::string_view::npos) {
        return std::nullopt;
    }
    RootButtons root{static_cast<int16_t>(intLetter), 0};
    if (strName.size() == 2) {
        if (strName[1] == '#') {
            root.intPitchAdd = 1;
        } else if (strName[1] == 'b') {
            root.intPitchAdd = 2;
        } else {
            return std::nullopt;
        }
    }
    // There is no C flat, E sharp, F flat or B sharp among the window's roots.
    const bool boolRefused = (root.intPitchBtn == 0 && root.intPitchAdd == 2) ||
                             (root.intPitchBtn == 2 && root.intPitchAdd == 1) ||
                             (root.intPitchBtn == 3 && root.intPitchAdd == 2) ||
                             (root.intPitchBtn == 6 && root.intPitchAdd == 1);
    if (boolRefused) {
        return std::nullopt;
    }
    return root;
}
