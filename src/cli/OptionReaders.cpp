#include "OptionReaders.h"

#include "CommandLineOptions.h"
#include "WholeNumber.h"

#include <QCommandLineParser>

namespace CLO = CommandLineOptions;

namespace {

std::optional<std::string> valueOf(const QCommandLineParser& parser, const char* strName) {
    const QString strOption = QString::fromLatin1(strName);
    if (!parser.isSet(strOption)) {
        return std::nullopt;
    }
    return parser.value(strOption).toStdString();
}

} // namespace

std::optional<ScaleRequest> scaleRequestFrom(const QCommandLineParser& parser, QString& strError) {
    ScaleRequest request;
    request.strRoot = valueOf(parser, CLO::kRoot).value_or(request.strRoot);
    if (const std::optional<std::string> strCatalogue = valueOf(parser, CLO::kCatalogue)) {
        request.intCatalogue = parseWholeNumber(*strCatalogue);
        if (!request.intCatalogue) {
            strError = QStringLiteral("--catalogue must be 1, 2 or 3, not \"%1\"")
                           .arg(QString::fromStdString(*strCatalogue));
            return std::nullopt;
        }
    }
    request.strScale = valueOf(parser, CLO::kScale);
    request.strIntervals = valueOf(parser, CLO::kIntervals);
    request.strName = valueOf(parser, CLO::kName);
    return request;
}

InstrumentRequest instrumentRequestFrom(const QCommandLineParser& parser) {
    InstrumentRequest request;
    request.strInstrument = valueOf(parser, CLO::kInstrument);
    request.strStrings = valueOf(parser, CLO::kStrings);
    request.strTuning = valueOf(parser, CLO::kTuning);
    request.strOctave = valueOf(parser, CLO::kOctave);
    request.boolLeftHanded = parser.isSet(CLO::kLeftHanded);
    request.boolNoFretNumbers = parser.isSet(CLO::kNoFretNumbers);
    request.boolNoTuning = parser.isSet(CLO::kNoTuning);
    request.boolNoIntervals = parser.isSet(CLO::kNoIntervals);
    request.boolNoNoteNames = parser.isSet(CLO::kNoNoteNames);
    request.boolShowIntervals = parser.isSet(CLO::kShowIntervals);
    return request;
}

std::optional<ScaleAndInstrument> resolveScaleAndInstrument(const QCommandLineParser& parser,
                                                            QString& strError) {
    const std::optional<ScaleRequest> scaleRequest = scaleRequestFrom(parser, strError);
    if (!scaleRequest) {
        return std::nullopt;
    }
    std::string strReason;
    std::optional<ChosenScale> chosen = chooseScale(*scaleRequest, strReason);
    if (!chosen) {
        strError = QString::fromStdString(strReason);
        return std::nullopt;
    }
    const std::optional<InstrumentChoice> instrument =
        chooseInstrument(instrumentRequestFrom(parser), strReason);
    if (!instrument) {
        strError = QString::fromStdString(strReason);
        return std::nullopt;
    }
    instrument->applyToGlobals();
    return ScaleAndInstrument{std::move(*chosen), *instrument};
}
