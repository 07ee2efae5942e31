#include "ScalePicture.h"

ScalePictureViews drawScalePicture(PictureSurface& surface,
                                   std::shared_ptr<const StandardScale> scale,
                                   int16_t intInstrument) {
    ScalePictureViews views;
    if (intInstrument == 1) {
        views.viewFretBoard = std::make_unique<FretBoard>();
        views.viewFretBoard->setFretBoardPicBox(surface);
        views.viewFretBoard->resetFretBoard();
        views.viewFretBoard->setScaleData(std::move(scale));
        views.viewFretBoard->drawScaleData();
    } else {
        views.viewPianoKeyboard = std::make_unique<PianoKeyboard>();
        views.viewPianoKeyboard->setPianoPicBox(surface);
        views.viewPianoKeyboard->resetPianoKeyboard();
        views.viewPianoKeyboard->setScaleData(std::move(scale));
        views.viewPianoKeyboard->drawScaleData();
    }
    return views;
}
