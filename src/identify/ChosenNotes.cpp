#include "ChosenNotes.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 12> kFlatNames{"C",  "Db", "D",  "Eb", "E",  "F",
                                                 "Gb", "G",  "Ab", "A",  "Bb", "B"};

} // namespace

void ChosenNotes::toggle(const PickedNote& note) {
    const auto found = std::find_if(collNotes.begin(), collNotes.end(),
                                    [&note](const PickedNote& n) { return n.samePlace(note); });
    if (found != collNotes.end()) {
        collNotes.erase(found);
    } else {
        collNotes.push_back(note);
    }
}

void ChosenNotes::retune(int intInstrument, int intStrings, const std::array<int, 8>& openPitches) {
    std::erase_if(collNotes, [intInstrument, intStrings](const PickedNote& n) {
        return n.intInstrument != intInstrument ||
               (n.intInstrument == 1 && (n.intString < 1 || n.intString > intStrings));
    });
    for (PickedNote& note : collNotes) {
        if (note.intInstrument == 1) {
            note.intPitch = openPitches[static_cast<std::size_t>(note.intString)] + note.intFret;
        }
    }
}

PitchMask ChosenNotes::mask() const {
    PitchMask mask = 0;
    for (const PickedNote& note : collNotes) {
        mask = static_cast<PitchMask>(mask | pitchBit(note.intPitch));
    }
    return mask;
}

int ChosenNotes::bass() const {
    if (collNotes.empty()) {
        return -1;
    }
    const auto lowest = std::min_element(
        collNotes.begin(), collNotes.end(),
        [](const PickedNote& a, const PickedNote& b) { return a.intPitch < b.intPitch; });
    return ((lowest->intPitch % 12) + 12) % 12;
}

std::string ChosenNotes::text() const {
    std::vector<int> collPitches;
    for (const PickedNote& note : collNotes) {
        collPitches.push_back(note.intPitch);
    }
    std::sort(collPitches.begin(), collPitches.end());
    std::string strText;
    PitchMask named = 0;
    for (const int intPitch : collPitches) {
        if ((named & pitchBit(intPitch)) != 0) {
            continue;
        }
        named = static_cast<PitchMask>(named | pitchBit(intPitch));
        strText += (strText.empty() ? "" : " ") +
                   std::string(kFlatNames[static_cast<std::size_t>(((intPitch % 12) + 12) % 12)]);
    }
    return strText;
}
