#include "CloseNames.h"
#include "Globals.h"
#include "InstrumentChoice.h"
#include "RootName.h"
#include "ScaleChoice.h"
#include "WholeNumber.h"

#include <gtest/gtest.h>

namespace {

// The seventeen roots and the window's buttons for them: letter 0..6 = C..B,
// accidental 1 sharp, 2 flat.
TEST(RootName, EveryRootTheWindowOffers) {
    const struct {
        const char* strName;
        RootButtons buttons;
    } kRows[] = {
        {"C", {0, 0}},  {"C#", {0, 1}}, {"Db", {1, 2}}, {"D", {1, 0}},  {"D#", {1, 1}},
        {"Eb", {2, 2}}, {"E", {2, 0}},  {"F", {3, 0}},  {"F#", {3, 1}}, {"Gb", {4, 2}},
        {"G", {4, 0}},  {"G#", {4, 1}}, {"Ab", {5, 2}}, {"A", {5, 0}},  {"A#", {5, 1}},
        {"Bb", {6, 2}}, {"B", {6, 0}},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.strName);
        const std::optional<RootButtons> root = rootFromName(row.strName);
        ASSERT_TRUE(root.has_value());
        EXPECT_EQ(*root, row.buttons);
    }
}

TEST(RootName, RefusesWhatTheWindowCannotSelect) {
    // The four the window takes the accidental off again, then spellings it never offers.
    for (const char* strName :
         {"Cb", "E#", "Fb", "B#", "c", "eb", "H", "", "C##", "Dbb", "D♭", " C", "C ", "Cx", "1"}) {
        SCOPED_TRACE(strName);
        EXPECT_FALSE(rootFromName(strName).has_value());
    }
}

TEST(WholeNumber, DigitsOnly) {
    EXPECT_EQ(parseWholeNumber("1"), 1);
    EXPECT_EQ(parseWholeNumber("07"), 7);
    EXPECT_EQ(parseWholeNumber("4000"), 4000);
    for (const char* strText : {"", "-1", "+2", "2.0", " 3", "3 ", "0x3", "three", "99999"}) {
        SCOPED_TRACE(strText);
        EXPECT_FALSE(parseWholeNumber(strText).has_value());
    }
}

struct ScaleRow {
    const char* strLabel;
    ScaleRequest request;
    const char* strTitle;
    const char* strIntervals;
    int intRootPitch;
    // Interval code expected on two pitch classes: one member, one that is not.
    int intMemberPitch;
    const char* strMemberCode;
    int intOtherPitch;
};

TEST(ChooseScale, TitleIntervalsAndSpelling) {
    const ScaleRow kRows[] = {
        // The start-up state: C and the first entry of "Main Scales".
        {"defaults", {}, "C Ionian", "1,2,3,4,5,6,7", 0, 11, "7", 10},
        // Eb Dorian: Gb (6) is the minor third, D (2) is not in it.
        {"Eb Dorian",
         {"Eb", std::nullopt, "Dorian", std::nullopt, std::nullopt},
         "Eb Dorian",
         "1,2,b3,4,5,6,b7",
         3,
         6,
         "b3",
         2},
        // The first entry of "Sorted Scales" is Major Pentatonic: no F (5) on C.
        {"catalogue 2 first",
         {"C", 2, std::nullopt, std::nullopt, std::nullopt},
         "C Major Pentatonic",
         "1,2,3,5,6",
         0,
         9,
         "6",
         5},
        // "Phrygian" of catalogue 2 has the major sixth: on E that is C# (1), not C (0).
        {"catalogue 2 Phrygian",
         {"E", 2, "Phrygian", std::nullopt, std::nullopt},
         "E Phrygian",
         "1,b2,b3,4,5,6,b7",
         4,
         1,
         "6",
         0},
        // The same name in catalogue 1 has the minor sixth: C (0) on E.
        {"catalogue 1 Phrygian",
         {"E", 1, "Phrygian", std::nullopt, std::nullopt},
         "E Phrygian",
         "1,b2,b3,4,5,b6,b7",
         4,
         0,
         "b6",
         1},
        // The nameless first chord of "Various Chords" is the major triad; the title keeps the
        // blank after the root.
        {"nameless chord", {"G", 3, "", std::nullopt, std::nullopt}, "G ", "1,3,5", 7, 11, "3", 9},
        // Optional tones stay in the interval line but are not drawn: no G (7) in C maj9.
        {"maj9",
         {"C", 3, "maj9", std::nullopt, std::nullopt},
         "C maj9",
         "1,3,(5),7,9",
         0,
         2,
         "2",
         7},
        // An own list without a name is titled as the custom dialog names it.
        {"own list",
         {"A", std::nullopt, std::nullopt, "1,b3,5,b7,9", std::nullopt},
         "A User-defined Scale",
         "1,b3,5,b7,9",
         9,
         11,
         "2",
         10},
        {"own list named",
         {"F#", std::nullopt, std::nullopt, "1,b3,5,b7,9", "m7/9"},
         "F# m7/9",
         "1,b3,5,b7,9",
         6,
         9,
         "b3",
         7}, // G is not in it; G# is the ninth
        // Bb is on the flat side: the minor third of Bb is Db, pitch 1.
        {"Bb own list",
         {"Bb", std::nullopt, std::nullopt, "1,b3", "x"},
         "Bb x",
         "1,b3",
         10,
         1,
         "b3",
         2},
    };
    for (const ScaleRow& row : kRows) {
        SCOPED_TRACE(row.strLabel);
        std::string strError;
        const std::optional<ChosenScale> chosen = chooseScale(row.request, strError);
        ASSERT_TRUE(chosen.has_value()) << strError;
        EXPECT_EQ(chosen->strTitle, row.strTitle);
        EXPECT_EQ(chosen->strIntervals, row.strIntervals);
        EXPECT_EQ(chosen->noteRoot->Pitch(), row.intRootPitch);
        EXPECT_EQ(chosen->noteRoot->Octave(), 3);
        EXPECT_EQ(chosen->scale->getPitchIntervalCode(row.intRootPitch), "1");
        EXPECT_EQ(chosen->scale->getPitchIntervalCode(row.intMemberPitch), row.strMemberCode);
        EXPECT_EQ(chosen->scale->getPitchIntervalCode(row.intOtherPitch), "");
    }
}

