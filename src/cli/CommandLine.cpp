#include "CommandLine.h"

#include "CommandLineOptions.h"
#include "ExportCommand.h"
#include "ToolCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <array>

namespace {

constexpr int kStatusError = 2;

// A command is run by the one option that names it; the other options qualify it.
struct Command {
    const char* strOption;
    int (*run)(const QCommandLineParser& parser, QTextStream& out, QString& strError);
};

constexpr std::array<Command, 3> kCommands{{
    {CommandLineOptions::kExport, runExportCommand},
    {CommandLineOptions::kIdentify, runIdentifyCommand},
    {CommandLineOptions::kChordsOf, runChordsOfCommand},
}};

// Qt's own diagnostics (missing runtime directory, font warnings) would add lines to a run whose
// standard error carries only its one-line message.
void dropQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

int reportError(const QString& strProgram, const QString& strError) {
    QString strLine = strError;
    strLine.replace('\r', ' ').replace('\n', ' ');
    QTextStream(stderr) << strProgram << ": " << strLine << Qt::endl;
    return kStatusError;
}

QString programDescription() {
    return QCoreApplication::translate(
        "CommandLine",
        "Draws a scale on a fretboard or piano keyboard into an image, SVG or PDF file, writes\n"
        "what Play plays as a MIDI file, or names the chords and scales of given notes.\n"
        "Without options the window opens.\n\n"
        "Example: gamutrix --export d-dorian.png --root D --scale Dorian --scale-factor 2");
}

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(programDescription());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(CommandLineOptions::all());
}

} // namespace

std::optional<int> CommandLine::run(int argc, char** argv) {
    QStringList collArguments;
    for (int i = 0; i < argc; ++i) {
        collArguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (!CommandLineOptions::isForCommandLine(collArguments)) {
        return std::nullopt;
    }
    qInstallMessageHandler(dropQtMessage);
    const QString strProgram = QFileInfo(collArguments.constFirst()).fileName();

    // Everything typed is checked before Qt sees it, so no argument can reach the window
    // system (such as -platform); the applications below get the program name alone.
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(collArguments)) {
        return reportError(strProgram, parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return reportError(strProgram, QStringLiteral("unexpected argument \"%1\"")
                                           .arg(parser.positionalArguments().constFirst()));
    }
    int intAppArgc = 1;
    QCoreApplication::setApplicationName(QStringLiteral("Gamutrix Lite"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.3a1"));
    QTextStream out(stdout);
    if (parser.isSet(QStringLiteral("help"))) {
        const QCoreApplication app(intAppArgc, argv);
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        // Qt lists its own options (those of the window system too) only through process(),
        // which prints them and exits; no display is needed for that.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication app(intAppArgc, argv);
        QCommandLineParser parserHelp;
        addOptions(parserHelp);
        parserHelp.process(QStringList{collArguments.constFirst(), QStringLiteral("--help-all")});
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << Qt::endl;
        return 0;
    }

    const Command* command = nullptr;
    for (const Command& candidate : kCommands) {
        if (!parser.isSet(QString::fromLatin1(candidate.strOption))) {
            continue;
        }
        if (command != nullptr) {
            return reportError(strProgram, QStringLiteral("--%1 and --%2 cannot be used together")
                                               .arg(command->strOption, candidate.strOption));
        }
        command = &candidate;
    }
    if (command == nullptr) {
        return reportError(strProgram,
                           QStringLiteral("nothing to do: add --export FILE, --identify NOTES or "
                                          "--chords-of (see --help)"));
    }

    // Fonts and painting need Qt Gui, but no screen: the offscreen platform serves this process.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(intAppArgc, argv);
    // With the platform loaded no plugin is needed: BMP and PNG are built into Qt Gui, SVG and
    // PDF are linked. Otherwise writing a PNG would load every image plugin (and its library)
    // to ask whether it writes PNG, a large part of this short run.
    QCoreApplication::setLibraryPaths({});
    QString strError;
    const int intStatus = command->run(parser, out, strError);
    out.flush();
    if (!strError.isEmpty()) {
        reportError(strProgram, strError);
    }
    return intStatus;
}
