#pragma once

#include "FretBoard.h"
#include "PianoKeyboard.h"
#include "PictureSurface.h"
#include "StandardScale.h"

#include <cstdint>
#include <memory>

// The view that drew a picture, kept by the window so that clicks and overlays can ask where
// strings, frets and keys lie. Only the one for the instrument drawn is set.
struct ScalePictureViews {
    std::unique_ptr<FretBoard> viewFretBoard;
    std::unique_ptr<PianoKeyboard> viewPianoKeyboard;
};

// Draws the whole picture of a scale on a surface: a fresh fretboard (intInstrument 1) or piano
// keyboard (any other value), cleared and marked with the scale, using the current global
// settings. The window, the exporters and printing all draw through here.
ScalePictureViews drawScalePicture(PictureSurface& surface,
                                   std::shared_ptr<const StandardScale> scale,
                                   int16_t intInstrument);

// The picture's size in twips (577 x 225 pixels at 96 dpi).
inline constexpr int kScalePictureTwipsWidth = 8655;
inline constexpr int kScalePictureTwipsHeight = 3375;
