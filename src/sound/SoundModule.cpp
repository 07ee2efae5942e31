// The entry point of the sound module, the one part of the program that links FluidSynth.

#include "SoundEngineLoader.h"
#include "SoundPlayer.h"

extern "C" __attribute__((visibility("default"))) SoundEngine*
gamutrixCreateSoundEngine(const SoundPlayerOptions& options,
                          SoundEngine::StatusListener statusListener,
                          SoundEngine::NoteListener noteListener) {
    return new SoundPlayer(options, std::move(statusListener), std::move(noteListener));
}
