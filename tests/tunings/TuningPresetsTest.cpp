#include "TuningPresets.h"

#include "Globals.h"

#include <gtest/gtest.h>

namespace {

// Every preset as a musician writes it: the sounding pitches as MIDI numbers (middle C = 60,
// the guitar's low E = 40) and their names, from the lowest string up.
struct PresetRow {
    const char* strId;
    const char* strCaption;
    std::vector<int> intMidi;
    std::vector<std::string> strNames;
};
const std::vector<PresetRow> kPresetRows{
    {"GuitarStandard",
     "Standard (E A D G B E)",
     {40, 45, 50, 55, 59, 64},
     {"E", "A", "D", "G", "B", "E"}},
    {"GuitarDropD",
     "Drop D (D A D G B E)",
     {38, 45, 50, 55, 59, 64},
     {"D", "A", "D", "G", "B", "E"}},
    {"GuitarDStandard",
     "D Standard (D G C F A D)",
     {38, 43, 48, 53, 57, 62},
     {"D", "G", "C", "F", "A", "D"}},
    {"GuitarDADGAD",
     "DADGAD (D A D G A D)",
     {38, 45, 50, 55, 57, 62},
     {"D", "A", "D", "G", "A", "D"}},
    {"GuitarOpenG",
     "Open G (D G D G B D)",
     {38, 43, 50, 55, 59, 62},
     {"D", "G", "D", "G", "B", "D"}},
    {"GuitarOpenD",
     "Open D (D A D F# A D)",
     {38, 45, 50, 54, 57, 62},
     {"D", "A", "D", "F#", "A", "D"}},
    {"GuitarOpenE",
     "Open E (E B E G# B E)",
     {40, 47, 52, 56, 59, 64},
     {"E", "B", "E", "G#", "B", "E"}},
    // Flat spellings: every string a semitone below standard.
    {"GuitarHalfStepDown",
     "Half Step Down (Eb Ab Db Gb Bb Eb)",
     {39, 44, 49, 54, 58, 63},
     {"Eb", "Ab", "Db", "Gb", "Bb", "Eb"}},
    {"GuitarSevenString",
     "7-String (B E A D G B E)",
     {35, 40, 45, 50, 55, 59, 64},
     {"B", "E", "A", "D", "G", "B", "E"}},
    {"GuitarBaritone",
     "Baritone (B E A D F# B)",
     {35, 40, 45, 50, 54, 59},
     {"B", "E", "A", "D", "F#", "B"}},
    {"BassFourString", "4-String (E A D G)", {28, 33, 38, 43}, {"E", "A", "D", "G"}},
    {"BassFiveString", "5-String (B E A D G)", {23, 28, 33, 38, 43}, {"B", "E", "A", "D", "G"}},
    {"BassSixString",
     "6-String (B E A D G C)",
     {23, 28, 33, 38, 43, 48},
     {"B", "E", "A", "D", "G", "C"}},
    // Re-entrant: the fourth string's G is above middle C.
    {"UkuleleStandard", "Standard (G C E A)", {67, 60, 64, 69}, {"G", "C", "E", "A"}},
    {"UkuleleBaritone", "Baritone (D G B E)", {50, 55, 59, 64}, {"D", "G", "B", "E"}},
    {"Mandolin", "Mandolin (G D A E)", {55, 62, 69, 76}, {"G", "D", "A", "E"}},
    {"Violin", "Violin (G D A E)", {55, 62, 69, 76}, {"G", "D", "A", "E"}},
    {"Viola", "Viola (C G D A)", {48, 55, 62, 69}, {"C", "G", "D", "A"}},
    {"Cello", "Cello (C G D A)", {36, 43, 50, 57}, {"C", "G", "D", "A"}},
};

} // namespace

TEST(TuningPresets, EachSetsItsStringsPitchesOctavesAndSpelling) {
    const std::vector<TuningPreset>& presets = getTuningPresets();
    ASSERT_EQ(presets.size(), kPresetRows.size());
    for (std::size_t p = 0; p < presets.size(); ++p) {
        const PresetRow& row = kPresetRows[p];
        SCOPED_TRACE(row.strId);
        EXPECT_EQ(presets[p].strId, row.strId);
        EXPECT_EQ(getPresetCaption(presets[p]), row.strCaption);
        Globals::setDefaultSettings();
        Globals::setLeftHand(true);
        Globals::setShowTuning(false);
        applyTuningPreset(presets[p]);
        const auto intStrings = static_cast<int>(row.intMidi.size());
        ASSERT_EQ(Globals::NumberOfStrings(), intStrings);
        // String 1 is the highest-sounding (last written) string.
        for (int i = 1; i <= intStrings; ++i) {
            const auto k = static_cast<std::size_t>(intStrings - i);
            const auto note = Globals::Tuning(i);
            EXPECT_EQ(note->Pitch(), row.intMidi[k] % 12) << "string " << i;
            EXPECT_EQ(note->Octave(), row.intMidi[k] / 12) << "string " << i;
            EXPECT_EQ(note->getNoteName(), row.strNames[k]) << "string " << i;
        }
        // Like the setup dialog: the display options stay.
        EXPECT_TRUE(Globals::LeftHand());
        EXPECT_FALSE(Globals::ShowTuning());
    }
}

