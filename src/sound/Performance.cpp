#include "Performance.h"

#include "Globals.h"
#include "StandardScale.h"

#include <algorithm>

int programFor(SoundChoice choice, int intInstrument) {
    switch (choice) {
    case SoundChoice::Guitar:
        return kProgramNylonGuitar;
    case SoundChoice::Piano:
        return kProgramGrandPiano;
    case SoundChoice::FollowInstrument:
        break;
    }
    return intInstrument == 2 ? kProgramGrandPiano : kProgramNylonGuitar;
}

std::string soundChoiceName(SoundChoice choice) {
    switch (choice) {
    case SoundChoice::Guitar:
        return "guitar";
    case SoundChoice::Piano:
        return "piano";
    case SoundChoice::FollowInstrument:
        break;
    }
    return "follow";
}

bool parseSoundChoice(const std::string& strName, SoundChoice& choice) {
    for (SoundChoice candidate :
         {SoundChoice::Guitar, SoundChoice::Piano, SoundChoice::FollowInstrument}) {
        if (strName == soundChoiceName(candidate)) {
            choice = candidate;
            return true;
        }
    }
    return false;
}

int clampTempo(int intTempo) {
    return std::clamp(intTempo, kMinTempo, kMaxTempo);
}

InstrumentSetup instrumentFromGlobals(int intInstrument) {
    InstrumentSetup setup;
    setup.intInstrument = intInstrument;
    for (int i = 1; i <= std::clamp<int>(Globals::NumberOfStrings(), 1, Globals::kMaxStrings);
         ++i) {
        setup.collTuning.push_back(*Globals::Tuning(i));
    }
    setup.intKeyboardOctave = Globals::KeyboardOctave();
    return setup;
}

std::vector<ScheduledNote> buildSchedule(const StandardScale& scale, const InstrumentSetup& setup,
                                         bool boolChord) {
    std::vector<VoicedNote> collVoiced;
    SoundPlace topPlace;
    if (setup.intInstrument == 2) {
        collVoiced = NoteSchedule::voiceOnKeyboard(scale.getAllNotes(setup.intKeyboardOctave));
        if (!collVoiced.empty()) {
            topPlace = SoundPlace{false, 0, 0, collVoiced.front().intMidiNote + 12};
        }
    } else {
        const std::vector<int> collOpen = NoteSchedule::openStringNotes(setup.collTuning);
        collVoiced = NoteSchedule::voiceOnFretboard(scale.getAllNotes(1), collOpen);
        topPlace.boolFretboard = true; // string 0: no place, when the octave is off the board
        if (!collVoiced.empty()) {
            NoteSchedule::fretboardPlace(collVoiced.front().intMidiNote + 12, collOpen,
                                         collVoiced.front().place.intFret, topPlace);
        }
    }
    return boolChord ? NoteSchedule::scheduleChord(collVoiced)
                     : NoteSchedule::scheduleScale(collVoiced, topPlace);
}
