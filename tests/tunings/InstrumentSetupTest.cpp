#include "InstrumentSetup.h"

#include "Globals.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::map<std::string, std::string>;

// The defaults as the preferences keep them.
const Texts kDefaultTexts{{"strings", "6"},
                          {"tuning", "E5 B4 G4 D4 A3 E3"},
                          {"showTuning", "true"},
                          {"showFretNumbers", "true"},
                          {"displayIntervals", "true"},
                          {"leftHand", "false"}};

Texts with(const std::map<std::string, std::string>& changes) {
    Texts texts = kDefaultTexts;
    for (const auto& [strKey, strValue] : changes) {
        texts[strKey] = strValue;
    }
    return texts;
}

} // namespace

// The defaults are written so; a five-string bass in flats, left-handed without fret numbers, goes
// out and comes back whole, and keys the setup does not know are ignored.
TEST(InstrumentSetupTexts, WhatIsWrittenIsReadBackIntoTheSettings) {
    Globals::setDefaultSettings();
    EXPECT_EQ(formatInstrumentSetup(captureInstrumentSetup()), kDefaultTexts);
    Texts texts = with({{"strings", "5"},
                        {"tuning", "Gb3 Db3 Ab2 Eb2 B1"},
                        {"leftHand", "true"},
                        {"showFretNumbers", "false"},
                        {"preset", "Cello"}});
    const auto setup = parseInstrumentSetup(texts);
    ASSERT_TRUE(setup.has_value());
    applyInstrumentSetup(*setup);
    EXPECT_EQ(Globals::Tuning(6)->getNoteName(true), "E3") << "a string above the count stays";
    texts.erase("preset");
    EXPECT_EQ(formatInstrumentSetup(captureInstrumentSetup()), texts);
}

// Anything a hand, another program or a broken disk may have left gives no setup at all, so the
// program keeps its defaults.
TEST(InstrumentSetupTexts, AnythingElseIsRefusedWhole) {
    std::vector<std::pair<const char*, Texts>> rows{
        {"two strings", with({{"strings", "2"}, {"tuning", "E5 B4"}})},
        {"eight strings", with({{"strings", "8"}, {"tuning", "E5 B4 G4 D4 A3 E3 B2 E2"}})},
        {"a leading zero", with({{"strings", "06"}})},
        {"one note short", with({{"tuning", "E5 B4 G4 D4 A3"}})},
        {"no octave", with({{"tuning", "E5 B4 G4 D4 A3 E"}})},
        {"E sharp", with({{"tuning", "E#5 B4 G4 D4 A3 E3"}})},
        {"a trailing blank", with({{"tuning", "E5 B4 G4 D4 A3 E3 "}})},
        {"a number for a Boolean", with({{"leftHand", "1"}})},
    };
    for (const char* strKey :
         {"strings", "tuning", "showTuning", "showFretNumbers", "displayIntervals", "leftHand"}) {
        Texts texts = kDefaultTexts;
        texts.erase(strKey);
        rows.emplace_back(strKey, texts);
    }
    ASSERT_TRUE(parseInstrumentSetup(kDefaultTexts).has_value())
        << "the rows start from a valid one";
    for (const auto& [strCase, texts] : rows) {
        EXPECT_FALSE(parseInstrumentSetup(texts).has_value()) << strCase;
    }
}
