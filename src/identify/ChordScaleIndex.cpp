#include "ChordScaleIndex.h"

#include "BuiltInCatalogue.h"
#include "IntervalTable.h"
#include "ScaleSet.h"
#include "StandardScale.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace {

constexpr std::array<int, 8> kMajorDegreeSemitones{0, 0, 2, 4, 5, 7, 9, 11};

// The pitch classes of an interval set above a root; 0 when two members share one, for then the
// build only spells a smaller chord again (#9 on a minor third, 13 on a diminished seventh...).
PitchMask chordMask(int32_t longIntervals, int intRootPitch) {
    PitchMask mask = 0;
    for (int intPosition = 1; intPosition <= 16; ++intPosition) {
        if ((longIntervals & (int32_t{1} << (intPosition - 1))) == 0) {
            continue;
        }
        const PitchMask bit = pitchBit(intRootPitch + positionSemitones(intPosition));
        if ((mask & bit) != 0) {
            return 0;
        }
        mask = static_cast<PitchMask>(mask | bit);
    }
    return mask;
}

} // namespace

int positionSemitones(int intPosition) {
    if (intPosition < 2 || intPosition > 16) {
        return 0;
    }
    const IntervalSlot& slot = kIntervalSlots[static_cast<std::size_t>(intPosition - 2)];
    const int intAlteration = slot.alteration == 1   ? -1
                              : slot.alteration == 3 ? 1
                              : slot.alteration == 4 ? -2
                                                     : 0;
    return kMajorDegreeSemitones[static_cast<std::size_t>(slot.degree)] + intAlteration;
}

std::string ChordRow::name() const {
    const std::string strRoot = kRoots[static_cast<std::size_t>(intRoot)].strName;
    return strSuffix.empty() ? strRoot : strRoot + " " + std::string(strSuffix);
}

std::vector<std::string> SpelledNotes::names() const {
    std::vector<std::string> collNames;
    for (int i = 0; i < intCount; ++i) {
        collNames.emplace_back(
            kRoots[static_cast<std::size_t>(notes[static_cast<std::size_t>(i)])].strName);
    }
    return collNames;
}

ChordScaleIndex::ChordScaleIndex() {
    // The builder's chords, once without a root: each interval set once, from its first state.
    std::vector<std::pair<ChordChoice, int32_t>> collBuilds;
    for (const ChordChoice& choice : reachableChordChoices()) {
        const Intervals built = buildChord(choice);
        if (choiceFor(built.IntervalBits()) != nullptr) {
            continue;
        }
        collBuilds.emplace_back(choice, built.IntervalBits());
        collSuffixes.push_back(built.getChordSuffix());
        const auto place =
            std::lower_bound(collBuildable.begin(), collBuildable.end(), built.IntervalBits(),
                             [](const std::pair<int32_t, ChordChoice>& entry, int32_t bits) {
                                 return entry.first < bits;
                             });
        collBuildable.insert(place, {built.IntervalBits(), choice});
    }

    collChords.reserve(kRoots.size() * collBuilds.size());
    for (std::size_t r = 0; r < kRoots.size(); ++r) {
        for (std::size_t b = 0; b < collBuilds.size(); ++b) {
            const PitchMask mask = chordMask(collBuilds[b].second, kRoots[r].intPitch);
            if (mask != 0) {
                collChords.push_back({static_cast<int>(r), collBuilds[b].first,
                                      collBuilds[b].second, collSuffixes[b], mask});
            }
        }
    }
    collChordsByMask.resize(collChords.size());
    for (std::size_t i = 0; i < collChords.size(); ++i) {
        collChordsByMask[i] = static_cast<int>(i);
    }
    std::stable_sort(collChordsByMask.begin(), collChordsByMask.end(), [this](int a, int b) {
        return collChords[static_cast<std::size_t>(a)].mask <
               collChords[static_cast<std::size_t>(b)].mask;
    });

    // Each interval slot spelled on each root, as the scale model spells it: a scale's notes are
    // the root and the notes of its slots, each found on its own.
    std::array<std::array<int8_t, 16>, kRoots.size()> spelled{};
    std::string strAllSlots = "1";
    for (const IntervalSlot& slot : kIntervalSlots) {
        strAllSlots += "," + std::string(slot.canonical);
    }
    StandardScale scaleAll;
    scaleAll.setScale(strAllSlots);
    for (std::size_t r = 0; r < kRoots.size(); ++r) {
        auto noteRoot = std::make_shared<SimpleNote>();
        noteRoot->setPitchFromButtons(kRoots[r].intLetter, kRoots[r].intAccidental);
        scaleAll.setRootNote(noteRoot);
        const std::vector<SimpleNote> collNotes = scaleAll.getAllNotes(1);
        for (std::size_t s = 0; s < collNotes.size() && s < 16; ++s) {
            spelled[r][s] = static_cast<int8_t>(rootIndexOf(collNotes[s].getNoteName()));
        }
    }

    std::size_t intEntries = 0;
    std::vector<std::pair<int16_t, std::vector<std::string>>> collCatalogues;
    for (int16_t intCatalogue = 1; intCatalogue <= 3; ++intCatalogue) {
        collCatalogues.emplace_back(intCatalogue, getBuiltInCatalogue(intCatalogue));
        intEntries += collCatalogues.back().second.size();
    }
    // Rows keep views of the names: no reallocation once they are taken.
    collScaleNames.reserve(intEntries);
    collScales.reserve(intEntries * kRoots.size());
    for (const auto& [intCatalogue, collTexts] : collCatalogues) {
        ScaleSet catalogue;
        catalogue.LoadScalesFromCollection(collTexts);
        const auto intCategories = static_cast<int16_t>(catalogue.getScaleCategories().size());
        // An entry listed twice in a catalogue gives the same rows twice: only the first counts.
        std::vector<std::string> collSeen;
        for (int16_t intCategory = 1; intCategory <= intCategories; ++intCategory) {
            const std::vector<std::string> collEntries = catalogue.getScales(intCategory);
            for (std::size_t e = 0; e < collEntries.size(); ++e) {
                if (std::find(collSeen.begin(), collSeen.end(), collEntries[e]) != collSeen.end()) {
                    continue;
                }
                collSeen.push_back(collEntries[e]);
                std::string strName;
                std::string strIntervals;
                catalogue.getScaleInfo(intCategory, static_cast<int16_t>(e), strName, strIntervals);
                collScaleNames.push_back(strName);
                StandardScale scale;
                scale.setScale(strIntervals);
                for (std::size_t r = 0; r < kRoots.size(); ++r) {
                    ScaleRow row{static_cast<int>(r),
                                 intCatalogue,
                                 intCategory,
                                 static_cast<int16_t>(e),
                                 collScaleNames.back(),
                                 {},
                                 0};
                    row.notes.add(spelled[r][0]);
                    for (std::size_t s = 0; s < kIntervalSlots.size(); ++s) {
                        if ((scale.IntervalMask() & (int32_t{1} << s)) != 0) {
                            row.notes.add(spelled[r][s + 1]);
                        }
                    }
                    for (int i = 0; i < row.notes.intCount; ++i) {
                        const int intNote = row.notes.notes[static_cast<std::size_t>(i)];
                        row.mask = static_cast<PitchMask>(
                            row.mask |
                            pitchBit(kRoots[static_cast<std::size_t>(intNote)].intPitch));
                    }
                    collScales.push_back(row);
                }
            }
        }
    }
}

