#include "IdentifyCommands.h"

#include "ChordScaleIndex.h"
#include "ScaleChords.h"
#include "StandardScale.h"

namespace {

std::string joinBlanks(const std::vector<std::string>& collParts) {
    std::string strJoined;
    for (const std::string& strPart : collParts) {
        strJoined += (strJoined.empty() ? "" : " ") + strPart;
    }
    return strJoined;
}

} // namespace

std::string noStackedChordsMessage(const std::string& strScaleTitle) {
    return strScaleTitle +
           " has no chords in thirds: it needs exactly one note on each degree 1 to 7.";
}

int runIdentify(const std::string& strNotes, std::ostream& out, std::ostream& err) {
    const TypedNotes notes = parseNoteNames(strNotes);
    if (!notes.strUnknown.empty()) {
        err << "Unknown note name: \"" << notes.strUnknown
            << "\" (use C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G#, Ab, A, A#, Bb, B)\n";
        return 2;
    }
    if (notes.collRoots.empty()) {
        err << "No notes given: name them, e.g. \"D F A C\"\n";
        return 2;
    }
    PitchMask mask = 0;
    for (const int intRoot : notes.collRoots) {
        mask = static_cast<PitchMask>(mask |
                                      pitchBit(kRoots[static_cast<std::size_t>(intRoot)].intPitch));
    }
    const int intBass = kRoots[static_cast<std::size_t>(notes.collRoots.front())].intPitch;
    const ChordScaleIndex index;
    const Identification answer = index.identify(mask, intBass);
    for (const ChordRow* chord : answer.collChords) {
        out << "chord\t" << kRoots[static_cast<std::size_t>(chord->intRoot)].strName << '\t'
            << chord->strSuffix << "\t\t\n";
    }
    for (const ScaleMatch& match : answer.collScales) {
        out << "scale\t" << kRoots[static_cast<std::size_t>(match.row->intRoot)].strName << '\t'
            << match.row->strName << '\t' << match.row->intCatalogue << '\t'
            << joinBlanks(match.extraNotes.names()) << '\n';
    }
    return 0;
}

int runChordsOf(const StandardScale& scale, std::ostream& out, std::ostream& err) {
    if (!scale.RootNote()) {
        err << "The scale has no root note.\n";
        return 2;
    }
    const ChordScaleIndex index;
    const std::vector<DegreeChords> collDegrees = chordsOfScale(scale, index);
    if (collDegrees.empty()) {
        const std::string strRoot = scale.RootNote()->getNoteName();
        out << noStackedChordsMessage(scale.Name().empty() ? strRoot : strRoot + " " + scale.Name())
            << '\n';
        return 0;
    }
    for (const DegreeChords& degree : collDegrees) {
        out << degree.strNumeral << '\t' << degree.triad.name("-") << '\t'
            << degree.fourNote.name("-") << '\n';
    }
    return 0;
}
