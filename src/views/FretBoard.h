#pragma once

#include "PicturePoint.h"
#include "PictureSurface.h"
#include "StandardScale.h"

#include <memory>
#include <optional>

// A place on the board: the string as numbered in the tuning (1 = top line of the picture) and
// the fret (0 = the open string, drawn beyond the nut).
struct FretPosition {
    int intString = 1;
    int intFret = 0;
    friend bool operator==(const FretPosition&, const FretPosition&) = default;
};

// The neck of a stringed instrument: nut, twelve equally wide frets and one line per string, with
// a marker on every open string and fret whose pitch class belongs to the attached scale. Labels
// and the left-handed layout follow the global instrument settings read at each drawing.
// Used for one redraw: setFretBoardPicBox, resetFretBoard, setScaleData, drawScaleData.
class FretBoard {
  public:
    void setFretBoardPicBox(PictureSurface& PicBoard);
    void setScaleData(std::shared_ptr<const StandardScale> scaleNewData);
    // Clears the surface to white and draws the empty board.
    void resetFretBoard();
    // Marks the scale on the board drawn by resetFretBoard; does nothing before it.
    void drawScaleData();

    // Where things sit on the board drawn by resetFretBoard, in twips; for clicks and overlays.
    // positionAt gives the string within half a string distance of y and the fret space holding
    // x, or nothing outside the board.
    std::optional<FretPosition> positionAt(int x, int y) const;
    PicturePoint markerCentre(FretPosition pos) const;
    static constexpr int kMarkerRadius = 150;

  private:
    void drawFretBoard();
    // x of the marker centre in fret space intFret (0 = open string, outside the nut).
    int markerX(int intFret) const;

    PictureSurface* picBoard = nullptr;
    std::shared_ptr<const StandardScale> scaleData;
    bool boolBoardDrawn = false;
    bool boolLeftHand = false;
    int intLeft = 0;
    int intTop = 0;
    int intNumberFrets = 12;
    int intFretWidth = 550;
    int intBoardHeight = 2100;
    int intStringDistance = 0;
    int intNumberStrings = 0;
    int intLabelMargin = 120;
};
