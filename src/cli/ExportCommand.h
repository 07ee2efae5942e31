#pragma once

#include <QString>

class QCommandLineParser;
class QTextStream;

// --export FILE: draws the chosen scale on the chosen instrument into FILE without a window.
// Returns the exit status: 0 when the file was written, 2 with strError set (one line) when
// nothing was written. Says what it wrote on out only with --verbose.
int runExportCommand(const QCommandLineParser& parser, QTextStream& out, QString& strError);
