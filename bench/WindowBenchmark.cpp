// One change through the main window, from the control's handler to the picture on the window,
// and the sweep of every catalogue entry on every root on both instruments, on the offscreen
// platform unless the caller chose another.
//
// A change is timed from the moment the code selects a list row or clicks a root button (the
// window's own handler then runs the change routine and RedrawScale: title, interval line, a
// new view drawing the whole picture) until Qt has processed the resulting events and painted
// the window, the picture included, into its backing store.

#include "BenchWindow.h"
#include "Median.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kChangeSamples = 400;

double toMs(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Per-change times: the mean goes to the benchmark library as manual time, the median and the
// part spent in the handlers before the repaint go out as counters.
class ChangeTimes {
  public:
    void add(Clock::time_point start, Clock::time_point handled, Clock::time_point painted,
             benchmark::State& state) {
        handlerMs.push_back(toMs(handled - start));
        totalMs.push_back(toMs(painted - start));
        state.SetIterationTime(std::chrono::duration<double>(painted - start).count());
    }
    void report(benchmark::State& state, long longMissedRepaints) const {
        state.counters["median_ms"] = median(totalMs);
        state.counters["handler_median_ms"] = median(handlerMs);
        state.counters["missed_repaints"] = static_cast<double>(longMissedRepaints);
    }

  private:
    std::vector<double> handlerMs;
    std::vector<double> totalMs;
};

// Every catalogue entry that a row change (not a category change) shows: rows 1 and on.
std::vector<std::pair<int, std::pair<int, int>>> rowChanges(WindowDriver& driver) {
    std::vector<std::pair<int, std::pair<int, int>>> collTargets;
    for (int intCatalogue = 1; intCatalogue <= 3; ++intCatalogue) {
        driver.chooseCatalogue(intCatalogue);
        driver.settle();
        for (int intCategory = 0; intCategory < driver.categoryCount(); ++intCategory) {
            driver.showEntry(intCategory, 0);
            for (int intScale = 1; intScale < driver.scaleCount(); ++intScale) {
                collTargets.push_back({intCatalogue, {intCategory, intScale}});
            }
        }
    }
    return collTargets;
}

// Argument: instrument, 1 fretboard or 2 keyboard. Cycles through the entries of the three
// catalogues by selecting rows of the scale list; only the row changes are timed.
void BM_WindowChangeScale(benchmark::State& state) {
    BenchWindow bench;
    WindowDriver& driver = bench.driver;
    driver.chooseInstrument(static_cast<int>(state.range(0)));
    driver.settle();
    const auto collTargets = rowChanges(driver);
    ChangeTimes times;
    long longMissed = 0;
    std::size_t i = 0;
    int intCatalogue = 0;
    for (auto _ : state) {
        const auto& [intTargetCatalogue, entry] = collTargets[i++ % collTargets.size()];
        if (intTargetCatalogue != intCatalogue) {
            intCatalogue = intTargetCatalogue;
            driver.chooseCatalogue(intCatalogue);
            driver.settle();
        }
        if (driver.categoryRow() != entry.first) {
            driver.selectCategory(entry.first);
            driver.settle();
        }
        const auto start = Clock::now();
        driver.selectScale(entry.second);
        const auto handled = Clock::now();
        longMissed += driver.settle() ? 0 : 1;
        times.add(start, handled, Clock::now(), state);
    }
    times.report(state, longMissed);
}
BENCHMARK(BM_WindowChangeScale)
    ->ArgName("instrument")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(kChangeSamples)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Argument: instrument. Clicks the root buttons through the 17 roots (a letter, then "#" or "b"
// where the root has one) with C Ionian current; every click is one timed change.
void BM_WindowChangeRoot(benchmark::State& state) {
    BenchWindow bench;
    WindowDriver& driver = bench.driver;
    driver.chooseInstrument(static_cast<int>(state.range(0)));
    driver.settle();
    std::vector<std::pair<bool, int16_t>> collClicks; // (accidental button?, index)
    for (const WindowDriver::Root& root : WindowDriver::allRoots()) {
        collClicks.emplace_back(false, root.first);
        if (root.second != 0) {
            collClicks.emplace_back(true, root.second);
        }
    }
    ChangeTimes times;
    long longMissed = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [boolAccidental, intIndex] = collClicks[i++ % collClicks.size()];
        const auto start = Clock::now();
        if (boolAccidental) {
            driver.clickAccidental(intIndex);
        } else {
            driver.clickLetter(intIndex);
        }
        const auto handled = Clock::now();
        longMissed += driver.settle() ? 0 : 1;
        times.add(start, handled, Clock::now(), state);
    }
    times.report(state, longMissed);
}
BENCHMARK(BM_WindowChangeRoot)
    ->ArgName("instrument")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(kChangeSamples)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// 17 roots x every entry of the three catalogues x both instruments, through the window.
void BM_WindowSweep(benchmark::State& state) {
    BenchWindow bench;
    WindowDriver& driver = bench.driver;
    WindowDriver::SweepResult result;
    for (auto _ : state) {
        result = driver.sweep();
        state.SetIterationTime(result.duration.count());
    }
    state.counters["seconds"] = result.duration.count();
    state.counters["shown"] = static_cast<double>(result.longShown);
    state.counters["changes"] = static_cast<double>(result.longChanges);
    state.counters["repaints"] = static_cast<double>(result.longRepaints);
    state.counters["per_change_ms"] =
        result.duration.count() * 1000 / static_cast<double>(std::max(1L, result.longChanges));
}
BENCHMARK(BM_WindowSweep)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The console table as usual, then every counter once more as "RESULT <run>:<counter> <value>"
// lines for scripts/bench.
class ResultLinesReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& reports) override {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            for (const auto& [strCounter, counter] : run.counters) {
                collLines.push_back("RESULT " + run.benchmark_name() + ":" + strCounter + " " +
                                    std::to_string(counter.value));
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const std::string& strLine : collLines) {
            std::printf("%s\n", strLine.c_str());
        }
    }

  private:
    std::vector<std::string> collLines;
};

} // namespace

int main(int argc, char** argv) {
    const auto app = makeBenchApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ResultLinesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
