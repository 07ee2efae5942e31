#include "SimpleNote.h"

#include <array>

namespace {

constexpr std::array<const char*, 12> kSharpNames{"C",  "C#", "D",  "D#", "E",  "F",
                                                  "F#", "G",  "G#", "A",  "A#", "B"};
constexpr std::array<const char*, 12> kFlatNames{"C",  "Db", "D",  "Eb", "E",  "F",
                                                 "Gb", "G",  "Ab", "A",  "Bb", "B"};

// Semitones from C of each natural letter, as the letter buttons order them.
int16_t letterPitch(char chLetter, int16_t intUnknown) {
    switch (chLetter) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        return intUnknown;
    }
}

} // namespace

bool SimpleNote::isBlackKey(int intPitch) {
    return intPitch == 1 || intPitch == 3 || intPitch == 6 || intPitch == 8 || intPitch == 10;
}

int16_t SimpleNote::getCircleOfFifthsPosition(int16_t /*intThePitch*/) const {
    switch (intPitch) {
    case 0:
        return 0;
    case 7:
        return 1;
    case 2:
        return 2;
    case 9:
        return 3;
    case 4:
        return 4;
    case 11:
        return 5;
    case 5:
        return -1;
    default:
        break;
    }
    if (intSign == 1) {
        if (intPitch == 6) {
            return 6;
        }
        if (intPitch == 1) {
            return 7;
        }
    } else if (intSign == 2) {
        switch (intPitch) {
        case 10:
            return -2;
        case 3:
            return -3;
        case 8:
            return -4;
        case 1:
            return -5;
        case 6:
            return -6;
        default:
            break;
        }
    }
    return 0;
}

void SimpleNote::setPitchFromButtons(int16_t intButtonIndex, int16_t intButtonAdd) {
    intOctave = 3;
    intPitch = static_cast<int16_t>(intButtonIndex * 2 - (intButtonIndex > 2 ? 1 : 0));
    intSign = 0;
    if (intButtonAdd == 1) {
        intSign = 1;
        ++intPitch;
    } else if (intButtonAdd == 2) {
        intSign = 2;
        --intPitch;
    }
}

void SimpleNote::setNote(const std::string& strNoteString) {
    intOctave = 3;
    if (!strNoteString.empty() && strNoteString.back() >= '0' && strNoteString.back() <= '9') {
        intOctave = static_cast<int16_t>(strNoteString.back() - '0');
    }
    if (!strNoteString.empty()) {
        intPitch = letterPitch(strNoteString[0], intPitch);
    }
    intSign = 0;
    if (strNoteString.size() >= 2) {
        if (strNoteString[1] == '#') {
            intPitch = static_cast<int16_t>(intPitch + 1 == 12 ? 0 : intPitch + 1);
            intSign = 1;
        } else if (strNoteString[1] == 'b') {
            intPitch = static_cast<int16_t>(intPitch - 1 == -1 ? 11 : intPitch - 1);
            intSign = 2;
        }
    }
}

std::string SimpleNote::getNoteName(bool boolIncludeOctave) const {
    std::string strName;
    if (intPitch >= 0 && intPitch <= 11) {
        const auto index = static_cast<std::size_t>(intPitch);
        strName = intSign == 1 ? kSharpNames[index] : kFlatNames[index];
    }
    if (boolIncludeOctave) {
        strName += std::to_string(intOctave);
    }
    return strName;
}

SimpleNote SimpleNote::getNoteStandardScale(int16_t intPosition) const {
    if (intPosition < 2 || intPosition > 7) {
        return *this;
    }
    SimpleNote noteDegree = *this;
    for (int i = 1; i < intPosition; ++i) {
        noteDegree = noteDegree.AddHalftones(i == 3 ? 1 : 2);
    }
    noteDegree.setStandardSign(*this);
    return noteDegree;
}

void SimpleNote::setStandardSign(const SimpleNote& noteRoot) {
    intSign = 0;
    if (isBlackKey(intPitch)) {
        intSign = noteRoot.getCircleOfFifthsPosition() < 0 ? 2 : 1;
    }
}

SimpleNote SimpleNote::AddHalftones(int16_t intHalftones) const {
    SimpleNote noteResult;
    noteResult.intOctave = intOctave;
    noteResult.intPitch = static_cast<int16_t>(intPitch + intHalftones);
    if (noteResult.intPitch >= 12) {
        noteResult.intPitch = static_cast<int16_t>(noteResult.intPitch - 12);
        ++noteResult.intOctave;
    }
    return noteResult;
}

void SimpleNote::doModification(int16_t intType) {
    switch (intType) {
    case 1:
        --intPitch;
        if (intPitch < 0) {
            intPitch = static_cast<int16_t>(intPitch + 12);
            --intOctave;
        }
        intSign = isBlackKey(intPitch) ? 2 : 0;
        break;
    case 3:
        ++intPitch;
        if (intPitch >= 12) {
            intPitch = static_cast<int16_t>(intPitch - 12);
            ++intOctave;
        }
        intSign = isBlackKey(intPitch) ? 1 : 0;
        break;
    case 4:
        intPitch = static_cast<int16_t>(intPitch - 2);
        if (intPitch < 0) {
            intPitch = static_cast<int16_t>(intPitch + 12);
            --intOctave;
        }
        break;
    default:
        break;
    }
}
