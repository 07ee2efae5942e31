#include "ToolCommands.h"

#include "CommandLineOptions.h"
#include "IdentifyCommands.h"
#include "OptionReaders.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <sstream>

namespace CLO = CommandLineOptions;

namespace {

constexpr int kFailed = 2;

// Passes what a command printed on; its error text becomes the one-line reason.
int finish(int intStatus, const std::ostringstream& out, const std::ostringstream& err,
           QTextStream& outText, QString& strError) {
    if (intStatus != 0) {
        strError = QString::fromStdString(err.str()).trimmed();
        if (strError.isEmpty()) {
            strError = QStringLiteral("nothing could be answered");
        }
        return intStatus;
    }
    outText << QString::fromStdString(out.str());
    return 0;
}

} // namespace

int runIdentifyCommand(const QCommandLineParser& parser, QTextStream& out, QString& strError) {
    std::ostringstream outAnswer;
    std::ostringstream errAnswer;
    const int intStatus =
        runIdentify(parser.value(CLO::kIdentify).toStdString(), outAnswer, errAnswer);
    return finish(intStatus, outAnswer, errAnswer, out, strError);
}

int runChordsOfCommand(const QCommandLineParser& parser, QTextStream& out, QString& strError) {
    const std::optional<ScaleRequest> request = scaleRequestFrom(parser, strError);
    if (!request) {
        return kFailed;
    }
    std::string strReason;
    const std::optional<ChosenScale> chosen = chooseScale(*request, strReason);
    if (!chosen) {
        strError = QString::fromStdString(strReason);
        return kFailed;
    }
    std::ostringstream outAnswer;
    std::ostringstream errAnswer;
    const int intStatus = runChordsOf(*chosen->scale, outAnswer, errAnswer);
    return finish(intStatus, outAnswer, errAnswer, out, strError);
}
