#include "PianoKeyboard.h"

#include "Globals.h"
#include "Rounding.h"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWhiteKeys = 21;
constexpr int kLowestOctave = 3;
constexpr int kHighestOctave = 5;
constexpr double kLabelPoints = 8;

// White keys k (1..21) that have a black key on their right-hand boundary: C#, D#, F#, G#, A#.
constexpr bool hasBlackKeyAfter(int k) {
    const int intInOctave = (k - 1) % 7 + 1;
    return intInOctave != 3 && intInOctave != 7;
}

// For each pitch class: the white key (1..7 within the octave) it sounds on, or for a black key
// the white key to its left; and whether it is a black key.
struct KeyPlace {
    int intWhiteKey;
    bool boolBlack;
};
constexpr std::array<KeyPlace, 12> kKeyPlaces{{
    {1, false}, // C
    {1, true},  // C#/Db
    {2, false}, // D
    {2, true},  // D#/Eb
    {3, false}, // E
    {4, false}, // F
    {4, true},  // F#/Gb
    {5, false}, // G
    {5, true},  // G#/Ab
    {6, false}, // A
    {6, true},  // A#/Bb
    {7, false}, // B
}};

// Label rows: below the white keys, above the black keys; the code row moves out when a note
// name was printed first.
constexpr int kBelowNameRow = 120;
constexpr int kBelowCodeRowAfterName = 330;
constexpr int kAboveNameRow = 320;
constexpr int kAboveCodeRowAfterName = 560;

// The white pitch classes in key order, C to B.
constexpr std::array<int, 7> kWhitePitches{0, 2, 4, 5, 7, 9, 11};

} // namespace

void PianoKeyboard::setPianoPicBox(PictureSurface& PicPianoKey) {
    picPianoKey = &PicPianoKey;
}

void PianoKeyboard::setScaleData(std::shared_ptr<const StandardScale> scaleNewData) {
    scaleData = std::move(scaleNewData);
}

void PianoKeyboard::resetPianoKeyboard() {
    if (picPianoKey == nullptr) {
        return;
    }
    picPianoKey->clear();
    picPianoKey->setBackColor(kWhite);
    initKeyboardGeometry();
    drawKeyboard();
}

void PianoKeyboard::initKeyboardGeometry() {
    intKeyLength = 1800;
    intKeyWidth = 300;
    intBlackKeyLength = roundHalfEven(2.0 / 3.0 * intKeyLength);
    intBlackKeyWidth = 120;
    // 23 key widths: the 21 white keys start one key width right of intLeft.
    intLeft = roundHalfEven(picPianoKey->outerWidth() / 2.0) -
              roundHalfEven((kWhiteKeys + 2) * intKeyWidth / 2.0);
    intTop = roundHalfEven(picPianoKey->outerHeight() / 2.0) - roundHalfEven(intKeyLength / 2.0);
}

void PianoKeyboard::drawKeyboard() {
    PictureSurface& pic = *picPianoKey;
    pic.setForeColor(kBlack);
    pic.setLineWidth(2);
    pic.drawLine(intLeft + intKeyWidth, intTop, intLeft + intKeyWidth, intTop + intKeyLength,
                 kBlack);
    for (int k = 1; k <= kWhiteKeys; ++k) {
        const int x = intLeft + intKeyWidth * k;
        drawWhiteKey(x);
        if (hasBlackKeyAfter(k)) {
            drawBlackKey(x);
        }
    }
    boolKeyboardDrawn = true;
}

void PianoKeyboard::drawWhiteKey(int x) {
    PictureSurface& pic = *picPianoKey;
    pic.setForeColor(kBlack);
    pic.setLineWidth(2);
    const int intBottom = intTop + intKeyLength;
    pic.drawLine(x, intBottom, x + intKeyWidth, intBottom, kBlack);
    pic.drawLine(x + intKeyWidth, intTop, x + intKeyWidth, intBottom, kBlack);
}

void PianoKeyboard::drawBlackKey(int x) {
    PictureSurface& pic = *picPianoKey;
    pic.setForeColor(kBlack);
    pic.setLineWidth(2);
    const int intHalfWidth = roundHalfEven(intBlackKeyWidth / 2.0);
    pic.fillBox(x + intKeyWidth - intHalfWidth, intTop, x + intKeyWidth + intHalfWidth,
                intTop + intBlackKeyLength, kBlack);
}

void PianoKeyboard::printCentred(int x, int y, const std::string& strText) {
    PictureSurface& pic = *picPianoKey;
    pic.setFont("MS Sans Serif", kLabelPoints);
    const int tw = roundHalfEven(pic.textWidth(strText));
    pic.setCurrentPosition(x - roundHalfEven(tw / 2.0), y);
    pic.print(strText);
}

