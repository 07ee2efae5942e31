#include "NoteSchedule.h"

#include <algorithm>
#include <cstdlib>

namespace NoteSchedule {

namespace {

int pitchClass(int intValue) {
    return ((intValue % 12) + 12) % 12;
}

// The lowest MIDI note of pitch class intPitch that lies strictly above intBelow.
int nearestAbove(int intBelow, int intPitch) {
    return intBelow + 1 + pitchClass(intPitch - (intBelow + 1));
}

} // namespace

int midiNote(const SimpleNote& note) {
    return 12 * note.Octave() + note.Pitch();
}

std::vector<int> openStringNotes(const std::vector<SimpleNote>& collTuning) {
    std::vector<int> collNotes;
    const bool boolAllInThree =
        std::all_of(collTuning.begin(), collTuning.end(),
                    [](const SimpleNote& note) { return note.Octave() == 3; });
    for (const SimpleNote& note : collTuning) {
        collNotes.push_back(midiNote(note));
    }
    if (boolAllInThree && !collNotes.empty()) {
        // The setup dialog keeps no octaves: voice the strings upwards from the lowest line.
        for (std::size_t i = collNotes.size() - 1; i-- > 0;) {
            collNotes[i] = nearestAbove(collNotes[i + 1], collTuning[i].Pitch());
        }
    }
    return collNotes;
}

int lowestString(const std::vector<int>& collOpenStrings) {
    int intString = 0;
    for (std::size_t i = 0; i < collOpenStrings.size(); ++i) {
        if (intString == 0 || collOpenStrings[i] <= collOpenStrings[intString - 1]) {
            intString = static_cast<int>(i) + 1;
        }
    }
    return intString;
}

bool fretboardPlace(int intMidiNote, const std::vector<int>& collOpenStrings, int intNearFret,
                    SoundPlace& place) {
    bool boolFound = false;
    for (std::size_t i = 0; i < collOpenStrings.size(); ++i) {
        const int intFret = intMidiNote - collOpenStrings[i];
        if (intFret < 0 || intFret > kFrets) {
            continue;
        }
        const int intDistance = std::abs(intFret - intNearFret);
        const int intBest = std::abs(place.intFret - intNearFret);
        const bool boolLower =
            boolFound && collOpenStrings[i] < collOpenStrings[place.intString - 1];
        if (!boolFound || intDistance < intBest || (intDistance == intBest && boolLower)) {
            place = SoundPlace{true, static_cast<int>(i) + 1, intFret, 0};
            boolFound = true;
        }
    }
    return boolFound;
}

std::vector<VoicedNote> voiceOnFretboard(const std::vector<SimpleNote>& collNotes,
                                         const std::vector<int>& collOpenStrings) {
    std::vector<VoicedNote> collVoiced;
    const int intLowest = lowestString(collOpenStrings);
    if (collNotes.empty() || intLowest == 0) {
        return collVoiced;
    }
    const int intOpen = collOpenStrings[intLowest - 1];
    const int intRootFret = pitchClass(collNotes.front().Pitch() - intOpen);
    collVoiced.push_back({intOpen + intRootFret, SoundPlace{true, intLowest, intRootFret, 0}});
    for (std::size_t i = 1; i < collNotes.size(); ++i) {
        VoicedNote voiced;
        voiced.intMidiNote = nearestAbove(collVoiced.back().intMidiNote, collNotes[i].Pitch());
        fretboardPlace(voiced.intMidiNote, collOpenStrings, intRootFret, voiced.place);
        collVoiced.push_back(voiced);
    }
    return collVoiced;
}

std::vector<VoicedNote> voiceOnKeyboard(const std::vector<SimpleNote>& collNotes) {
    std::vector<VoicedNote> collVoiced;
    for (const SimpleNote& note : collNotes) {
        if (note.Octave() >= 3 && note.Octave() <= 5) {
            const int intNote = midiNote(note);
            collVoiced.push_back({intNote, SoundPlace{false, 0, 0, intNote}});
        }
    }
    return collVoiced;
}

std::vector<ScheduledNote> scheduleScale(const std::vector<VoicedNote>& collNotes,
                                         const SoundPlace& topPlace) {
    std::vector<ScheduledNote> collSchedule;
    if (collNotes.empty()) {
        return collSchedule;
    }
    std::vector<VoicedNote> collOrder(collNotes);
    collOrder.push_back({collNotes.front().intMidiNote + 12, topPlace});
    collOrder.insert(collOrder.end(), collNotes.rbegin(), collNotes.rend());
    for (std::size_t i = 0; i < collOrder.size(); ++i) {
        collSchedule.push_back(
            {collOrder[i].intMidiNote, static_cast<int>(i), 1, collOrder[i].place});
    }
    collSchedule.back().intBeats = 2;
    return collSchedule;
}

std::vector<ScheduledNote> scheduleChord(const std::vector<VoicedNote>& collNotes) {
    std::vector<ScheduledNote> collSchedule;
    if (collNotes.empty()) {
        return collSchedule;
    }
    for (const VoicedNote& voiced : collNotes) {
        collSchedule.push_back({voiced.intMidiNote, 0, 2, voiced.place});
    }
    std::vector<VoicedNote> collUp(collNotes);
    std::stable_sort(collUp.begin(), collUp.end(), [](const VoicedNote& a, const VoicedNote& b) {
        return a.intMidiNote < b.intMidiNote;
    });
    for (std::size_t i = 0; i < collUp.size(); ++i) {
        collSchedule.push_back(
            {collUp[i].intMidiNote, 2 + static_cast<int>(i), 1, collUp[i].place});
    }
    collSchedule.back().intBeats = 2;
    return collSchedule;
}

int totalBeats(const std::vector<ScheduledNote>& collNotes) {
    int intEnd = 0;
    for (const ScheduledNote& note : collNotes) {
        intEnd = std::max(intEnd, note.intStartBeat + note.intBeats);
    }
    return intEnd;
}

} // namespace NoteSchedule
