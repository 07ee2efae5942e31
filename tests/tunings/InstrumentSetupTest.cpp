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

Texts with(const std::string& strKey, const std::string& strValue) {
    Texts texts = kDefaultTexts;
    texts[strKey] = strValue;
    return texts;
}

} // namespace

TEST(InstrumentSetupTexts, TheDefaultsAreWrittenSo) {
    Globals::setDefaultSettings();
    EXPECT_EQ(formatInstrumentSetup(captureInstrumentSetup()), kDefaultTexts);
}

// A five-string bass in flats, left-handed without labels, goes out and comes back whole.
TEST(InstrumentSetupTexts, WhatIsWrittenIsReadBackIntoTheSettings) {
    Globals::setDefaultSettings();
    const Texts texts{{"strings", "5"},
                      {"tuning", "Gb3 Db3 Ab2 Eb2 B1"},
                      {"showTuning", "false"},
                      {"showFretNumbers", "false"},
                      {"displayIntervals", "false"},
                      {"leftHand", "true"}};
    const auto setup = parseInstrumentSetup(texts);
    ASSERT_TRUE(setup.has_value());
    applyInstrumentSetup(*setup);
    EXPECT_EQ(Globals::NumberOfStrings(), 5);
    EXPECT_EQ(Globals::Tuning(1)->Pitch(), 6);
    EXPECT_EQ(Globals::Tuning(1)->Sign(), 2);
    EXPECT_EQ(Globals::Tuning(4)->getNoteName(true), "Eb2");
    EXPECT_EQ(Globals::Tuning(5)->Octave(), 1);
    EXPECT_EQ(Globals::Tuning(6)->getNoteName(true), "E3") << "a string above the count stays";
    EXPECT_FALSE(Globals::ShowTuning());
    EXPECT_FALSE(Globals::ShowFretNumbers());
    EXPECT_FALSE(Globals::DisplayIntervals());
    EXPECT_TRUE(Globals::LeftHand());
    EXPECT_EQ(formatInstrumentSetup(captureInstrumentSetup()), texts);
}

TEST(InstrumentSetupTexts, ExtraKeysAreIgnored) {
    Texts texts = kDefaultTexts;
    texts["remember"] = "true";
    texts["preset"] = "Cello";
    EXPECT_TRUE(parseInstrumentSetup(texts).has_value());
}

// Anything a hand, another program or a broken disk may have left gives no setup at all, so the
// program keeps its defaults.
TEST(InstrumentSetupTexts, AnythingElseIsRefusedWhole) {
    std::vector<std::pair<const char*, Texts>> rows{
        {"nothing", {}},
        {"two strings", with("strings", "2")},
        {"eight strings", with("strings", "8")},
        {"a leading zero", with("strings", "06")},
        {"a word", with("strings", "six")},
        {"a negative count", with("strings", "-6")},
        {"one note short", with("tuning", "E5 B4 G4 D4 A3")},
        {"one note more", with("tuning", "E5 B4 G4 D4 A3 E3 B2")},
        {"no octave", with("tuning", "E5 B4 G4 D4 A3 E")},
        {"a two-digit octave", with("tuning", "E5 B4 G4 D4 A3 E10")},
        {"no such letter", with("tuning", "E5 H4 G4 D4 A3 E3")},
        {"lower case", with("tuning", "e5 B4 G4 D4 A3 E3")},
        {"E sharp", with("tuning", "E#5 B4 G4 D4 A3 E3")},
        {"a double flat", with("tuning", "E5 B4 G4 Dbb4 A3 E3")},
        {"two blanks", with("tuning", "E5  B4 G4 D4 A3 E3")},
        {"a trailing blank", with("tuning", "E5 B4 G4 D4 A3 E3 ")},
        {"a comma list", with("tuning", "E5,B4,G4,D4,A3,E3")},
        {"an empty tuning", with("tuning", "")},
        {"a number for a Boolean", with("leftHand", "1")},
        {"a capital Boolean", with("showTuning", "True")},
        {"an empty Boolean", with("displayIntervals", "")},
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
