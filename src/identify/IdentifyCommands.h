#pragma once

#include <ostream>
#include <string>

class StandardScale;

// The answers of the Tools windows as text lines for the command line. Each returns the exit
// status: 0 on success, 2 for input it cannot use (one line on err, nothing on out).

// Chords, then scales, one tab-separated row a line: "chord" or "scale", root name, chord suffix
// or scale name, catalogue number (empty for chords), the extra notes separated by blanks.
int runIdentify(const std::string& strNotes, std::ostream& out, std::ostream& err);

// One line a degree: Roman numeral, triad, four-note chord ("-" where the chord builder has no
// such chord). A scale without such chords gives one line saying so, and status 0.
int runChordsOf(const StandardScale& scale, std::ostream& out, std::ostream& err);

// The line that says a scale has no chords stacked in thirds (also shown by the window).
std::string noStackedChordsMessage(const std::string& strScaleTitle);
