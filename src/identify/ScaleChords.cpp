#include "ScaleChords.h"

#include "IntervalTable.h"
#include "StandardScale.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::array<const char*, 7> kNumerals{"I", "II", "III", "IV", "V", "VI", "VII"};

// The interval a member stands at above a chord root, from the number of scale steps between them
// (2 a third, 4 a fifth, 6 a seventh) and the semitones; none for any other size.
std::optional<const char*> stackedInterval(int intSteps, int intSemitones) {
    switch (intSteps * 100 + intSemitones) {
    case 203:
        return "b3";
    case 204:
        return "3";
    case 406:
        return "b5";
    case 407:
        return "5";
    case 408:
        return "#5";
    case 609:
        return "bb7";
    case 610:
        return "b7";
    case 611:
        return "7";
    default:
        return std::nullopt;
    }
}

StackedChord stackChord(const std::vector<SimpleNote>& collNotes, std::size_t intDegree,
                        int intMembers, const ChordScaleIndex& index) {
    StackedChord chord;
    const SimpleNote& noteRoot = collNotes[intDegree];
    chord.intRoot = rootIndexOf(noteRoot.getNoteName());
    Intervals intervals;
    intervals.toggleInterval("1");
    bool boolExpressible = true;
    for (int m = 0; m < intMembers; ++m) {
        const int intSteps = 2 * m;
        const SimpleNote& note = collNotes[(intDegree + static_cast<std::size_t>(intSteps)) % 7];
        chord.collNotes.push_back(note.getNoteName());
        if (m == 0) {
            continue;
        }
        const int intSemitones = ((note.Pitch() - noteRoot.Pitch()) % 12 + 12) % 12;
        const std::optional<const char*> token = stackedInterval(intSteps, intSemitones);
        if (token) {
            intervals.toggleInterval(*token);
        } else {
            boolExpressible = false;
        }
    }
    const ChordChoice* choice =
        boolExpressible ? index.choiceFor(intervals.IntervalBits()) : nullptr;
    if (choice != nullptr && chord.intRoot >= 0) {
        chord.boolBuildable = true;
        chord.choice = *choice;
        chord.strSuffix = intervals.getChordSuffix();
    }
    return chord;
}

} // namespace

std::string StackedChord::name(const std::string& strMissing) const {
    if (!boolBuildable) {
        return strMissing;
    }
    const std::string strRoot = kRoots[static_cast<std::size_t>(intRoot)].strName;
    return strSuffix.empty() ? strRoot : strRoot + " " + strSuffix;
}

std::vector<DegreeChords> chordsOfScale(const StandardScale& scale, const ChordScaleIndex& index) {
    // The root is degree 1; every other member counts on the degree of its token.
    std::array<int, 8> collOnDegree{0, 1, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < kIntervalSlots.size(); ++i) {
        if ((scale.IntervalMask() & (int32_t{1} << i)) != 0) {
            ++collOnDegree[static_cast<std::size_t>(kIntervalSlots[i].degree)];
        }
    }
    const std::vector<SimpleNote> collNotes = scale.getAllNotes(1);
    std::vector<DegreeChords> collChords;
    if (collNotes.size() != 7 ||
        std::any_of(collOnDegree.begin() + 1, collOnDegree.end(), [](int n) { return n != 1; })) {
        return collChords;
    }
    // Slots ascend with their degree, so the notes stand in degree order.
    for (std::size_t d = 0; d < 7; ++d) {
        collChords.push_back(
            {kNumerals[d], stackChord(collNotes, d, 3, index), stackChord(collNotes, d, 4, index)});
    }
    return collChords;
}