TEST(TuningPresets, GuitarStandardIsTheDefaultTuning) {
    Globals::setDefaultSettings();
    std::vector<std::string> strDefault;
    for (int i = 1; i <= 6; ++i) {
        strDefault.push_back(Globals::Tuning(i)->getNoteName(true) + "/" +
                             std::to_string(Globals::Tuning(i)->Sign()));
    }
    applyTuningPreset(getTuningPresets()[0]);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Globals::Tuning(i)->getNoteName(true) + "/" +
                      std::to_string(Globals::Tuning(i)->Sign()),
                  strDefault[static_cast<std::size_t>(i - 1)]);
    }
}

TEST(TuningPresets, AFewerStringPresetKeepsTheStringsAboveLikeTheDialog) {
    Globals::setDefaultSettings();
    applyTuningPreset(getTuningPresets()[8]);  // seven strings, B on string 7
    applyTuningPreset(getTuningPresets()[10]); // four-string bass
    EXPECT_EQ(Globals::NumberOfStrings(), 4);
    EXPECT_EQ(Globals::Tuning(5)->getNoteName(true), "A3");
    EXPECT_EQ(Globals::Tuning(7)->getNoteName(true), "B2");
}

// A small table of its own: a guitar, two four-string twins that differ only in octaves, and a
// five-string whose top four strings are the twins'.
const std::vector<TuningPreset> kTestPresets{
    {"Six", "Six", "", {"E5", "B4", "G4", "D4", "A3", "E3"}},
    {"TwinHigh", "Twin", "High", {"E6", "A5", "D5", "G4"}},
    {"TwinLow", "Twin", "Low", {"E4", "A3", "D3", "G2"}},
    {"Five", "Five", "", {"E5", "A4", "D4", "G3", "C3"}},
};

// Stores the strings as the setup dialog does: octave 3, sharps.
void setStrings(const std::vector<std::string>& strNames) {
    Globals::setNumberOfStrings(static_cast<int16_t>(strNames.size()));
    int i = 1;
    for (const std::string& strName : strNames) {
        auto note = std::make_shared<SimpleNote>();
        note->setNote(strName + "3");
        Globals::setTuning(i++, note);
    }
}

TEST(TuningPresetMatch, SameCountAndPitchClassesWithTheLastChoiceFirst) {
    const struct {
        const char* strCase;
        std::vector<std::string> strStrings;
        int intPreferred, intExpected;
    } kRows[]{
        {"defaults in the dialog's octaves", {"E", "B", "G", "D", "A", "E"}, -1, 0},
        {"the twins: the first", {"E", "A", "D", "G"}, -1, 1},
        {"the twins: the one chosen last", {"E", "A", "D", "G"}, 2, 2},
        {"chosen last no longer matching", {"E", "A", "D", "G"}, 0, 1},
        {"chosen last out of range", {"E", "A", "D", "G"}, 9, 1},
        {"a fifth string more is another instrument", {"E", "A", "D", "G", "C"}, 1, 3},
        {"one string off", {"E", "A", "D", "F#"}, -1, -1},
        {"F flat is E", {"Fb", "A", "D", "G"}, -1, 1},
        {"three of the twins' strings", {"E", "A", "D"}, -1, -1},
        {"strings in another order", {"G", "D", "A", "E"}, -1, -1},
    };
    for (const auto& row : kRows) {
        Globals::setDefaultSettings();
        setStrings(row.strStrings);
        EXPECT_EQ(findMatchingPreset(kTestPresets, row.intPreferred), row.intExpected)
            << row.strCase;
    }
    Globals::setDefaultSettings();
    EXPECT_EQ(findMatchingPreset(kTestPresets), 0) << "the default settings";
    EXPECT_EQ(findMatchingPreset({}), -1) << "no presets";
}

TEST(TuningPresetMatch, ACountOutsideTheTuningTableMatchesNothingAndReadsNoString) {
    for (const int16_t intCount : {int16_t(0), int16_t(-1), int16_t(8), int16_t(32767)}) {
        Globals::setDefaultSettings();
        Globals::setNumberOfStrings(intCount);
        EXPECT_EQ(findMatchingPreset(kTestPresets), -1) << intCount;
    }
}

TEST(TuningPresetMatch, EveryPresetIsFoundAgainOnlyTheTwinsShareStrings) {
    const std::vector<TuningPreset>& presets = getTuningPresets();
    for (std::size_t p = 0; p < presets.size(); ++p) {
        const std::string strId = presets[p].strId;
        // The violin tunes like the mandolin, the cello like the viola (an octave lower).
        const std::string strFirst = strId == "Violin"  ? "Mandolin"
                                     : strId == "Cello" ? "Viola"
                                                        : strId;
        Globals::setDefaultSettings();
        applyTuningPreset(presets[p]);
        EXPECT_EQ(findMatchingPreset(presets, static_cast<int>(p)), static_cast<int>(p)) << strId;
        const int intFound = findMatchingPreset(presets);
        ASSERT_GE(intFound, 0) << strId;
        EXPECT_EQ(presets[static_cast<std::size_t>(intFound)].strId, strFirst);
    }
}
