#pragma once

#include "NoteSchedule.h"

#include <cstdint>
#include <vector>

// A Standard MIDI File of one performance: type 0, one track on channel 1, 480 ticks per quarter
// note (one beat), the tempo as a meta event, the program change, then the notes' on and off
// events.
namespace MidiFile {

constexpr int kTicksPerBeat = 480;
constexpr int kVelocity = 100;

std::vector<uint8_t> write(const std::vector<ScheduledNote>& collNotes, int intTempo,
                           int intProgram);

} // namespace MidiFile
