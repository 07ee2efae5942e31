#include "ExportCommand.h"

#include "CommandLineOptions.h"
#include "MidiExport.h"
#include "OptionReaders.h"
#include "PictureExporter.h"
#include "WholeNumber.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace CLO = CommandLineOptions;

namespace {

constexpr int kFailed = 2;
constexpr int kMaxScaleFactor = 4;

bool isPictureType(const QString& strSuffix) {
    return strSuffix == "bmp" || strSuffix == "png" || strSuffix == "svg" || strSuffix == "pdf";
}

int exportPictureFile(const QCommandLineParser& parser, const QString& strPath, QTextStream& out,
                      QString& strError) {
    int intScaleFactor = 1;
    if (parser.isSet(CLO::kScaleFactor)) {
        const QString strFactor = parser.value(CLO::kScaleFactor);
        const std::optional<int> intFactor = parseWholeNumber(strFactor.toStdString());
        if (!intFactor || *intFactor < 1 || *intFactor > kMaxScaleFactor) {
            strError = QStringLiteral("--scale-factor must be a whole number from 1 to 4, not "
                                      "\"%1\"")
                           .arg(strFactor);
            return kFailed;
        }
        intScaleFactor = *intFactor;
    }
    const std::optional<ScaleAndInstrument> resolved = resolveScaleAndInstrument(parser, strError);
    if (!resolved) {
        return kFailed;
    }

    PictureContent content;
    content.scale = resolved->chosen.scale;
    content.intInstrument = resolved->instrument.intInstrument;
    content.strTitle = resolved->chosen.strTitle;
    content.strIntervals = resolved->chosen.strIntervals;
    // A relative name is taken from the current directory, as a shell user expects.
    const QString strAbsolutePath = QFileInfo(strPath).absoluteFilePath();
    // The exporter's one-line reason names the file.
    if (!exportPicture(content, strAbsolutePath, intScaleFactor, strError)) {
        return kFailed;
    }
    if (parser.isSet(CLO::kVerbose)) {
        out << "Wrote " << strAbsolutePath << ": " << QString::fromStdString(content.strTitle)
            << " (" << QString::fromStdString(content.strIntervals) << ")\n";
    }
    return 0;
}

// What Play would play, as a Standard MIDI File.
int exportMidiFile(const QCommandLineParser& parser, const QString& strPath, QTextStream& out,
                   QString& strError) {
    int intTempo = kDefaultTempo;
    if (parser.isSet(CLO::kTempo)) {
        const QString strTempo = parser.value(CLO::kTempo);
        const std::optional<int> intValue = parseWholeNumber(strTempo.toStdString());
        if (!intValue || *intValue < kMinTempo || *intValue > kMaxTempo) {
            strError = QStringLiteral("--tempo must be a whole number from 40 to 240, not \"%1\"")
                           .arg(strTempo);
            return kFailed;
        }
        intTempo = *intValue;
    }
    SoundChoice choice = SoundChoice::FollowInstrument;
    if (parser.isSet(CLO::kSound)) {
        const QString strSound = parser.value(CLO::kSound);
        if (strSound != "guitar" && strSound != "piano") {
            strError = QStringLiteral("--sound must be guitar or piano, not \"%1\"").arg(strSound);
            return kFailed;
        }
        choice = strSound == "guitar" ? SoundChoice::Guitar : SoundChoice::Piano;
    }
    const std::optional<ScaleAndInstrument> resolved = resolveScaleAndInstrument(parser, strError);
    if (!resolved) {
        return kFailed;
    }
    const QString strAbsolutePath = QFileInfo(strPath).absoluteFilePath();
    if (!writeMidiForScale(*resolved->chosen.scale, resolved->instrument.intInstrument, intTempo,
                           choice, parser.isSet(CLO::kChord), strAbsolutePath, strError)) {
        return kFailed;
    }
    if (parser.isSet(CLO::kVerbose)) {
        out << "Wrote " << strAbsolutePath << ": "
            << QString::fromStdString(resolved->chosen.strTitle) << " at " << intTempo
            << " beats per minute\n";
    }
    return 0;
}

} // namespace

int runExportCommand(const QCommandLineParser& parser, QTextStream& out, QString& strError) {
    const QString strPath = parser.value(CLO::kExport);
    if (strPath.isEmpty()) {
        strError = QStringLiteral("--export needs a file name");
        return kFailed;
    }
    const QString strSuffix = QFileInfo(strPath).suffix().toLower();
    if (isPictureType(strSuffix)) {
        return exportPictureFile(parser, strPath, out, strError);
    }
    if (strSuffix == "mid") {
        return exportMidiFile(parser, strPath, out, strError);
    }
    strError = QStringLiteral(
                   "cannot export to \"%1\": the name must end in .bmp, .png, .svg, .pdf or .mid")
                   .arg(strPath);
    return kFailed;
}
