#include "FretBoard.h"

#include "Globals.h"
#include "Rounding.h"

#include <algorithm>
#include <string>

namespace {

constexpr RgbColor kMarkerFill{102, 0, 0};
constexpr RgbColor kRootMarkerFill{153, 0, 0};
// Interval codes sit slightly right of the marker centre so they look centred in the circle.
constexpr int kCodeOffsetX = 18;
constexpr int kTuningNameOffsetX = 800;
constexpr int kFretNumberOffsetX = 150;
constexpr int kFretNumberOffsetY = 500;
constexpr double kLabelPoints = 8;

} // namespace

void FretBoard::setFretBoardPicBox(PictureSurface& PicBoard) {
    picBoard = &PicBoard;
}

void FretBoard::setScaleData(std::shared_ptr<const StandardScale> scaleNewData) {
    scaleData = std::move(scaleNewData);
}

void FretBoard::resetFretBoard() {
    if (picBoard == nullptr) {
        return;
    }
    picBoard->clear();
    picBoard->setBackColor(kWhite);
    drawFretBoard();
}

void FretBoard::drawFretBoard() {
    PictureSurface& pic = *picBoard;
    intNumberFrets = 12;
    intFretWidth = 550;
    const int intBoardWidth = intNumberFrets * intFretWidth;
    intLeft = roundHalfEven(pic.outerWidth() / 2.0) - roundHalfEven(intBoardWidth / 2.0);
    intLabelMargin = 120;
    intBoardHeight = 2100;
    // The settings store any value; the tuning table only holds kMaxStrings strings and a board
    // without strings would divide by zero.
    intNumberStrings = std::clamp<int>(Globals::NumberOfStrings(), 1, Globals::kMaxStrings);
    intStringDistance = roundHalfEven(static_cast<double>(intBoardHeight) / intNumberStrings);
    intTop = roundHalfEven(pic.outerHeight() / 2.0) -
             roundHalfEven(intStringDistance * intNumberStrings / 2.0);
    const bool boolShowFretNumbers = Globals::ShowFretNumbers();
    if (boolShowFretNumbers) {
        intTop += intLabelMargin;
    }
    boolLeftHand = Globals::LeftHand();
    const int intBottom = intTop + (intNumberStrings - 1) * intStringDistance;

    pic.setForeColor(kBlack);
    for (int f = 0; f <= intNumberFrets; ++f) {
        pic.setLineWidth(f == 0 ? 3 : 2);
        const int x = intLeft + (boolLeftHand ? intNumberFrets - f : f) * intFretWidth;
        pic.drawLine(x, intTop, x, intBottom, kBlack);
        if (boolShowFretNumbers && f < intNumberFrets) {
            // The numbers always run 1..12 away from the nut, so the left-handed row is reversed.
            pic.setFont("MS Sans Serif", kLabelPoints);
            pic.setCurrentPosition(intLeft + f * intFretWidth + kFretNumberOffsetX,
                                   intTop - kFretNumberOffsetY);
            pic.print(printedNumber(boolLeftHand ? intNumberFrets - f : f + 1));
        }
    }
    for (int s = 0; s < intNumberStrings; ++s) {
        pic.setLineWidth(2);
        const int y = intTop + s * intStringDistance;
        pic.drawLine(intLeft, y, intLeft + intBoardWidth, y, kBlack);
    }
    boolBoardDrawn = true;
}

int FretBoard::markerX(int intFret) const {
    const int intHalfFret = roundHalfEven(intFretWidth / 2.0);
    const int intSpace = boolLeftHand ? intNumberFrets + 1 - intFret : intFret;
    return intLeft + intSpace * intFretWidth - intHalfFret;
}

std::optional<FretPosition> FretBoard::positionAt(int x, int y) const {
    if (!boolBoardDrawn) {
        return std::nullopt;
    }
    const int intOffsetY = y - intTop + intStringDistance / 2;
    if (intOffsetY < 0) {
        return std::nullopt;
    }
    const int intString = intOffsetY / intStringDistance + 1;
    // Fret space 0 lies left of the first line; space k ends at line k.
    const int intOffsetX = x - intLeft + intFretWidth;
    if (intString > intNumberStrings || intOffsetX < 0) {
        return std::nullopt;
    }
    const int intSpace = intOffsetX / intFretWidth;
    const int intFret = boolLeftHand ? intNumberFrets + 1 - intSpace : intSpace;
    if (intFret < 0 || intFret > intNumberFrets) {
        return std::nullopt;
    }
    return FretPosition{intString, intFret};
}

PicturePoint FretBoard::markerCentre(FretPosition pos) const {
    return {markerX(pos.intFret), intTop + (pos.intString - 1) * intStringDistance};
}

void FretBoard::drawScaleData() {
    if (!boolBoardDrawn || !scaleData) {
        return;
    }
    PictureSurface& pic = *picBoard;
    const bool boolDisplayIntervals = Globals::DisplayIntervals();
    const bool boolShowTuning = Globals::ShowTuning();
    for (int i = 1; i <= intNumberStrings; ++i) {
        const std::shared_ptr<SimpleNote> noteOpen = Globals::Tuning(i);
        const int y = intTop + (i - 1) * intStringDistance;
        for (int f = 0; f <= intNumberFrets; ++f) {
            int p = noteOpen->Pitch() + f;
            if (p > 11) {
                p -= 12;
            }
            const std::string strCode = scaleData->getPitchIntervalCode(p);
            if (strCode.empty()) {
                continue;
            }
            pic.setFont("Tahoma", kLabelPoints);
            const int th = roundHalfEven(pic.textHeight(strCode));
            const int tw = roundHalfEven(pic.textWidth(strCode));
            const int x = markerX(f);
            pic.drawCircle(x, y, kMarkerRadius, kBlack,
                           strCode == "1" ? kRootMarkerFill : kMarkerFill);
            if (boolDisplayIntervals) {
                pic.setForeColor(kWhite);
                pic.setCurrentPosition(x - roundHalfEven(tw / 2.0) + kCodeOffsetX,
                                       y - roundHalfEven(th / 2.0));
                pic.print(strCode);
            }
        }
        if (boolShowTuning) {
            pic.setFont("Tahoma", kLabelPoints);
            pic.setForeColor(kBlack);
            const std::string strName = noteOpen->getNoteName(false);
            const int th = roundHalfEven(pic.textHeight(strName));
            pic.setCurrentPosition(intLeft - kTuningNameOffsetX, y - roundHalfEven(th / 2.0));
            pic.print(strName);
        }
    }
}
