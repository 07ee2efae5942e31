// The chord and scale index: its build at the first use in a process, and one identification
// over every chord and scale on all roots. Medians over repetitions.

#include "ChordScaleIndex.h"
#include "Median.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

PitchMask maskOf(std::initializer_list<int> pitches) {
    PitchMask mask = 0;
    for (const int intPitch : pitches) {
        mask = static_cast<PitchMask>(mask | pitchBit(intPitch));
    }
    return mask;
}

void BM_IndexBuild(benchmark::State& state) {
    for (auto _ : state) {
        const ChordScaleIndex index;
        benchmark::DoNotOptimize(index.chords().data());
    }
}
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

// 0: one note (most scale rows), 1: D F A C, 2: C Eb Gb A, 3: all twelve notes.
void BM_Identify(benchmark::State& state) {
    static const ChordScaleIndex index;
    const PitchMask masks[] = {maskOf({0}), maskOf({2, 5, 9, 0}), maskOf({0, 3, 6, 9}),
                               maskOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})};
    const PitchMask mask = masks[state.range(0)];
    for (auto _ : state) {
        const Identification answer = index.identify(mask, 0);
        benchmark::DoNotOptimize(answer.collScales.data());
    }
}
BENCHMARK(BM_Identify)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    // The first build in a fresh process, as the first use of a tool meets it: elapsed time and,
    // since a busy machine stretches that, the processor time of the process.
    const auto cpuNow = [] {
        timespec time{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
    };
    const double dblCpuStart = cpuNow();
    const auto start = std::chrono::steady_clock::now();
    const ChordScaleIndex index;
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    std::printf("RESULT identify_index_first_ms %.3f\n", elapsed.count());
    std::printf("RESULT identify_index_first_cpu_ms %.3f\n", cpuNow() - dblCpuStart);
    // One identification of a single note, the answer with the most scale rows.
    std::vector<double> samples;
    for (int i = 0; i < 2001; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        const Identification answer = index.identify(maskOf({0}), 0);
        benchmark::DoNotOptimize(answer.collScales.data());
        samples.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count());
    }
    std::printf("RESULT identify_median_ms %.4f\n", median(samples));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
