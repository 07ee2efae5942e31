#include "StandardScale.h"

#include "IntervalTable.h"

#include <sstream>

namespace {

std::vector<std::string> splitAtCommas(const std::string& strList) {
    std::vector<std::string> collTokens;
    std::string strToken;
    std::istringstream stream(strList);
    while (std::getline(stream, strToken, ',')) {
        collTokens.push_back(strToken);
    }
    return collTokens;
}

bool slotIsSet(int32_t longMask, std::size_t slotIndex) {
    return (longMask & (int32_t{1} << slotIndex)) != 0;
}

} // namespace

void StandardScale::setScale(const std::string& strScaleCode, int16_t /*intScaleType*/) {
    longIntervalMask = 0;
    for (const std::string& strToken : splitAtCommas(strScaleCode)) {
        const int16_t intSlot = intervalSlotOf(strToken);
        if (intSlot > 0) {
            longIntervalMask |= int32_t{1} << (intSlot - 1);
        }
    }
}

void StandardScale::setRootNote(std::shared_ptr<SimpleNote> noteNewRoot) {
    noteRoot = std::move(noteNewRoot);
    generatePitchIntervalArray();
}

std::string StandardScale::getScaleString(int16_t intScaleType) const {
    if (intScaleType != 0) {
        return {};
    }
    std::string strList = "1";
    for (std::size_t i = 0; i < kIntervalSlots.size(); ++i) {
        if (slotIsSet(longIntervalMask, i)) {
            strList += ',';
            strList += kIntervalSlots[i].canonical;
        }
    }
    return strList;
}

bool StandardScale::hasInterval(const std::string& strInterval) const {
    const int16_t intSlot = intervalSlotOf(strInterval);
    return intSlot > 0 && slotIsSet(longIntervalMask, static_cast<std::size_t>(intSlot - 1));
}

std::vector<SimpleNote> StandardScale::getAllNotes(int intOctaveType) const {
    std::vector<SimpleNote> collNotes;
    if (!noteRoot) {
        return collNotes;
    }
    SimpleNote noteBase = *noteRoot;
    if (intOctaveType == 2) {
        noteBase.setOctave(static_cast<int16_t>(noteBase.Octave() + 1));
    }
    collNotes.push_back(noteBase);
    for (std::size_t i = 0; i < kIntervalSlots.size(); ++i) {
        if (!slotIsSet(longIntervalMask, i)) {
            continue;
        }
        const IntervalSlot& slot = kIntervalSlots[i];
        SimpleNote noteMember = noteBase.getNoteStandardScale(slot.degree);
        noteMember.doModification(slot.alteration);
        if (slot.degree == 2 || slot.degree == 4 || slot.degree == 6) {
            if (intOctaveType == 0) {
                noteMember.setOctave(static_cast<int16_t>(noteMember.Octave() + 1));
            } else if (intOctaveType == 2) {
                noteMember.setOctave(static_cast<int16_t>(noteMember.Octave() - 1));
            }
        }
        collNotes.push_back(noteMember);
    }
    return collNotes;
}

void StandardScale::generatePitchIntervalArray() {
    strPitchIntervals.fill({});
    const std::vector<SimpleNote> collNotes = getAllNotes(1);
    const std::vector<std::string> collTokens = splitAtCommas(getScaleString(0));
    for (std::size_t i = 0; i < collNotes.size() && i < collTokens.size(); ++i) {
        const int intPitch = collNotes[i].Pitch();
        if (intPitch >= 0 && intPitch < 12) {
            strPitchIntervals[static_cast<std::size_t>(intPitch)] = collTokens[i];
        }
    }
}

std::string StandardScale::getPitchIntervalCode(int intPitch) const {
    if (intPitch < 0 || intPitch >= 12) {
        return {};
    }
    return strPitchIntervals[static_cast<std::size_t>(intPitch)];
}
