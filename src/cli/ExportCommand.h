#pragma once

#include <QString>

class QCommandLineParser;
class QTextStream;

// --export FILE: draws the chosen scale on the chosen instrument into FILE without a window.
// The file type follows the extension; another kind of file (a MIDI file, say) is one more
// branch beside the picture types here, reusing resolveScaleAndInstrument.
// Returns the exit status: 0 when the file was written, 2 with strError set (one line) when
// nothing was written. Says what it wrote on out only with --verbose.
int runExportCommand(const QCommandLineParser& parser, QTextStream& out, QString& strError);
