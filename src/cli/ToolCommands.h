#pragma once

#include <QString>

class QCommandLineParser;
class QTextStream;

// The Tools answers without a window. Each returns the exit status: 0 with the answer on out,
// 2 with strError set (one line) and nothing on out.

// --identify NOTES: the chords and scales made of the notes, one tab-separated row a line.
int runIdentifyCommand(const QCommandLineParser& parser, QTextStream& out, QString& strError);

// --chords-of with --root, --catalogue, --scale or --intervals: the triad and four-note chord
// on each degree of the scale.
int runChordsOfCommand(const QCommandLineParser& parser, QTextStream& out, QString& strError);
