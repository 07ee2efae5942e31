// Exporting one picture to a file, as the File menu and the command line do: SVG and PDF, and
// PNG at the smallest and largest scale for comparison. Each figure is the median of repeated
// runs, file writing included.

#include "ClassicFonts.h"
#include "Globals.h"
#include "PictureExporter.h"
#include "SimpleNote.h"
#include "StandardScale.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The benchmark library owns main(), so the application is made on first use: offscreen unless
// the caller chose a platform, with the fonts the program installs.
void ensureApplication() {
    static int argc = 1;
    static char strName[] = "bench_export";
    static char* argv[] = {strName, nullptr};
    static const std::unique_ptr<QApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        auto created = std::make_unique<QApplication>(argc, argv);
        installClassicFonts();
        Globals::setDefaultSettings();
        return created;
    }();
}

// The busiest default picture of its instrument: every pitch of the chromatic scale marked.
PictureContent chromatic(int16_t intInstrument) {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(0, 0);
    auto scale = std::make_shared<StandardScale>();
    const std::string strIntervals = "1,b2,2,b3,3,4,#4,5,b6,6,b7,7";
    scale->setScale(strIntervals);
    scale->setRootNote(noteRoot);
    return PictureContent{scale, intInstrument, "C Chromatic", strIntervals};
}

void exportOnce(benchmark::State& state, const char* strExtension, int intScale) {
    ensureApplication();
    const QTemporaryDir dir;
    const PictureContent content = chromatic(static_cast<int16_t>(state.range(0)));
    const QString strPath = dir.filePath(QString("picture.") + strExtension);
    for (auto _ : state) {
        QString strError;
        if (!exportPicture(content, strPath, intScale, strError)) {
            state.SkipWithError(qPrintable(strError));
            break;
        }
    }
}

void BM_ExportSvg(benchmark::State& state) {
    exportOnce(state, "svg", 1);
}
void BM_ExportPdf(benchmark::State& state) {
    exportOnce(state, "pdf", 1);
}
void BM_ExportPng1x(benchmark::State& state) {
    exportOnce(state, "png", 1);
}
void BM_ExportPng4x(benchmark::State& state) {
    exportOnce(state, "png", 4);
}

// Argument: 1 fretboard, 2 keyboard.
#define GAMUTRIX_EXPORT_BENCHMARK(name)                                                            \
    BENCHMARK(name)                                                                                \
        ->Arg(1)                                                                                   \
        ->Arg(2)                                                                                   \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()                                                                            \
        ->Repetitions(9)                                                                           \
        ->ReportAggregatesOnly(true)

GAMUTRIX_EXPORT_BENCHMARK(BM_ExportSvg);
GAMUTRIX_EXPORT_BENCHMARK(BM_ExportPdf);
GAMUTRIX_EXPORT_BENCHMARK(BM_ExportPng1x);
GAMUTRIX_EXPORT_BENCHMARK(BM_ExportPng4x);

} // namespace
