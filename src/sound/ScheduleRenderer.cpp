#include "ScheduleRenderer.h"

#include <algorithm>
#include <cmath>
#include <tuple>

ScheduleRenderer::ScheduleRenderer(fluid_synth_t* synth, double dblSampleRate)
    : synth(synth), dblSampleRate(dblSampleRate) {}

void ScheduleRenderer::setNoteListener(NoteListener listener) {
    std::lock_guard lock(mutex);
    noteListener = std::move(listener);
}

long long ScheduleRenderer::beatFrame(int intBeat, int intTempo, double dblSampleRate) {
    return std::llround(intBeat * 60.0 * dblSampleRate / std::max(intTempo, 1));
}

void ScheduleRenderer::start(const std::vector<ScheduledNote>& collNotes, int intTempo,
                             int intProgram) {
    std::vector<Event> collNew;
    for (std::size_t i = 0; i < collNotes.size(); ++i) {
        const ScheduledNote& note = collNotes[i];
        const int intKey = std::clamp(note.intMidiNote, 0, 127);
        const int intIndex = static_cast<int>(i);
        collNew.push_back(
            {beatFrame(note.intStartBeat, intTempo, dblSampleRate), true, intKey, intIndex});
        collNew.push_back({beatFrame(note.intStartBeat + note.intBeats, intTempo, dblSampleRate),
                           false, intKey, intIndex});
    }
    // Notes that end go before notes that begin on the same frame.
    std::stable_sort(collNew.begin(), collNew.end(), [](const Event& a, const Event& b) {
        return std::make_tuple(a.longFrame, a.boolOn) < std::make_tuple(b.longFrame, b.boolOn);
    });
    std::lock_guard lock(mutex);
    collPending = std::move(collNew);
    intPendingProgram = std::clamp(intProgram, 0, 127);
    command = Command::Start;
}

void ScheduleRenderer::stop() {
    std::lock_guard lock(mutex);
    command = Command::Stop;
}

bool ScheduleRenderer::isPlaying() const {
    std::lock_guard lock(mutex);
    return command == Command::Start || intNext < collEvents.size();
}

void ScheduleRenderer::silence() {
    fluid_synth_all_sounds_off(synth, -1);
    // The synthesizer computes whole blocks ahead and ends voices at the next block: rendering one
    // block away makes the next frame out the first one without the old notes.
    const int intBlock = fluid_synth_get_internal_bufsize(synth);
    std::vector<float> collScratch(static_cast<std::size_t>(2 * intBlock));
    fluid_synth_write_float(synth, intBlock, collScratch.data(), 0, 1, collScratch.data(), intBlock,
                            1);
    for (int intIndex : collSounding) {
        if (noteListener) {
            noteListener(intIndex, false);
        }
    }
    collSounding.clear();
    collEvents.clear();
    intNext = 0;
}

void ScheduleRenderer::applyCommand() {
    if (command == Command::None) {
        return;
    }
    silence();
    if (command == Command::Start) {
        fluid_synth_program_change(synth, 0, intPendingProgram);
        collEvents = std::move(collPending);
        collPending.clear();
        longPosition = 0;
    }
    command = Command::None;
}

void ScheduleRenderer::render(int intFrames, float* left, float* right) {
    std::lock_guard lock(mutex);
    applyCommand();
    int intDone = 0;
    while (intDone < intFrames) {
        while (intNext < collEvents.size() &&
               collEvents[intNext].longFrame <= longPosition + intDone) {
            const Event& event = collEvents[intNext++];
            if (event.boolOn) {
                fluid_synth_noteon(synth, 0, event.intKey, 100);
                collSounding.push_back(event.intIndex);
            } else {
                fluid_synth_noteoff(synth, 0, event.intKey);
                std::erase(collSounding, event.intIndex);
            }
            if (noteListener) {
                noteListener(event.intIndex, event.boolOn);
            }
        }
        int intChunk = intFrames - intDone;
        if (intNext < collEvents.size()) {
            intChunk = static_cast<int>(std::min<long long>(
                intChunk, collEvents[intNext].longFrame - (longPosition + intDone)));
        }
        fluid_synth_write_float(synth, intChunk, left, intDone, 1, right, intDone, 1);
        intDone += intChunk;
    }
    longPosition += intFrames;
}
