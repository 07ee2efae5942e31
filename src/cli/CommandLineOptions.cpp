#include "CommandLineOptions.h"

#include <QCoreApplication>
#include <array>

namespace {

struct OptionRow {
    const char* strName;
    const char* strValueName; // nullptr for a switch
    const char* strDescription;
};

// The options in the order --help lists them.
constexpr std::array<OptionRow, 23> kOptionRows{{
    {CommandLineOptions::kExport, "file",
     "Draw the picture into <file> without opening a window; the type follows the extension: "
     ".bmp, .png, .svg or .pdf, or .mid for what Play plays as a MIDI file."},
    {CommandLineOptions::kRoot, "root",
     "Root note: C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G#, "
     "Ab, A, A#, Bb or B (default C)."},
    {CommandLineOptions::kCatalogue, "1|2|3",
     "Scale catalogue: 1 Main Scales, 2 Sorted Scales, 3 Various Scales / Chords (default 1)."},
    {CommandLineOptions::kScale, "name",
     "Scale exactly as its catalogue names it (default: the catalogue's first); "
     "use --scale=<name> for a name that begins with \"-\"."},
    {CommandLineOptions::kIntervals, "list",
     "Own interval list instead of a catalogue scale, such as 1,b3,5,b7,9."},
    {CommandLineOptions::kName, "name",
     "Name of the --intervals list in the title (default \"User-defined Scale\")."},
    {CommandLineOptions::kInstrument, "fretboard|keyboard", "Instrument (default fretboard)."},
    {CommandLineOptions::kStrings, "3..7",
     "Number of strings (default 6, or as many as --tuning names)."},
    {CommandLineOptions::kTuning, "notes",
     "Open strings from the lowest-sounding to the highest, each with its octave "
     "(default E3,A3,D4,G4,B4,E5)."},
    {CommandLineOptions::kLeftHanded, nullptr, "Left-handed fretboard."},
    {CommandLineOptions::kNoFretNumbers, nullptr, "Fretboard without fret numbers."},
    {CommandLineOptions::kNoTuning, nullptr, "Fretboard without the open-string names."},
    {CommandLineOptions::kNoIntervals, nullptr, "Fretboard markers without interval codes."},
    {CommandLineOptions::kOctave, "higher|same|lower",
     "Keyboard: the 2nd, 4th and 6th one octave higher, in the same octave (default) or one "
     "octave lower."},
    {CommandLineOptions::kNoNoteNames, nullptr, "Keyboard without note names."},
    {CommandLineOptions::kShowIntervals, nullptr, "Keyboard with interval codes."},
    {CommandLineOptions::kScaleFactor, "1..4",
     "Draw the picture 1 to 4 times as large (default 1; a PDF keeps its page size)."},
    {CommandLineOptions::kTempo, "40..240", "MIDI file: beats per minute (default 100)."},
    {CommandLineOptions::kSound, "guitar|piano",
     "MIDI file: the sound (default: guitar on the fretboard, piano on the keyboard)."},
    {CommandLineOptions::kChord, nullptr,
     "MIDI file: play the interval list as a chord instead of as a scale."},
    {CommandLineOptions::kIdentify, "notes",
     "Print the chords and scales made of the notes, such as \"D F A C\", one row a line."},
    {CommandLineOptions::kChordsOf, nullptr,
     "Print the triad and the four-note chord on each degree of the chosen scale."},
    {CommandLineOptions::kVerbose, nullptr, "Say on standard output what was written."},
}};

QCommandLineOption optionOf(const OptionRow& row) {
    const QString strDescription =
        QCoreApplication::translate("CommandLineOptions", row.strDescription);
    if (row.strValueName == nullptr) {
        return QCommandLineOption(QString::fromLatin1(row.strName), strDescription);
    }
    return QCommandLineOption(QString::fromLatin1(row.strName), strDescription,
                              QString::fromLatin1(row.strValueName));
}

} // namespace

namespace CommandLineOptions {

QList<QCommandLineOption> all() {
    QList<QCommandLineOption> collOptions;
    for (const OptionRow& row : kOptionRows) {
        collOptions.append(optionOf(row));
    }
    return collOptions;
}

bool isForCommandLine(const QStringList& collArguments) {
    for (qsizetype i = 1; i < collArguments.size(); ++i) {
        const QString& strArgument = collArguments[i];
        if (strArgument == "--") {
            break;
        }
        for (const char* strHelpOrVersion : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (strArgument == QLatin1String(strHelpOrVersion)) {
                return true;
            }
        }
        if (!strArgument.startsWith("--")) {
            continue;
        }
        const QString strName = strArgument.mid(2).section('=', 0, 0);
        for (const OptionRow& row : kOptionRows) {
            if (strName == QLatin1String(row.strName)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace CommandLineOptions