TEST(ChooseScale, MistakesGiveOneLineReasons) {
    const struct {
        const char* strLabel;
        ScaleRequest request;
        const char* strReasonPart;
    } kRows[] = {
        {"C flat", {"Cb", std::nullopt, std::nullopt, std::nullopt, std::nullopt}, "unknown root"},
        {"B sharp",
         {"B#", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
         "unknown root \"B#\""},
        {"lower case",
         {"d", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
         "unknown root"},
        {"catalogue 4", {"C", 4, std::nullopt, std::nullopt, std::nullopt}, "1, 2 or 3"},
        {"catalogue 0", {"C", 0, std::nullopt, std::nullopt, std::nullopt}, "1, 2 or 3"},
        {"scale and intervals",
         {"C", std::nullopt, "Dorian", "1,3,5", std::nullopt},
         "cannot be combined"},
        {"catalogue and intervals",
         {"C", 2, std::nullopt, "1,3,5", std::nullopt},
         "cannot be combined"},
        {"name alone", {"C", std::nullopt, "Dorian", std::nullopt, "mine"}, "--name"},
        {"exact case",
         {"C", std::nullopt, "dorian", std::nullopt, std::nullopt},
         "unknown scale \"dorian\" in catalogue 1; did you mean \"Dorian\""},
        {"other catalogue's name",
         {"C", 1, "Major Pentatonic", std::nullopt, std::nullopt},
         "unknown scale"},
        {"bad token",
         {"C", std::nullopt, std::nullopt, "1,b3,x", std::nullopt},
         "unknown interval \"x\""},
        {"b4 is not an interval",
         {"C", std::nullopt, std::nullopt, "1,b4", std::nullopt},
         "\"b4\""},
        {"empty token",
         {"C", std::nullopt, std::nullopt, "1,,3", std::nullopt},
         "unknown interval \"\""},
        {"trailing comma",
         {"C", std::nullopt, std::nullopt, "1,3,", std::nullopt},
         "unknown interval"},
        {"blank", {"C", std::nullopt, std::nullopt, "1, 3", std::nullopt}, "\" 3\""},
        {"empty list", {"C", std::nullopt, std::nullopt, "", std::nullopt}, "unknown interval"},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.strLabel);
        std::string strError;
        EXPECT_FALSE(chooseScale(row.request, strError).has_value());
        EXPECT_NE(strError.find(row.strReasonPart), std::string::npos) << strError;
        EXPECT_EQ(strError.find('\n'), std::string::npos);
    }
}

TEST(ChooseScale, KnownIntervalTokens) {
    std::string strBad;
    EXPECT_TRUE(isKnownIntervalList("1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7", strBad));
    EXPECT_TRUE(isKnownIntervalList("1,b9,9,#9,11,#11,b13,13,o7", strBad));
    EXPECT_TRUE(isKnownIntervalList("(1),3,(5),b7,(9)", strBad));
    EXPECT_TRUE(isKnownIntervalList("b3,5", strBad));
    for (const char* strList : {"1,()", "1,(5", "1,5)", "1,B3", "1,#6", "1,((5))", "1;3"}) {
        SCOPED_TRACE(strList);
        EXPECT_FALSE(isKnownIntervalList(strList, strBad));
    }
}

TEST(CloseNames, MistypedScaleNames) {
    const std::vector<std::string> collNames{
        "Ionian",     "Dorian",  "Phrygian", "Lydian",
        "Mixolydian", "Aeolian", "Locrian",  "MM1 (Melodic Minor)",
        "Dorian",     ""};
    // Case and one letter off: Dorian once, although the list holds it twice.
    EXPECT_EQ(closeNames("dorain", collNames), (std::vector<std::string>{"Dorian"}));
    // "Lydian" is one letter from "Lydan"; the others are further.
    EXPECT_EQ(closeNames("Lydan", collNames).front(), "Lydian");
    // A part of a longer name.
    EXPECT_EQ(closeNames("mm1", collNames), (std::vector<std::string>{"MM1 (Melodic Minor)"}));
    EXPECT_TRUE(closeNames("Xyzzy Blues", collNames).empty());
    // "ian" lies in six names: at most three come back, in catalogue order.
    EXPECT_EQ(closeNames("ian", collNames),
              (std::vector<std::string>{"Ionian", "Dorian", "Phrygian"}));
}

TEST(ChooseInstrument, OptionsMirrorTheSettingsOneToOne) {
    InstrumentRequest request;
    request.strInstrument = "keyboard";
    request.strOctave = "lower";
    request.boolLeftHanded = true;
    request.boolNoFretNumbers = true;
    request.boolNoTuning = true;
    request.boolNoIntervals = true;
    request.boolNoNoteNames = true;
    request.boolShowIntervals = true;
    std::string strError;
    const std::optional<InstrumentChoice> choice = chooseInstrument(request, strError);
    ASSERT_TRUE(choice.has_value()) << strError;
    EXPECT_EQ(choice->intInstrument, 2);
    choice->applyToGlobals();
    EXPECT_TRUE(Globals::LeftHand());
    EXPECT_FALSE(Globals::ShowFretNumbers());
    EXPECT_FALSE(Globals::ShowTuning());
    EXPECT_FALSE(Globals::DisplayIntervals());
    EXPECT_EQ(Globals::KeyboardOctave(), 2);
    EXPECT_FALSE(Globals::ShowNoteNames());
    EXPECT_TRUE(Globals::ShowIntervals());
}

TEST(ChooseInstrument, NoOptionsGiveTheStartUpSettings) {
    // Leave the settings changed first: applying must start from the defaults.
    Globals::setLeftHand(true);
    Globals::setNumberOfStrings(4);
    Globals::setKeyboardOctave(0);
    std::string strError;
    const std::optional<InstrumentChoice> choice = chooseInstrument({}, strError);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->intInstrument, 1);
    choice->applyToGlobals();
    EXPECT_FALSE(Globals::LeftHand());
    EXPECT_EQ(Globals::NumberOfStrings(), 6);
    EXPECT_TRUE(Globals::ShowFretNumbers());
    EXPECT_TRUE(Globals::ShowTuning());
    EXPECT_TRUE(Globals::DisplayIntervals());
    EXPECT_EQ(Globals::KeyboardOctave(), 1);
    EXPECT_TRUE(Globals::ShowNoteNames());
    EXPECT_FALSE(Globals::ShowIntervals());
    EXPECT_EQ(Globals::Tuning(1)->getNoteName(true), "E5");
    EXPECT_EQ(Globals::Tuning(6)->getNoteName(true), "E3");
}

