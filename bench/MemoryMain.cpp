// Resident memory of the program: started as its main() starts it, measured once the window is
// first fully drawn, then after each of three sweeps through the window (17 roots x every entry
// of the three catalogues x both instruments). The first sweep fills Qt's caches; growth after
// it, sweep on sweep, would be memory that the change and redraw path keeps.
//
// Usage: bench_memory [-platform NAME]   (default: offscreen)

#include "BenchWindow.h"
#include "ProcessMemory.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSweeps = 3;

void printMemory(const char* strWhen, const ProcessMemory& memory) {
    std::printf("%s peak RSS %7.1f MB, RSS %7.1f MB\n", strWhen,
                static_cast<double>(memory.longPeakKb) / 1024,
                static_cast<double>(memory.longResidentKb) / 1024);
}

void printResult(const char* strKey, long longKb) {
    std::printf("RESULT %s %.2f\n", strKey, static_cast<double>(longKb) / 1024);
}

} // namespace

int main(int argc, char** argv) {
    const auto app = makeBenchApplication(argc, argv);
    BenchWindow bench;
    WindowDriver& driver = bench.driver;
    if (!bench.boolDrawn) {
        std::fprintf(stderr, "the window was not drawn\n");
        return 1;
    }
    const ProcessMemory started = ProcessMemory::read();
    printMemory("after start-up:", started);

    std::vector<WindowDriver::SweepResult> collSweeps;
    std::vector<ProcessMemory> collAfter;
    for (int intSweep = 1; intSweep <= kSweeps; ++intSweep) {
        collSweeps.push_back(driver.sweep());
        collAfter.push_back(ProcessMemory::read());
        const WindowDriver::SweepResult& result = collSweeps.back();
        std::printf("sweep %d: %.2f s, %ld changes, %ld picture repaints; ", intSweep,
                    result.duration.count(), result.longChanges, result.longRepaints);
        printMemory("after it", collAfter.back());
    }

    long longGrowthKb = 0;
    for (std::size_t i = 1; i < collAfter.size(); ++i) {
        longGrowthKb =
            std::max(longGrowthKb, collAfter[i].longResidentKb - collAfter[i - 1].longResidentKb);
    }
    printResult("memory_start_hwm_mb", started.longPeakKb);
    printResult("memory_start_rss_mb", started.longResidentKb);
    printResult("memory_first_sweep_rss_mb", collAfter.front().longResidentKb);
    printResult("memory_last_sweep_rss_mb", collAfter.back().longResidentKb);
    printResult("memory_last_sweep_hwm_mb", collAfter.back().longPeakKb);
    // The largest growth of the resident size from one sweep to the next.
    std::printf("RESULT memory_sweep_growth_kb %ld\n", longGrowthKb);
    return 0;
}
