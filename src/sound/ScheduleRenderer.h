#pragma once

#include "NoteSchedule.h"

#include <fluidsynth.h>
#include <functional>
#include <mutex>
#include <vector>

// Plays a schedule into a synthesizer, sample-exactly: each note starts and ends at the frame its
// beat falls on. render() is called by whoever pulls audio (the audio driver's thread, or a test
// rendering offline); start() and stop() may be called from any thread and take effect at the
// beginning of the next rendered buffer.
class ScheduleRenderer {
  public:
    // Index into the schedule, and whether that note begins or ends. Called on the rendering
    // thread; it must not call back into the renderer.
    using NoteListener = std::function<void(int intIndex, bool boolOn)>;

    ScheduleRenderer(fluid_synth_t* synth, double dblSampleRate);

    void setNoteListener(NoteListener listener);
    void start(const std::vector<ScheduledNote>& collNotes, int intTempo, int intProgram);
    void stop();
    bool isPlaying() const;

    // Renders intFrames stereo frames into two separate channel buffers.
    void render(int intFrames, float* left, float* right);

    // The frame (from the start) at which a beat falls.
    static long long beatFrame(int intBeat, int intTempo, double dblSampleRate);

  private:
    struct Event {
        long long longFrame;
        bool boolOn;
        int intKey;
        int intIndex;
    };
    enum class Command { None, Start, Stop };

    void applyCommand();
    void silence();

    fluid_synth_t* synth;
    double dblSampleRate;
    mutable std::mutex mutex;
    NoteListener noteListener;
    Command command = Command::None;
    std::vector<Event> collPending;
    int intPendingProgram = 0;
    std::vector<Event> collEvents;
    std::size_t intNext = 0;
    long long longPosition = 0;
    std::vector<int> collSounding; // schedule indices of the notes now on
};