// Tunings as players write them, lowest string first; string 1 of the settings is the highest.
TEST(ChooseInstrument, TuningRunsFromTheLowestString) {
    const struct {
        const char* strLabel;
        const char* strTuning;
        const char* strStrings; // nullptr: not given
        int intStrings;
        const char* strTopDown; // Tuning(1) .. Tuning(n) with octaves
    } kRows[] = {
        {"standard guitar", "E3,A3,D4,G4,B4,E5", nullptr, 6, "E5 B4 G4 D4 A3 E3"},
        {"drop D", "D3,A3,D4,G4,B4,E5", "6", 6, "E5 B4 G4 D4 A3 D3"},
        {"bass", "E1,A1,D2,G2", "4", 4, "G2 D2 A1 E1"},
        {"seven strings", "B2,E3,A3,D4,G4,B4,E5", nullptr, 7, "E5 B4 G4 D4 A3 E3 B2"},
        {"ukulele, flats and sharps", "G4,C4,E4,A4", nullptr, 4, "A4 E4 C4 G4"},
        {"spelled", "Eb2,Ab2,C#3", nullptr, 3, "C#3 Ab2 Eb2"},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.strLabel);
        InstrumentRequest request;
        request.strTuning = row.strTuning;
        if (row.strStrings != nullptr) {
            request.strStrings = row.strStrings;
        }
        std::string strError;
        const std::optional<InstrumentChoice> choice = chooseInstrument(request, strError);
        ASSERT_TRUE(choice.has_value()) << strError;
        choice->applyToGlobals();
        ASSERT_EQ(Globals::NumberOfStrings(), row.intStrings);
        std::string strTopDown;
        for (int i = 1; i <= row.intStrings; ++i) {
            strTopDown += (i > 1 ? " " : "") + Globals::Tuning(i)->getNoteName(true);
        }
        EXPECT_EQ(strTopDown, row.strTopDown);
    }
}