Identification ChordScaleIndex::identify(PitchMask mask, int intBass) const {
    Identification result;
    if (mask == 0) {
        return result;
    }
    const auto [first, last] = std::equal_range(
        collChordsByMask.begin(), collChordsByMask.end(), mask,
        [this](const auto& a, const auto& b) {
            const auto maskOf = [this](const auto& x) {
                if constexpr (std::is_same_v<std::decay_t<decltype(x)>, PitchMask>) {
                    return x;
                } else {
                    return collChords[static_cast<std::size_t>(x)].mask;
                }
            };
            return maskOf(a) < maskOf(b);
        });
    for (const bool boolOnBass : {true, false}) {
        for (auto it = first; it != last; ++it) {
            const ChordRow& chord = collChords[static_cast<std::size_t>(*it)];
            const bool boolRootOnBass =
                kRoots[static_cast<std::size_t>(chord.intRoot)].intPitch == intBass;
            if (boolRootOnBass == boolOnBass) {
                result.collChords.push_back(&chord);
            }
        }
    }
    for (const ScaleRow& row : collScales) {
        if ((row.mask & mask) != mask) {
            continue;
        }
        ScaleMatch match{&row, {}};
        for (int i = 0; i < row.notes.intCount; ++i) {
            const int intNote = row.notes.notes[static_cast<std::size_t>(i)];
            if ((pitchBit(kRoots[static_cast<std::size_t>(intNote)].intPitch) & mask) == 0) {
                match.extraNotes.add(intNote);
            }
        }
        result.collScales.push_back(match);
    }
    std::stable_sort(result.collScales.begin(), result.collScales.end(),
                     [](const ScaleMatch& a, const ScaleMatch& b) {
                         return a.extraNotes.intCount < b.extraNotes.intCount;
                     });
    return result;
}

const ChordChoice* ChordScaleIndex::choiceFor(int32_t longIntervals) const {
    const auto found = std::lower_bound(collBuildable.begin(), collBuildable.end(), longIntervals,
                                        [](const std::pair<int32_t, ChordChoice>& entry,
                                           int32_t bits) { return entry.first < bits; });
    return found != collBuildable.end() && found->first == longIntervals ? &found->second : nullptr;
}
