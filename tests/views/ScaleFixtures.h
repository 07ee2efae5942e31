#pragma once

#include "SimpleNote.h"
#include "StandardScale.h"

#include <string>

// A scale as the main window makes it: interval list first, then the root, such as "C3" (the
// window keeps its root in octave 3; "C#" alone lands there too).
inline std::shared_ptr<const StandardScale>
scaleOn(const char* strRoot, const std::string& strCodes, const std::string& strName = "") {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setNote(strRoot);
    auto scale = std::make_shared<StandardScale>();
    scale->setScale(strCodes);
    scale->setName(strName);
    scale->setRootNote(noteRoot);
    return scale;
}
