#pragma once

#include "Performance.h"

#include <QString>

class StandardScale;

// Writes what Play would play as a Standard MIDI File, atomically: the scale (or, with boolAsChord,
// the chord) on instrument 1 (fretboard) or 2 (keyboard) with the current instrument settings.
// On failure strError says why and no partial file is left. Needs no window and no display.
bool writeMidiForScale(const StandardScale& scale, int intInstrument, int intTempo,
                       SoundChoice choice, bool boolAsChord, const QString& strPath,
                       QString& strError);
