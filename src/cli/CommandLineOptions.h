#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

// The one list of command-line options. A new option is a new row in CommandLineOptions.cpp;
// a new command is an option there plus an entry in CommandLine.cpp's list of commands.
namespace CommandLineOptions {

// Option names, shared by the parser set-up and the code that reads the values.
inline constexpr const char* kExport = "export";
inline constexpr const char* kRoot = "root";
inline constexpr const char* kCatalogue = "catalogue";
inline constexpr const char* kScale = "scale";
inline constexpr const char* kIntervals = "intervals";
inline constexpr const char* kName = "name";
inline constexpr const char* kInstrument = "instrument";
inline constexpr const char* kStrings = "strings";
inline constexpr const char* kTuning = "tuning";
inline constexpr const char* kLeftHanded = "left-handed";
inline constexpr const char* kNoFretNumbers = "no-fret-numbers";
inline constexpr const char* kNoTuning = "no-tuning";
inline constexpr const char* kNoIntervals = "no-intervals";
inline constexpr const char* kOctave = "octave";
inline constexpr const char* kNoNoteNames = "no-note-names";
inline constexpr const char* kShowIntervals = "show-intervals";
inline constexpr const char* kScaleFactor = "scale-factor";
inline constexpr const char* kVerbose = "verbose";
inline constexpr const char* kTempo = "tempo";
inline constexpr const char* kSound = "sound";
inline constexpr const char* kChord = "chord";
inline constexpr const char* kIdentify = "identify";
inline constexpr const char* kChordsOf = "chords-of";

// Every option except --help and --version, which the parser adds itself.
QList<QCommandLineOption> all();

// True when the arguments (program name first) ask for the command line rather than the window:
// help, version, or any option of the list above. Anything else, Qt's own options included,
// is left to the window as before.
bool isForCommandLine(const QStringList& collArguments);

} // namespace CommandLineOptions
