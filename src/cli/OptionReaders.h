#pragma once

#include "InstrumentChoice.h"
#include "ScaleChoice.h"

#include <QString>
#include <optional>

class QCommandLineParser;

// Reading the parsed options into the requests that chooseScale and chooseInstrument resolve.
// Commands that draw or name a scale share them.

// --root, --catalogue, --scale, --intervals, --name. Nothing, with strError set, when
// --catalogue is not a whole number.
std::optional<ScaleRequest> scaleRequestFrom(const QCommandLineParser& parser, QString& strError);

// --instrument, --strings, --tuning and the display switches.
InstrumentRequest instrumentRequestFrom(const QCommandLineParser& parser);

// Both resolved: the scale with its title and interval lines, and the instrument, whose
// settings are then in force in Globals. Nothing, with strError set, on any mistake.
struct ScaleAndInstrument {
    ChosenScale chosen;
    InstrumentChoice instrument;
};
std::optional<ScaleAndInstrument> resolveScaleAndInstrument(const QCommandLineParser& parser,
                                                            QString& strError);
