#include "ScalePicture.h"

#include "FretBoard.h"
#include "PianoKeyboard.h"

void drawScalePicture(PictureSurface& surface, std::shared_ptr<const StandardScale> scale,
                      int16_t intInstrument) {
    if (intInstrument == 1) {
        FretBoard viewFretBoard;
        viewFretBoard.setFretBoardPicBox(surface);
        viewFretBoard.resetFretBoard();
        viewFretBoard.setScaleData(std::move(scale));
        viewFretBoard.drawScaleData();
    } else {
        PianoKeyboard viewPianoKeyboard;
        viewPianoKeyboard.setPianoPicBox(surface);
        viewPianoKeyboard.resetPianoKeyboard();
        viewPianoKeyboard.setScaleData(std::move(scale));
        viewPianoKeyboard.drawScaleData();
    }
}
