#pragma once

#include "NoteSchedule.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
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

// Plays schedules through a synthesizer and an audio output that it owns on a worker thread of its
// own. Nothing is loaded or opened before the first prepare() or play(); every call returns at once
// and the listeners report back on the worker or audio thread.
class SoundPlayer {
  public:
    using StatusListener = std::function<void(SoundStatus)>;
    // Index into the schedule last played, and whether that note begins or ends.
    using NoteListener = std::function<void(int intIndex, bool boolOn)>;

    SoundPlayer(SoundPlayerOptions options, StatusListener statusListener,
                NoteListener noteListener);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Loads the SoundFont and opens the audio output, then reports the status.
    void prepare();
    void play(std::vector<ScheduledNote> collNotes, int intTempo, int intProgram);
    void stop();

  private:
    void post(std::function<void()> task);
    void run();
    void load(); // on the worker thread
    AudioOutput openDriver();

    SoundPlayerOptions options;
    StatusListener statusListener;
    NoteListener noteListener;

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> collTasks;
    bool boolQuit = false;
    std::thread worker;

    // Owned by the worker thread.
    SoundStatus status = SoundStatus::Unknown;
    std::unique_ptr<SoundSynth> sound;
    std::unique_ptr<ScheduleRenderer> renderer;
    AudioOutput output;
};
