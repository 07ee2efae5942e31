// A zoom change through the main window: from triggering "Zoom In" or "Zoom Out" until Qt has
// painted the window again at its new size, the picture drawn afresh at its new resolution.
// The steps go up from 100 % to 300 % and back down, one timed change each.

#include "BenchWindow.h"
#include "Median.h"

#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kZoomSamples = 200;

// Argument: instrument, 1 fretboard or 2 keyboard. Counters: the median of all changes, and the
// median of the changes that end at each zoom.
void BM_WindowZoom(benchmark::State& state) {
    // The zoom is a preference: the benchmark keeps the user's own untouched.
    const QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    BenchWindow bench;
    WindowDriver& driver = bench.driver;
    driver.chooseInstrument(static_cast<int>(state.range(0)));
    driver.settle();
    auto* actionZoomIn = bench.window.findChild<QAction*>("mnuZoomIn");
    auto* actionZoomOut = bench.window.findChild<QAction*>("mnuZoomOut");
    if (actionZoomIn == nullptr || actionZoomOut == nullptr) {
        state.SkipWithError("the window has no zoom items");
        return;
    }
    std::vector<double> collAllMs;
    std::map<int, std::vector<double>> collMsByZoom;
    long longMissed = 0;
    bool boolUp = true;
    for (auto _ : state) {
        if (!actionZoomIn->isEnabled() || !actionZoomOut->isEnabled()) {
            boolUp = actionZoomIn->isEnabled();
        }
        const auto start = Clock::now();
        (boolUp ? actionZoomIn : actionZoomOut)->trigger();
        longMissed += driver.settle() ? 0 : 1;
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        state.SetIterationTime(elapsed.count());
        collAllMs.push_back(elapsed.count() * 1000);
        collMsByZoom[bench.window.Zoom().percent()].push_back(elapsed.count() * 1000);
    }
    state.counters["median_ms"] = median(collAllMs);
    for (const auto& [intPercent, collMs] : collMsByZoom) {
        state.counters["median_ms_to_" + std::to_string(intPercent)] = median(collMs);
    }
    state.counters["missed_repaints"] = static_cast<double>(longMissed);
}
BENCHMARK(BM_WindowZoom)
    ->ArgName("instrument")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(kZoomSamples)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
