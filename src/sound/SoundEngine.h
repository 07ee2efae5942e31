#pragma once

#include "NoteSchedule.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class ScheduleRenderer;
class SoundSynth;

enum class SoundStatus { Unknown, Ready, NoSoundFont, NoAudioOutput };

// An open audio output that pulls its frames from the renderer until the handle is released.
using AudioOutput = std::shared_ptr<void>;

struct SoundPlayerOptions {
    std::string strSoundFont; // empty: none was found
    // FluidSynth's audio drivers, tried in this order until one opens.
    std::vector<std::string> collAudioDrivers{"pipewire", "pulseaudio", "alsa"};
    double dblSampleRate = 44100.0;
    // Further FluidSynth settings for the drivers (name, text value), e.g. the file driver's name.
    std::vector<std::pair<std::string, std::string>> collDriverSettings;
    // Opens the output; by default FluidSynth's drivers above. Empty handle: no output.
    std::function<AudioOutput(SoundSynth&, ScheduleRenderer&)> openOutput;
};

// What the window plays through. The synthesizer behind it lives in a module of its own that is
// loaded on first use (see SoundEngineLoader.h), so starting the program never pays for it.
class SoundEngine {
  public:
    using StatusListener = std::function<void(SoundStatus)>;
    // Index into the schedule last played, and whether that note begins or ends.
    using NoteListener = std::function<void(int intIndex, bool boolOn)>;

    virtual ~SoundEngine() = default;
    // Loads the SoundFont and opens the audio output, then reports the status.
    virtual void prepare() = 0;
    virtual void play(std::vector<ScheduledNote> collNotes, int intTempo, int intProgram) = 0;
    virtual void stop() = 0;
};
