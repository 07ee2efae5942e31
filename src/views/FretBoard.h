#pragma once

#include "PictureSurface.h"
#include "StandardScale.h"

#include <memory>

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