TEST(ChooseInstrument, StringsAloneKeepTheStoredTuning) {
    InstrumentRequest request;
    request.strStrings = "4";
    std::string strError;
    const std::optional<InstrumentChoice> choice = chooseInstrument(request, strError);
    ASSERT_TRUE(choice.has_value());
    choice->applyToGlobals();
    EXPECT_EQ(Globals::NumberOfStrings(), 4);
    // The four highest strings of the standard tuning, as after lowering the count in the dialog.
    EXPECT_EQ(Globals::Tuning(4)->getNoteName(true), "D4");
}

TEST(ChooseInstrument, MistakesGiveOneLineReasons) {
    // Options as typed; nullptr where an option is not given.
    const struct {
        const char* strLabel;
        const char* strInstrument;
        const char* strStrings;
        const char* strTuning;
        const char* strOctave;
        const char* strReasonPart;
    } kRows[] = {
        {"instrument", "guitar", nullptr, nullptr, nullptr, "--instrument"},
        {"instrument case", "Keyboard", nullptr, nullptr, nullptr, "--instrument"},
        {"two strings", nullptr, "2", nullptr, nullptr, "--strings"},
        {"eight strings", nullptr, "8", nullptr, nullptr, "--strings"},
        {"strings not a number", nullptr, "six", nullptr, nullptr, "--strings"},
        {"strings with a sign", nullptr, "+6", nullptr, nullptr, "--strings"},
        {"too few notes", nullptr, nullptr, "E3,A3", nullptr, "3 to 7"},
        {"too many notes", nullptr, nullptr, "E1,A1,D2,G2,C3,F3,B3,E4", nullptr, "3 to 7"},
        {"count disagrees", nullptr, "5", "E3,A3,D4,G4,B4,E5", nullptr, "does not match"},
        {"no octave", nullptr, nullptr, "E,A3,D4", nullptr, "unknown tuning note \"E\""},
        {"unknown letter", nullptr, nullptr, "H3,A3,D4", nullptr, "\"H3\""},
        {"E sharp", nullptr, nullptr, "E#3,A3,D4", nullptr, "\"E#3\""},
        {"C flat", nullptr, nullptr, "Cb4,A3,D4", nullptr, "\"Cb4\""},
        {"lower case", nullptr, nullptr, "e3,a3,d4", nullptr, "\"e3\""},
        {"two-digit octave", nullptr, nullptr, "E10,A3,D4", nullptr, "\"E10\""},
        {"empty note", nullptr, nullptr, "E3,,D4", nullptr, "\"\""},
        {"octave", nullptr, nullptr, nullptr, "up", "--octave"},
    };
    const auto given = [](const char* strValue) -> std::optional<std::string> {
        return strValue == nullptr ? std::nullopt : std::optional<std::string>(strValue);
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.strLabel);
        InstrumentRequest request;
        request.strInstrument = given(row.strInstrument);
        request.strStrings = given(row.strStrings);
        request.strTuning = given(row.strTuning);
        request.strOctave = given(row.strOctave);
        std::string strError;
        EXPECT_FALSE(chooseInstrument(request, strError).has_value());
        EXPECT_NE(strError.find(row.strReasonPart), std::string::npos) << strError;
    }
}

} // namespace
