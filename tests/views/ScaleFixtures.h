#pragma once

#include "SimpleNote.h"
#include "StandardScale.h"

// A scale on a root such as "C3" (the main window keeps its root in octave 3).
inline std::shared_ptr<const StandardScale> scaleOn(const char* strRoot, const char* strCodes) {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setNote(strRoot);
    auto scale = std::make_shared<StandardScale>();
    scale->setScale(strCodes);
    scale->setRootNote(noteRoot);
    return scale;
}
