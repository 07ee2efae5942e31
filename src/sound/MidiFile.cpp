#include "MidiFile.h"

#include <algorithm>
#include <tuple>

namespace MidiFile {

namespace {

void putBigEndian(std::vector<uint8_t>& bytes, uint32_t longValue, int intBytes) {
    for (int i = intBytes - 1; i >= 0; --i) {
        bytes.push_back(static_cast<uint8_t>(longValue >> (8 * i)));
    }
}

// Delta times are written as variable-length quantities: 7 bits a byte, high bit on all but last.
void putVariableLength(std::vector<uint8_t>& bytes, uint32_t longValue) {
    uint8_t buffer[5];
    int intCount = 0;
    do {
        buffer[intCount++] = static_cast<uint8_t>(longValue & 0x7F);
        longValue >>= 7;
    } while (longValue != 0);
    while (intCount > 0) {
        --intCount;
        bytes.push_back(static_cast<uint8_t>(buffer[intCount] | (intCount > 0 ? 0x80 : 0)));
    }
}

struct Event {
    uint32_t longTick;
    bool boolOn;
    uint8_t intKey;
};

} // namespace

std::vector<uint8_t> write(const std::vector<ScheduledNote>& collNotes, int intTempo,
                           int intProgram) {
    std::vector<Event> collEvents;
    for (const ScheduledNote& note : collNotes) {
        const auto intKey = static_cast<uint8_t>(std::clamp(note.intMidiNote, 0, 127));
        collEvents.push_back(
            {static_cast<uint32_t>(note.intStartBeat * kTicksPerBeat), true, intKey});
        collEvents.push_back(
            {static_cast<uint32_t>((note.intStartBeat + note.intBeats) * kTicksPerBeat), false,
             intKey});
    }
    // At one tick the notes that end go first, so a note repeated at once is heard again.
    std::stable_sort(collEvents.begin(), collEvents.end(), [](const Event& a, const Event& b) {
        return std::make_tuple(a.longTick, a.boolOn) < std::make_tuple(b.longTick, b.boolOn);
    });

    std::vector<uint8_t> track;
    const uint32_t longMicroseconds = 60000000u / static_cast<uint32_t>(std::max(intTempo, 1));
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
    putBigEndian(track, longMicroseconds, 3);
    track.insert(track.end(), {0x00, 0xC0, static_cast<uint8_t>(std::clamp(intProgram, 0, 127))});
    uint32_t longLastTick = 0;
    for (const Event& event : collEvents) {
        putVariableLength(track, event.longTick - longLastTick);
        longLastTick = event.longTick;
        track.push_back(event.boolOn ? 0x90 : 0x80);
        track.push_back(event.intKey);
        track.push_back(event.boolOn ? kVelocity : 0);
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

    std::vector<uint8_t> bytes{'M', 'T', 'h', 'd'};
    putBigEndian(bytes, 6, 4);
    putBigEndian(bytes, 0, 2);
    putBigEndian(bytes, 1, 2);
    putBigEndian(bytes, kTicksPerBeat, 2);
    bytes.insert(bytes.end(), {'M', 'T', 'r', 'k'});
    putBigEndian(bytes, static_cast<uint32_t>(track.size()), 4);
    bytes.insert(bytes.end(), track.begin(), track.end());
    return bytes;
}

} // namespace MidiFile