std::optional<SimpleNote> PianoKeyboard::keyAt(int x, int y) const {
    if (!boolKeyboardDrawn || y < intTop || y > intTop + intKeyLength) {
        return std::nullopt;
    }
    const int intHalfWidth = roundHalfEven(intBlackKeyWidth / 2.0);
    // White key k spans [intLeft + k * width, intLeft + (k + 1) * width).
    const int intOffset = x - intLeft;
    if (intOffset < intKeyWidth) {
        return std::nullopt;
    }
    int k = intOffset / intKeyWidth;
    int intAbove = 0;
    if (y <= intTop + intBlackKeyLength) {
        // A black key straddles the boundary between white keys k and k + 1.
        const int intNearest = (intOffset + intKeyWidth / 2) / intKeyWidth;
        const int intBoundary = intNearest * intKeyWidth;
        if (std::abs(intOffset - intBoundary) <= intHalfWidth && intNearest - 1 >= 1 &&
            intNearest - 1 <= kWhiteKeys && hasBlackKeyAfter(intNearest - 1)) {
            k = intNearest - 1;
            intAbove = 1;
        }
    }
    if (k < 1 || k > kWhiteKeys) {
        return std::nullopt;
    }
    SimpleNote noteKey;
    noteKey.setPitch(
        static_cast<int16_t>(kWhitePitches[static_cast<std::size_t>((k - 1) % 7)] + intAbove));
    noteKey.setOctave(static_cast<int16_t>(kLowestOctave + (k - 1) / 7));
    noteKey.setSign(0);
    return noteKey;
}

PicturePoint PianoKeyboard::markerCentre(const SimpleNote& noteValue) const {
    const int p = ((noteValue.Pitch() % 12) + 12) % 12;
    const KeyPlace place = kKeyPlaces[static_cast<std::size_t>(p)];
    const int k = place.intWhiteKey + 7 * (noteValue.Octave() - kLowestOctave);
    if (place.boolBlack) {
        return {intLeft + intKeyWidth * (k + 1),
                intTop + roundHalfEven(intBlackKeyLength * 3.0 / 4.0)};
    }
    return {intLeft + intKeyWidth * k + roundHalfEven(intKeyWidth / 2.0),
            intTop + roundHalfEven(intKeyLength * 7.0 / 8.0)};
}

int PianoKeyboard::markerRadius(const SimpleNote& noteValue) const {
    const int p = ((noteValue.Pitch() % 12) + 12) % 12;
    return kKeyPlaces[static_cast<std::size_t>(p)].boolBlack ? roundHalfEven(intKeyWidth / 6.0)
                                                             : roundHalfEven(intKeyWidth / 5.0);
}

void PianoKeyboard::showNote(const SimpleNote& noteValue, const std::string& strIntervalDesc,
                             RgbColor longColor) {
    const int intOctave = noteValue.Octave();
    const int p = noteValue.Pitch();
    // Pitches outside 0..11 can only come from unchecked setters; they name no key.
    if (!boolKeyboardDrawn || intOctave < kLowestOctave || intOctave > kHighestOctave || p < 0 ||
        p > 11) {
        return;
    }
    PictureSurface& pic = *picPianoKey;
    const bool boolBlackKey = kKeyPlaces[static_cast<std::size_t>(p)].boolBlack;
    const bool boolShowNames = Globals::ShowNoteNames();
    const bool boolShowCode = Globals::ShowIntervals() && !strIntervalDesc.empty();
    const PicturePoint ptCentre = markerCentre(noteValue);
    const int x = ptCentre.x;

    if (!boolBlackKey) {
        pic.drawCircle(x, ptCentre.y, markerRadius(noteValue), longColor, longColor);
        const int intBelow = intTop + intKeyLength;
        if (boolShowNames) {
            printCentred(x, intBelow + kBelowNameRow, noteValue.getNoteName(false));
        }
        if (boolShowCode) {
            printCentred(x, intBelow + (boolShowNames ? kBelowCodeRowAfterName : kBelowNameRow),
                         strIntervalDesc);
        }
        return;
    }

    // A black disc would vanish on a black key.
    if (longColor == kBlack) {
        longColor = kWhite;
    }
    pic.drawCircle(x, ptCentre.y, markerRadius(noteValue), longColor, longColor);
    if (boolShowNames) {
        printCentred(x, intTop - kAboveNameRow, noteValue.getNoteName(false));
    }
    if (boolShowCode) {
        printCentred(x, intTop - (boolShowNames ? kAboveCodeRowAfterName : kAboveNameRow),
                     strIntervalDesc);
    }
}

void PianoKeyboard::drawScaleData() {
    if (!boolKeyboardDrawn || !scaleData) {
        return;
    }
    const std::vector<SimpleNote> collNotes = scaleData->getAllNotes(Globals::KeyboardOctave());
    std::vector<std::string> collCodes;
    const std::string strCodes = scaleData->getScaleString(0);
    for (std::size_t intStart = 0;;) {
        const std::size_t intComma = strCodes.find(',', intStart);
        collCodes.push_back(strCodes.substr(intStart, intComma - intStart));
        if (intComma == std::string::npos) {
            break;
        }
        intStart = intComma + 1;
    }
    for (std::size_t i = 0; i < collNotes.size(); ++i) {
        // Both lists come from the same scale; a missing code just prints none.
        showNote(collNotes[i], i < collCodes.size() ? collCodes[i] : std::string(), kBlack);
    }
}
