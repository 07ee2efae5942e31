#include "InstrumentChoice.h"

#include "Globals.h"
#include "RootName.h"
#include "WholeNumber.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kMinStrings = 3;

std::vector<std::string> splitAtCommas(const std::string& strText) {
    std::vector<std::string> collParts;
    std::size_t intStart = 0;
    for (;;) {
        const std::size_t intComma = strText.find(',', intStart);
        collParts.push_back(strText.substr(
            intStart, intComma == std::string::npos ? std::string::npos : intComma - intStart));
        if (intComma == std::string::npos) {
            return collParts;
        }
        intStart = intComma + 1;
    }
}

} // namespace

std::optional<SimpleNote> parseTuningNote(const std::string& strText) {
    if (strText.size() < 2 || strText.back() < '0' || strText.back() > '9') {
        return std::nullopt;
    }
    const std::string strName = strText.substr(0, strText.size() - 1);
    if (!rootFromName(strName)) {
        return std::nullopt;
    }
    SimpleNote note;
    note.setNote(strText);
    return note;
}

std::optional<InstrumentChoice> chooseInstrument(const InstrumentRequest& request,
                                                 std::string& strError) {
    InstrumentChoice choice;
    if (request.strInstrument) {
        if (*request.strInstrument == "fretboard") {
            choice.intInstrument = 1;
        } else if (*request.strInstrument == "keyboard") {
            choice.intInstrument = 2;
        } else {
            strError = "--instrument must be fretboard or keyboard, not \"" +
                       *request.strInstrument + "\"";
            return std::nullopt;
        }
    }

    std::optional<int> intStrings;
    if (request.strStrings) {
        intStrings = parseWholeNumber(*request.strStrings);
        if (!intStrings || *intStrings < kMinStrings || *intStrings > Globals::kMaxStrings) {
            strError =
                "--strings must be a whole number from 3 to 7, not \"" + *request.strStrings + "\"";
            return std::nullopt;
        }
        choice.intStrings = static_cast<int16_t>(*intStrings);
    }

    if (request.strTuning) {
        const std::vector<std::string> collNotes = splitAtCommas(*request.strTuning);
        const auto intCount = static_cast<int>(collNotes.size());
        if (intCount < kMinStrings || intCount > Globals::kMaxStrings) {
            strError = "--tuning must name 3 to 7 open strings, lowest first (E3,A3,D4,G4,B4,E5)";
            return std::nullopt;
        }
        if (intStrings && *intStrings != intCount) {
            strError = "--strings " + std::to_string(*intStrings) + " does not match the " +
                       std::to_string(intCount) + " notes of --tuning";
            return std::nullopt;
        }
        for (const std::string& strNote : collNotes) {
            const std::optional<SimpleNote> note = parseTuningNote(strNote);
            if (!note) {
                strError = "unknown tuning note \"" + strNote +
                           "\" (a note name such as E, F# or Bb with its octave, as in E3)";
                return std::nullopt;
            }
            choice.collTuning.push_back(*note);
        }
        // The command line lists the strings from the lowest up; string 1 is the highest.
        std::reverse(choice.collTuning.begin(), choice.collTuning.end());
        choice.intStrings = static_cast<int16_t>(intCount);
    }

    if (request.strOctave) {
        if (*request.strOctave == "higher") {
            choice.intKeyboardOctave = 0;
        } else if (*request.strOctave == "same") {
            choice.intKeyboardOctave = 1;
        } else if (*request.strOctave == "lower") {
            choice.intKeyboardOctave = 2;
        } else {
            strError = "--octave must be higher, same or lower, not \"" + *request.strOctave + "\"";
            return std::nullopt;
        }
    }

    choice.boolLeftHand = request.boolLeftHanded;
    choice.boolShowFretNumbers = !request.boolNoFretNumbers;
    choice.boolShowTuning = !request.boolNoTuning;
    choice.boolDisplayIntervals = !request.boolNoIntervals;
    choice.boolShowNoteNames = !request.boolNoNoteNames;
    choice.boolShowIntervals = request.boolShowIntervals;
    return choice;
}

void InstrumentChoice::applyToGlobals() const {
    Globals::setDefaultSettings();
    Globals::setNumberOfStrings(intStrings);
    for (std::size_t i = 0; i < collTuning.size(); ++i) {
        Globals::setTuning(static_cast<int>(i) + 1, std::make_shared<SimpleNote>(collTuning[i]));
    }
    Globals::setLeftHand(boolLeftHand);
    Globals::setShowFretNumbers(boolShowFretNumbers);
    Globals::setShowTuning(boolShowTuning);
    Globals::setDisplayIntervals(boolDisplayIntervals);
    Globals::setKeyboardOctave(intKeyboardOctave);
    Globals::setShowNoteNames(boolShowNoteNames);
    Globals::setShowIntervals(boolShowIntervals);
}
