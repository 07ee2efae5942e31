#include "BuiltInCatalogue.h"
#include "ClassicFonts.h"
#include "FretBoard.h"
#include "Globals.h"
#include "PianoKeyboard.h"
#include "QtPictureSurface.h"
#include "ScaleSet.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// The window's picture in twips.
constexpr int kWidth = 8655;
constexpr int kHeight = 3375;

// The benchmark library owns main(), so the application is made on first use: offscreen unless
// the caller chose a platform, with the fonts the program installs.
void ensureApplication() {
    static int argc = 1;
    static char strName[] = "bench_views";
    static char* argv[] = {strName, nullptr};
    static const std::unique_ptr<QApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        auto created = std::make_unique<QApplication>(argc, argv);
        installClassicFonts();
        return created;
    }();
}

std::shared_ptr<StandardScale> makeScale(const std::string& strIntervals, int16_t intLetter,
                                         int16_t intAccidental) {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(intLetter, intAccidental);
    auto scale = std::make_shared<StandardScale>();
    scale->setScale(strIntervals);
    scale->setRootNote(noteRoot);
    return scale;
}

// One redraw as the main window does it, up to the finished image it shows.
void redrawFretBoard(QtPictureSurface& surface, std::shared_ptr<const StandardScale> scale) {
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.resetFretBoard();
    board.setScaleData(std::move(scale));
    board.drawScaleData();
    benchmark::DoNotOptimize(surface.image().constBits());
}

void redrawKeyboard(QtPictureSurface& surface, std::shared_ptr<const StandardScale> scale) {
    PianoKeyboard keyboard;
    keyboard.setPianoPicBox(surface);
    keyboard.resetPianoKeyboard();
    keyboard.setScaleData(std::move(scale));
    keyboard.drawScaleData();
    benchmark::DoNotOptimize(surface.image().constBits());
}

// Argument: device-pixel ratio in percent (100 for a normal screen, 200 for HiDPI).
void BM_FretBoardRedraw(benchmark::State& state) {
    ensureApplication();
    Globals::setDefaultSettings();
    QtPictureSurface surface(kWidth, kHeight, static_cast<qreal>(state.range(0)) / 100);
    const auto scale = makeScale("1,2,3,4,5,6,7", 0, 0);
    for (auto _ : state) {
        redrawFretBoard(surface, scale);
    }
}
BENCHMARK(BM_FretBoardRedraw)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_KeyboardRedraw(benchmark::State& state) {
    ensureApplication();
    Globals::setDefaultSettings();
    Globals::setShowIntervals(true);
    QtPictureSurface surface(kWidth, kHeight, static_cast<qreal>(state.range(0)) / 100);
    const auto scale = makeScale("1,2,3,4,5,6,7", 0, 0);
    for (auto _ : state) {
        redrawKeyboard(surface, scale);
    }
    Globals::setDefaultSettings();
}
BENCHMARK(BM_KeyboardRedraw)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// Every entry of the three built-in catalogues on each of the 17 roots, on both instruments.
void BM_CatalogueSweep(benchmark::State& state) {
    ensureApplication();
    Globals::setDefaultSettings();
    Globals::setShowIntervals(true);
    std::vector<std::string> collIntervals;
    for (int16_t intCatalogue = 1; intCatalogue <= 3; ++intCatalogue) {
        ScaleSet catalogue;
        catalogue.LoadScalesFromCollection(getBuiltInCatalogue(intCatalogue));
        const auto intCategories = static_cast<int16_t>(catalogue.getScaleCategories().size());
        for (int16_t intCat = 1; intCat <= intCategories; ++intCat) {
            const auto intEntries = static_cast<int16_t>(catalogue.getScales(intCat).size());
            for (int16_t intNr = 0; intNr < intEntries; ++intNr) {
                std::string strName;
                std::string strData;
                catalogue.getScaleInfo(intCat, intNr, strName, strData);
                collIntervals.push_back(strData);
            }
        }
    }
    // C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G#, Ab, A, A#, Bb, B: no Cb, E#, Fb or B#.
    std::vector<std::pair<int16_t, int16_t>> collRoots;
    for (int16_t intLetter = 0; intLetter < 7; ++intLetter) {
        for (int16_t intAccidental = 0; intAccidental < 3; ++intAccidental) {
            const bool boolRefused =
                (intLetter == 0 && intAccidental == 2) || (intLetter == 2 && intAccidental == 1) ||
                (intLetter == 3 && intAccidental == 2) || (intLetter == 6 && intAccidental == 1);
            if (!boolRefused) {
                collRoots.emplace_back(intLetter, intAccidental);
            }
        }
    }
    std::vector<std::shared_ptr<const StandardScale>> collScales;
    for (const std::string& strIntervals : collIntervals) {
        for (const auto& [intLetter, intAccidental] : collRoots) {
            collScales.push_back(makeScale(strIntervals, intLetter, intAccidental));
        }
    }

    QtPictureSurface surface(kWidth, kHeight);
    for (auto _ : state) {
        for (const auto& scale : collScales) {
            redrawFretBoard(surface, scale);
            redrawKeyboard(surface, scale);
        }
    }
    const auto dblRedraws = static_cast<double>(2 * collScales.size());
    state.counters["entries"] = static_cast<double>(collIntervals.size());
    state.counters["redraws"] = dblRedraws;
    state.counters["per_redraw"] = benchmark::Counter(
        dblRedraws, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    Globals::setDefaultSettings();
}
BENCHMARK(BM_CatalogueSweep)->Unit(benchmark::kMillisecond);

} // namespace
