#pragma once

#include "SimpleNote.h"
#include "StandardScale.h"

#include <memory>
#include <optional>
#include <string>

// What a command line asks for: a root and either a catalogue entry or an interval list of the
// user's own. Unset members take the program's start-up choice (root C, the first entry of
// catalogue 1).
struct ScaleRequest {
    std::string strRoot = "C";
    std::optional<int> intCatalogue;
    std::optional<std::string> strScale;
    std::optional<std::string> strIntervals;
    std::optional<std::string> strName;
};

// A scale ready to draw, with the two text lines the window would show for it.
struct ChosenScale {
    std::shared_ptr<SimpleNote> noteRoot;
    std::shared_ptr<StandardScale> scale;
    std::string strTitle;     // root name, a blank, the scale name ("Eb Dorian")
    std::string strIntervals; // the interval list as the catalogue or the user wrote it
};

// The name a user-defined interval list gets when it is given none, as in the custom dialog.
inline constexpr const char* kUserDefinedScaleName = "User-defined Scale";

// Resolves a request into a rooted scale. On a mistake it returns nothing and strError holds a
// one-line reason (an unknown scale names up to three close names of its catalogue).
std::optional<ChosenScale> chooseScale(const ScaleRequest& request, std::string& strError);

// True when every token of the list is an interval the scale model knows, optionally in
// parentheses ("1,b3,(5),b7,9"); an empty list or an empty token is not.
bool isKnownIntervalList(const std::string& strIntervals, std::string& strBadToken);
