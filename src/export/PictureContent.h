#pragma once

#include "StandardScale.h"

#include <cstdint>
#include <memory>
#include <string>

// Everything an exported or printed picture shows: the scale on an instrument, and the two text
// lines the window shows above the picture.
struct PictureContent {
    std::shared_ptr<const StandardScale> scale;
    int16_t intInstrument = 1; // 1 fretboard, 2 keyboard
    std::string strTitle;      // the title line as the window shows it, e.g. "C Ionian"
    std::string strIntervals;  // the interval line, e.g. "1,2,3,4,5,6,7"
};
