#pragma once

// FluidSynth and the libraries it brings (audio servers, codecs, GLib) take longer to load than
// the rest of the program together, so the synthesizer is a module of its own, loaded the first
// time sound is wanted (see ModuleLoader.h).

#include "SoundEngine.h"

#include <string>
#include <vector>

// Name of the factory function the module exports.
inline constexpr const char* kSoundEngineFactory = "gamutrixCreateSoundEngine";
using SoundEngineFactoryFunction = SoundEngine* (*)(const SoundPlayerOptions&,
                                                    SoundEngine::StatusListener,
                                                    SoundEngine::NoteListener);

// Where the module is looked for (see modulePaths()).
std::vector<std::string> soundModulePaths();

// Loads the first module of collPaths that opens and creates its engine. Without one, the engine
// returned reports SoundStatus::NoAudioOutput to every prepare() and play(). The module is never
// unloaded: its threads may outlive any one engine's caller.
std::unique_ptr<SoundEngine> loadSoundEngine(const std::vector<std::string>& collPaths,
                                             const SoundPlayerOptions& options,
                                             SoundEngine::StatusListener statusListener,
                                             SoundEngine::NoteListener noteListener);
