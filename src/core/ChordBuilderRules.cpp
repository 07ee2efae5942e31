#include "ChordBuilderRules.h"

#include <algorithm>

Intervals buildChord(const ChordChoice& choice) {
    Intervals chord;
    chord.toggleInterval("1");
    const auto toggleItem = [&chord](const ChordListItem& item) {
        for (const char* strInterval : item.intervals) {
            if (strInterval != nullptr) {
                chord.toggleInterval(strInterval);
            }
        }
    };
    if (choice.intQuadriad < 0) {
        if (choice.intTriad >= 0 && choice.intTriad < static_cast<int>(kTriadItems.size())) {
            toggleItem(kTriadItems[static_cast<std::size_t>(choice.intTriad)]);
        }
        if (choice.boolNo3) {
            chord.toggleInterval("3");
        }
        if (choice.boolAdd9) {
            chord.toggleInterval("2");
        }
        if (choice.boolAdd11) {
            chord.toggleInterval("4");
        }
        if (choice.boolAdd13) {
            chord.toggleInterval("6");
        }
        return chord;
    }
    if (choice.intQuadriad < static_cast<int>(kQuadriadItems.size())) {
        toggleItem(kQuadriadItems[static_cast<std::size_t>(choice.intQuadriad)]);
    }
    const auto toggleOption = [&chord](bool boolChecked, const auto& tokens, int intIndex) {
        if (boolChecked && intIndex >= 0 && intIndex < static_cast<int>(tokens.size())) {
            chord.toggleInterval(tokens[static_cast<std::size_t>(intIndex)]);
        }
    };
    toggleOption(choice.boolAdd9, kSecondTokens, choice.intSecond);
    toggleOption(choice.boolAdd11, kFourthTokens, choice.intFourth);
    toggleOption(choice.boolAdd13, kSixthTokens, choice.intSixth);
    // A four-note chord drops its third only for the natural eleventh.
    if (choice.boolNo3 && chord.isInterval("3") && chord.isInterval("4")) {
        chord.toggleInterval("3");
    }
    return chord;
}

std::vector<ChordChoice> reachableChordChoices() {
    std::vector<ChordChoice> collChoices;
    for (int intTriad = 0; intTriad < static_cast<int>(kTriadItems.size()); ++intTriad) {
        const bool boolNo3Offered = kTriadItems[static_cast<std::size_t>(intTriad)].boolAlterations;
        for (int intAdds = 0; intAdds < (boolNo3Offered ? 16 : 8); ++intAdds) {
            ChordChoice choice;
            choice.intTriad = intTriad;
            choice.boolAdd9 = (intAdds & 1) != 0;
            choice.boolAdd11 = (intAdds & 2) != 0;
            choice.boolAdd13 = (intAdds & 4) != 0;
            choice.boolNo3 = (intAdds & 8) != 0;
            collChoices.push_back(choice);
        }
    }
    for (int intQuadriad = 0; intQuadriad < static_cast<int>(kQuadriadItems.size());
         ++intQuadriad) {
        const bool boolSus4Offered =
            kQuadriadItems[static_cast<std::size_t>(intQuadriad)].boolAlterations;
        // -1 leaves the addition out, otherwise the button chosen in its row.
        for (int intSecond = -1; intSecond < static_cast<int>(kSecondTokens.size()); ++intSecond) {
            for (int intFourth = -1; intFourth < static_cast<int>(kFourthTokens.size());
                 ++intFourth) {
                for (int intSixth = -1; intSixth < static_cast<int>(kSixthTokens.size());
                     ++intSixth) {
                    ChordChoice choice;
                    choice.intTriad = -1;
                    choice.intQuadriad = intQuadriad;
                    choice.boolAdd9 = intSecond >= 0;
                    choice.boolAdd11 = intFourth >= 0;
                    choice.boolAdd13 = intSixth >= 0;
                    choice.intSecond = std::max(intSecond, 0);
                    choice.intFourth = std::max(intFourth, 0);
                    choice.intSixth = std::max(intSixth, 0);
                    collChoices.push_back(choice);
                    // sus4 = the natural eleventh without the third.
                    if (boolSus4Offered && intFourth == 0) {
                        choice.boolNo3 = true;
                        collChoices.push_back(choice);
                    }
                }
            }
        }
    }
    return collChoices;
}
