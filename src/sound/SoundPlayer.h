#pragma once

#include "SoundEngine.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// Plays schedules through a synthesizer and an audio output that it owns on a worker thread of its
// own. Nothing is loaded or opened before the first prepare() or play(); every call returns at once
// and the listeners report back on the worker or audio thread.
class SoundPlayer : public SoundEngine {
  public:
    SoundPlayer(SoundPlayerOptions options, StatusListener statusListener,
                NoteListener noteListener);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void prepare() override;
    void play(std::vector<ScheduledNote> collNotes, int intTempo, int intProgram) override;
    void stop() override;

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
