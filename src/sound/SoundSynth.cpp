#include "SoundSynth.h"

void silenceFluidSynthLog() {
    for (int intLevel : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
        fluid_set_log_function(intLevel, nullptr, nullptr);
    }
}

std::unique_ptr<SoundSynth> SoundSynth::create(const std::string& strSoundFont,
                                               double dblSampleRate) {
    silenceFluidSynthLog();
    std::unique_ptr<SoundSynth> sound(new SoundSynth());
    sound->dblRate = dblSampleRate;
    sound->fluidSettings = new_fluid_settings();
    if (sound->fluidSettings == nullptr) {
        return nullptr;
    }
    fluid_settings_setnum(sound->fluidSettings, "synth.sample-rate", dblSampleRate);
    fluid_settings_setint(sound->fluidSettings, "synth.reverb.active", 0);
    fluid_settings_setint(sound->fluidSettings, "synth.chorus.active", 0);
    fluid_settings_setnum(sound->fluidSettings, "synth.gain", 0.5);
    sound->fluidSynth = new_fluid_synth(sound->fluidSettings);
    if (sound->fluidSynth == nullptr ||
        fluid_synth_sfload(sound->fluidSynth, strSoundFont.c_str(), 1) == FLUID_FAILED) {
        return nullptr;
    }
    return sound;
}

SoundSynth::~SoundSynth() {
    if (fluidSynth != nullptr) {
        delete_fluid_synth(fluidSynth);
    }
    if (fluidSettings != nullptr) {
        delete_fluid_settings(fluidSettings);
    }
}
