#pragma once

#include <fluidsynth.h>
#include <memory>
#include <string>

// A FluidSynth synthesizer with one General MIDI SoundFont loaded, without any audio output; reverb
// and chorus are off so that Stop leaves no tail. FluidSynth's own log messages are switched off
// (failures are reported through the return values).
class SoundSynth {
  public:
    // nullptr when the SoundFont cannot be loaded.
    static std::unique_ptr<SoundSynth> create(const std::string& strSoundFont,
                                              double dblSampleRate);
    ~SoundSynth();
    SoundSynth(const SoundSynth&) = delete;
    SoundSynth& operator=(const SoundSynth&) = delete;

    fluid_synth_t* synth() const { return fluidSynth; }
    fluid_settings_t* settings() const { return fluidSettings; }
    double sampleRate() const { return dblRate; }

  private:
    SoundSynth() = default;
    fluid_settings_t* fluidSettings = nullptr;
    fluid_synth_t* fluidSynth = nullptr;
    double dblRate = 44100.0;
};

void silenceFluidSynthLog();
