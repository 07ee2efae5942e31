#include "MarkerClick.h"

#include "FretBoard.h"
#include "PianoKeyboard.h"
#include "StandardScale.h"

#include <algorithm>

namespace MarkerClick {

std::optional<VoicedNote> noteAtFretboardClick(const FretBoard& board, const StandardScale& scale,
                                               const InstrumentSetup& setup, int x, int y) {
    const std::optional<FretPosition> pos = board.positionAt(x, y);
    if (!pos || pos->intString < 1 || pos->intString > static_cast<int>(setup.collTuning.size())) {
        return std::nullopt;
    }
    const auto intIndex = static_cast<std::size_t>(pos->intString - 1);
    const int intPitch = (setup.collTuning[intIndex].Pitch() + pos->intFret) % 12;
    const PicturePoint centre = board.markerCentre(*pos);
    const long long dx = x - centre.x;
    const long long dy = y - centre.y;
    const long long longRadius = FretBoard::kMarkerRadius;
    if (scale.getPitchIntervalCode(intPitch).empty() ||
        dx * dx + dy * dy > longRadius * longRadius) {
        return std::nullopt;
    }
    const int intOpen = NoteSchedule::openStringNotes(setup.collTuning)[intIndex];
    return VoicedNote{intOpen + pos->intFret, SoundPlace{true, pos->intString, pos->intFret, 0}};
}

std::optional<VoicedNote> noteAtKeyboardClick(const PianoKeyboard& keyboard,
                                              const StandardScale& scale,
                                              const InstrumentSetup& setup, int x, int y) {
    const std::optional<SimpleNote> key = keyboard.keyAt(x, y);
    if (!key) {
        return std::nullopt;
    }
    const int intNote = NoteSchedule::midiNote(*key);
    const std::vector<VoicedNote> collMarked =
        NoteSchedule::voiceOnKeyboard(scale.getAllNotes(setup.intKeyboardOctave));
    const bool boolMarked =
        std::any_of(collMarked.begin(), collMarked.end(),
                    [intNote](const VoicedNote& v) { return v.intMidiNote == intNote; });
    return boolMarked
               ? std::optional<VoicedNote>(VoicedNote{intNote, SoundPlace{false, 0, 0, intNote}})
               : std::nullopt;
}

std::optional<Highlight> highlightFor(const SoundPlace& place, const FretBoard* board,
                                      const PianoKeyboard* keyboard) {
    if (place.boolFretboard && board != nullptr && place.intString > 0) {
        return Highlight{board->markerCentre(FretPosition{place.intString, place.intFret}),
                         FretBoard::kMarkerRadius};
    }
    if (!place.boolFretboard && keyboard != nullptr) {
        SimpleNote note;
        note.setPitch(static_cast<int16_t>(place.intKeyNote % 12));
        note.setOctave(static_cast<int16_t>(place.intKeyNote / 12));
        if (note.Octave() < 3 || note.Octave() > 5) {
            return std::nullopt;
        }
        // The key's own disc is small; the highlight is drawn larger so it shows around it.
        return Highlight{keyboard->markerCentre(note), 2 * keyboard->markerRadius(note)};
    }
    return std::nullopt;
}

} // namespace MarkerClick
