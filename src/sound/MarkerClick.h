#pragma once

#include "Performance.h"
#include "PicturePoint.h"

#include <optional>

class FretBoard;
class PianoKeyboard;

// Between the picture and the sound: which note a click on a marker plays, and where the marker of
// a sounding note sits. The views must have been drawn (reset) for the current picture.
namespace MarkerClick {

// A click inside a marker's circle plays that string at that fret; elsewhere nothing.
std::optional<VoicedNote> noteAtFretboardClick(const FretBoard& board, const StandardScale& scale,
                                               const InstrumentSetup& setup, int x, int y);

// A click anywhere on a key that carries a marker plays that key (the discs are small).
std::optional<VoicedNote> noteAtKeyboardClick(const PianoKeyboard& keyboard,
                                              const StandardScale& scale,
                                              const InstrumentSetup& setup, int x, int y);

struct Highlight {
    PicturePoint centre;
    int intRadius = 0;
};

// Where to highlight a place on the view shown (the other pointer null); nothing for a place
// that the view does not have.
std::optional<Highlight> highlightFor(const SoundPlace& place, const FretBoard* board,
                                      const PianoKeyboard* keyboard);

} // namespace MarkerClick
