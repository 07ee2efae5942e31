#include "Intervals.h"

#include "IntervalTable.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace {

int32_t bitOf(int16_t intPosition) {
    return intPosition > 0 ? int32_t{1} << (intPosition - 1) : 0;
}

// Additions text of a triad, indexed by has "2" + 2 x has "4" + 4 x has "6".
constexpr std::array<const char*, 8> kAdditionsTexts{"",  "add9", "add11",  "add9add11",
                                                     "6", "6/9",  "6add11", "6add9add11"};

} // namespace

int16_t Intervals::getPosition(const std::string& strInt) {
    if (strInt == "1") {
        return 1;
    }
    const int16_t intSlot = intervalSlotOf(strInt);
    return intSlot > 0 ? static_cast<int16_t>(intSlot + 1) : int16_t{0};
}

bool Intervals::isInterval(const std::string& strInt) const {
    return (longIntervals & bitOf(getPosition(strInt))) != 0;
}

void Intervals::setInterval(const std::string& strInt) {
    longIntervals |= bitOf(getPosition(strInt));
}

void Intervals::toggleInterval(const std::string& strInt) {
    longIntervals ^= bitOf(getPosition(strInt));
}

std::string Intervals::getScaleString() const {
    std::string strList = "1";
    for (std::size_t i = 0; i < kIntervalSlots.size(); ++i) {
        // Slot i + 1 is position i + 2, held in bit i + 1.
        if ((longIntervals & (int32_t{1} << (i + 1))) != 0) {
            strList += ',';
            strList += kIntervalSlots[i].canonical;
        }
    }
    return strList;
}

std::string Intervals::getChordSuffix() const {
    const auto has = [this](std::initializer_list<const char*> tokens) {
        for (const char* token : tokens) {
            if (!isInterval(token)) {
                return false;
            }
        }
        return true;
    };
    // The name is chosen among literals and made a string once: assigning literals to a
    // std::string here makes GCC 12 at -O2/-O3 warn (-Wrestrict) inside the inlined copy.
    std::string_view strKind = "?";

    if (has({"bb7"}) || has({"b7"}) || has({"7"})) {
        if (has({"1", "3", "#5", "7"})) {
            strKind = "maj7#5";
        }
        if (has({"1", "5", "7"})) {
            if (has({"3"})) {
                strKind = "maj7";
            } else if (has({"b3"})) {
                strKind = "mmaj7";
            } else if (has({"4"})) {
                strKind = "maj7sus4";
            }
        }
        if (has({"1", "5", "b7"})) {
            if (has({"3"})) {
                strKind = "7";
            } else if (has({"b3"})) {
                strKind = "m7";
            } else if (has({"4"})) {
                strKind = "7sus4";
            }
        }
        if (has({"1", "b3", "b5", "b7"})) {
            strKind = "m7b5";
        }
        if (has({"1", "b3", "b5", "bb7"})) {
            strKind = "o7";
        }
        std::string strSuffix(strKind);
        static constexpr std::array<const char*, 7> kExtensionTags{"b9",  "9",  "#9", "11",
                                                                   "#11", "13", "b13"};
        for (const char* strTag : kExtensionTags) {
            if (has({strTag})) {
                strSuffix += '/';
                strSuffix += strTag;
            }
        }
        return strSuffix;
    }

    const std::string_view strAdditions =
        kAdditionsTexts[(has({"2"}) ? 1U : 0U) + (has({"4"}) ? 2U : 0U) + (has({"6"}) ? 4U : 0U)];
    bool boolMarkAdditions = false;
    if (has({"1", "5"})) {
        if (has({"3"})) {
            strKind = strAdditions;
        } else if (has({"b3"})) {
            strKind = "m";
            boolMarkAdditions = true;
        } else if (has({"2"})) {
            if (has({"6"})) {
                strKind = has({"4"}) ? "6sus2sus4" : "6sus2";
            } else {
                strKind = "sus2";
            }
        } else {
            strKind = has({"4"}) ? "sus4" : "5";
        }
    }
    if (has({"1", "b3", "b5"})) {
        strKind = "o";
        boolMarkAdditions = true;
    }
    if (has({"1", "3", "#5"})) {
        strKind = "+";
        boolMarkAdditions = true;
    }
    std::string strSuffix(strKind);
    if (boolMarkAdditions) {
        strSuffix += strAdditions;
    }
    return strSuffix;
}
