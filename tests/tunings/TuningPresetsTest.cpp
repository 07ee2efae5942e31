#include "TuningPresets.h"

#include "Globals.h"

#include <gtest/gtest.h>

namespace {

// Every preset as a musician writes it: the caption, which spells the strings, and the sounding
// pitches as MIDI numbers (middle C = 60, the guitar's low E = 40), both from the lowest string up.
// The guitar's standard tuning is the default one, E3 A3 D4 G4 B4 E5.
struct PresetRow {
    const char* strId;
    const char* strCaption;
    std::vector<int> collMidi;
};
const std::vector<PresetRow> kPresetRows{
    {"GuitarStandard", "Standard (E A D G B E)", {40, 45, 50, 55, 59, 64}},
    {"GuitarDropD", "Drop D (D A D G B E)", {38, 45, 50, 55, 59, 64}},
    {"GuitarDStandard", "D Standard (D G C F A D)", {38, 43, 48, 53, 57, 62}},
    {"GuitarDADGAD", "DADGAD (D A D G A D)", {38, 45, 50, 55, 57, 62}},
    {"GuitarOpenG", "Open G (D G D G B D)", {38, 43, 50, 55, 59, 62}},
    {"GuitarOpenD", "Open D (D A D F# A D)", {38, 45, 50, 54, 57, 62}},
    {"GuitarOpenE", "Open E (E B E G# B E)", {40, 47, 52, 56, 59, 64}},
    // Flat spellings: every string a semitone below standard.
    {"GuitarHalfStepDown", "Half Step Down (Eb Ab Db Gb Bb Eb)", {39, 44, 49, 54, 58, 63}},
    {"GuitarSevenString", "7-String (B E A D G B E)", {35, 40, 45, 50, 55, 59, 64}},
    {"GuitarBaritone", "Baritone (B E A D F# B)", {35, 40, 45, 50, 54, 59}},
    {"BassFourString", "4-String (E A D G)", {28, 33, 38, 43}},
    {"BassFiveString", "5-String (B E A D G)", {23, 28, 33, 38, 43}},
    {"BassSixString", "6-String (B E A D G C)", {23, 28, 33, 38, 43, 48}},
    // Re-entrant: the fourth string's G is above middle C.
    {"UkuleleStandard", "Standard (G C E A)", {67, 60, 64, 69}},
    {"UkuleleBaritone", "Baritone (D G B E)", {50, 55, 59, 64}},
    {"Mandolin", "Mandolin (G D A E)", {55, 62, 69, 76}},
    {"Violin", "Violin (G D A E)", {55, 62, 69, 76}},
    {"Viola", "Viola (C G D A)", {48, 55, 62, 69}},
    {"Cello", "Cello (C G D A)", {36, 43, 50, 57}},
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
        applyTuningPreset(presets[p]);
        // String 1 is the highest-sounding (last written) string.
        std::vector<int> collMidi;
        for (int i = Globals::NumberOfStrings(); i >= 1; --i) {
            collMidi.push_back(12 * Globals::Tuning(i)->Octave() + Globals::Tuning(i)->Pitch());
        }
        EXPECT_EQ(collMidi, row.collMidi);
        EXPECT_TRUE(Globals::LeftHand()) << "the display options stay, as with the setup dialog";
        // Found again; the violin tunes like the mandolin, the cello like the viola, listed first.
        const int intFirst = findMatchingPreset(presets);
        EXPECT_EQ(intFirst, row.strId == std::string("Violin")  ? 15
                            : row.strId == std::string("Cello") ? 17
                                                                : static_cast<int>(p));
    }
}

// A small table of its own: two four-string twins that differ only in octaves, and a
// five-string whose top four strings are the twins'.
TEST(TuningPresetMatch, SameCountAndPitchClassesWithTheLastChoiceFirst) {
    const std::vector<TuningPreset> kTestPresets{
        {"TwinHigh", "Twin", "High", {"E6", "A5", "D5", "G4"}},
        {"TwinLow", "Twin", "Low", {"E4", "A3", "D3", "G2"}},
        {"Five", "Five", "", {"E5", "A4", "D4", "G3", "C3"}},
    };
    // The case, the strings as the setup dialog stores them (in octave 3), the preset chosen last
    // and the one found.
    const std::tuple<const char*, std::vector<std::string>, int, int> kRows[]{
        {"the twins: the first", {"E", "A", "D", "G"}, -1, 0},
        {"the twins: the one chosen last", {"E", "A", "D", "G"}, 1, 1},
        {"chosen last no longer matching", {"E", "A", "D", "G"}, 2, 0},
        {"chosen last out of range", {"E", "A", "D", "G"}, 9, 0},
        {"a fifth string more is another instrument", {"E", "A", "D", "G", "C"}, 0, 2},
        {"one string off", {"E", "A", "D", "F#"}, -1, -1},
        {"F flat is E", {"Fb", "A", "D", "G"}, -1, 0},
        {"three of the twins' strings", {"E", "A", "D"}, -1, -1},
        {"strings in another order", {"G", "D", "A", "E"}, -1, -1},
    };
    for (const auto& [strCase, strStrings, intPreferred, intExpected] : kRows) {
        applyTuningPreset({"", "", "", strStrings});
        EXPECT_EQ(findMatchingPreset(kTestPresets, intPreferred), intExpected) << strCase;
    }
    EXPECT_EQ(findMatchingPreset({}), -1) << "no presets";
}
