#pragma once

#include "Performance.h"

#include <QString>

// The Play menu's choices, kept in the user's preferences (QSettings): the tempo (40 to 240,
// default 100), the sound (default: follow the instrument) and an optional SoundFont file that
// replaces the standard ones.
namespace SoundPreferences {

int tempo();
void setTempo(int intTempo);
SoundChoice soundChoice();
void setSoundChoice(SoundChoice choice);
QString soundFontOverride();

} // namespace SoundPreferences
