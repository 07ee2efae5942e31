#pragma once

#include "SimpleNote.h"
#include "StandardScale.h"

#include <cstdint>
#include <memory>
#include <string>

// Letter buttons as the main window numbers them.
enum Letter : int16_t { C = 0, D, E, F, G, A, B };

// A scale on a root made by the root buttons (octave 3), the way the main window builds one.
inline std::shared_ptr<const StandardScale> scaleOn(Letter letter, int16_t intAccidental,
                                                    const std::string& strIntervals) {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(letter, intAccidental);
    auto scale = std::make_shared<StandardScale>();
    scale->setScale(strIntervals);
    scale->setRootNote(noteRoot);
    return scale;
}

inline const std::string kIonian = "1,2,3,4,5,6,7";
inline const std::string kAeolian = "1,2,b3,4,5,b6,b7";
