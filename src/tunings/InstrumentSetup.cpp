#include "InstrumentSetup.h"

#include "Globals.h"
#include "SimpleNote.h"

#include <algorithm>
#include <array>
#include <memory>
#include <sstream>

namespace {

constexpr std::array<const char*, 17> kNoteNames{
    "C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#", "Gb", "G", "G#", "Ab", "A", "A#", "Bb", "B"};

// A note name followed by one octave digit, e.g. "F#3".
bool isNoteText(const std::string& strText) {
    if (strText.size() < 2 || strText.back() < '0' || strText.back() > '9') {
        return false;
    }
    const std::string strName = strText.substr(0, strText.size() - 1);
    return std::any_of(kNoteNames.begin(), kNoteNames.end(),
                       [&](const char* strKnown) { return strName == strKnown; });
}

std::optional<bool> parseBool(const std::map<std::string, std::string>& texts,
                              const std::string& strKey) {
    const auto it = texts.find(strKey);
    if (it == texts.end() || (it->second != "true" && it->second != "false")) {
        return std::nullopt;
    }
    return it->second == "true";
}

} // namespace

InstrumentSetup captureInstrumentSetup() {
    InstrumentSetup setup;
    setup.intNumberOfStrings = Globals::NumberOfStrings();
    const int intStrings = std::clamp<int>(setup.intNumberOfStrings, 0, Globals::kMaxStrings);
    for (int i = 1; i <= intStrings; ++i) {
        setup.strTuning.push_back(Globals::Tuning(i)->getNoteName(true));
    }
    setup.boolShowTuning = Globals::ShowTuning();
    setup.boolShowFretNumbers = Globals::ShowFretNumbers();
    setup.boolDisplayIntervals = Globals::DisplayIntervals();
    setup.boolLeftHand = Globals::LeftHand();
    return setup;
}

void applyInstrumentSetup(const InstrumentSetup& setup) {
    Globals::setNumberOfStrings(setup.intNumberOfStrings);
    int i = 1;
    for (const std::string& strText : setup.strTuning) {
        if (i > Globals::kMaxStrings) {
            break;
        }
        auto note = std::make_shared<SimpleNote>();
        note->setNote(strText);
        Globals::setTuning(i++, std::move(note));
    }
    Globals::setShowTuning(setup.boolShowTuning);
    Globals::setShowFretNumbers(setup.boolShowFretNumbers);
    Globals::setDisplayIntervals(setup.boolDisplayIntervals);
    Globals::setLeftHand(setup.boolLeftHand);
}

std::map<std::string, std::string> formatInstrumentSetup(const InstrumentSetup& setup) {
    std::string strTuning;
    for (const std::string& strText : setup.strTuning) {
        strTuning += (strTuning.empty() ? "" : " ") + strText;
    }
    const auto text = [](bool boolValue) { return std::string(boolValue ? "true" : "false"); };
    return {{"strings", std::to_string(setup.intNumberOfStrings)},
            {"tuning", strTuning},
            {"showTuning", text(setup.boolShowTuning)},
            {"showFretNumbers", text(setup.boolShowFretNumbers)},
            {"displayIntervals", text(setup.boolDisplayIntervals)},
            {"leftHand", text(setup.boolLeftHand)}};
}

std::optional<InstrumentSetup>
parseInstrumentSetup(const std::map<std::string, std::string>& texts) {
    const auto itStrings = texts.find("strings");
    const auto itTuning = texts.find("tuning");
    if (itStrings == texts.end() || itTuning == texts.end() || itStrings->second.size() != 1 ||
        itStrings->second[0] < '3' || itStrings->second[0] > '7' || itTuning->second.empty() ||
        itTuning->second.back() == ' ') {
        return std::nullopt;
    }
    InstrumentSetup setup;
    setup.intNumberOfStrings = static_cast<int16_t>(itStrings->second[0] - '0');
    // Single blanks between the notes, nothing around them.
    std::istringstream stream(itTuning->second);
    for (std::string strText; std::getline(stream, strText, ' ');) {
        if (!isNoteText(strText)) {
            return std::nullopt;
        }
        setup.strTuning.push_back(strText);
    }
    if (setup.strTuning.size() != static_cast<std::size_t>(setup.intNumberOfStrings)) {
        return std::nullopt;
    }
    const auto boolShowTuning = parseBool(texts, "showTuning");
    const auto boolShowFretNumbers = parseBool(texts, "showFretNumbers");
    const auto boolDisplayIntervals = parseBool(texts, "displayIntervals");
    const auto boolLeftHand = parseBool(texts, "leftHand");
    if (!boolShowTuning || !boolShowFretNumbers || !boolDisplayIntervals || !boolLeftHand) {
        return std::nullopt;
    }
    setup.boolShowTuning = *boolShowTuning;
    setup.boolShowFretNumbers = *boolShowFretNumbers;
    setup.boolDisplayIntervals = *boolDisplayIntervals;
    setup.boolLeftHand = *boolLeftHand;
    return setup;
}
