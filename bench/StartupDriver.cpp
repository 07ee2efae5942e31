// Start-up figures: starts the program's start-up (bench_startup_window) and the bare Qt window
// (bench_bare_window) as separate processes, alternately, and reports the median time from
// process start to the first fully drawn window for each, their ratio, and the program's
// resident memory at that moment.
//
// Usage: bench_startup [--runs N] [--platform NAME]   (defaults: 20 runs, offscreen)

#include "Median.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWarmUpRuns = 2;
constexpr int kTimeoutMs = 30000;

struct StartResult {
    double dblDrawnMs = 0; // process start to first fully drawn window
    double dblExitMs = 0;  // process start to its exit
    long longPeakKb = 0;
    long longResidentKb = 0;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts one program, reads its report line and waits for its exit. Empty on any failure.
std::optional<StartResult> startOnce(const std::string& strProgram,
                                     const std::string& strPlatform) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    std::string strPlatformOption = "-platform";
    std::string strPlatformName = strPlatform;
    std::string strName = strProgram;
    std::vector<char*> args{strName.data(), strPlatformOption.data(), strPlatformName.data(),
                            nullptr};

    const long long llStart = monotonicNs();
    pid_t pid = 0;
    const int intSpawned =
        posix_spawn(&pid, strProgram.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (intSpawned != 0) {
        close(pipeFds[0]);
        return std::nullopt;
    }

    std::string strOutput;
    const long long llDeadline = llStart + static_cast<long long>(kTimeoutMs) * 1000000LL;
    for (;;) {
        pollfd fd{pipeFds[0], POLLIN, 0};
        const int intWaitMs = static_cast<int>((llDeadline - monotonicNs()) / 1000000LL);
        if (intWaitMs <= 0 || poll(&fd, 1, intWaitMs) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        char buffer[256];
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        strOutput.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int intStatus = 0;
    while (waitpid(pid, &intStatus, 0) < 0 && errno == EINTR) {
    }
    const long long llExit = monotonicNs();

    StartResult result;
    long long llDrawn = 0;
    std::string strKey;
    std::istringstream fields(strOutput);
    while (fields >> strKey) {
        if (strKey == "drawn_ns") {
            fields >> llDrawn;
        } else if (strKey == "hwm_kb") {
            fields >> result.longPeakKb;
        } else if (strKey == "rss_kb") {
            fields >> result.longResidentKb;
        }
    }
    if (llDrawn == 0 || !WIFEXITED(intStatus) || WEXITSTATUS(intStatus) != 0) {
        std::fprintf(stderr, "%s did not report a drawn window (status %d)\n", strProgram.c_str(),
                     intStatus);
        return std::nullopt;
    }
    result.dblDrawnMs = static_cast<double>(llDrawn - llStart) / 1e6;
    result.dblExitMs = static_cast<double>(llExit - llStart) / 1e6;
    return result;
}

struct Series {
    std::vector<double> drawnMs, exitMs, peakMb, residentMb;

    void add(const StartResult& result) {
        drawnMs.push_back(result.dblDrawnMs);
        exitMs.push_back(result.dblExitMs);
        peakMb.push_back(static_cast<double>(result.longPeakKb) / 1024);
        residentMb.push_back(static_cast<double>(result.longResidentKb) / 1024);
    }
};

void printSeries(const char* strLabel, const Series& series) {
    const auto [itMin, itMax] = std::minmax_element(series.drawnMs.begin(), series.drawnMs.end());
    std::printf("%-20s drawn median %8.1f ms (min %.1f, max %.1f), exit median %8.1f ms, "
                "peak RSS %.1f MB, RSS %.1f MB\n",
                strLabel, median(series.drawnMs), *itMin, *itMax, median(series.exitMs),
                median(series.peakMb), median(series.residentMb));
}

} // namespace

int main(int argc, char** argv) {
    int intRuns = 20;
    std::string strPlatform = "offscreen";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string strOption = argv[i];
        if (strOption == "--runs") {
            intRuns = std::max(1, std::atoi(argv[i + 1]));
        } else if (strOption == "--platform") {
            strPlatform = argv[i + 1];
        }
    }
    const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string strProgram = (dir / "bench_startup_window").string();
    const std::string strBare = (dir / "bench_bare_window").string();

    // Warm-up runs fill the page cache and fontconfig's cache; they are not counted.
    Series program;
    Series bare;
    for (int i = 0; i < kWarmUpRuns + intRuns; ++i) {
        // Alternating keeps a change of the machine's load from favouring one of the two.
        const std::optional<StartResult> resultBare = startOnce(strBare, strPlatform);
        const std::optional<StartResult> resultProgram = startOnce(strProgram, strPlatform);
        if (!resultBare || !resultProgram) {
            return 1;
        }
        if (i >= kWarmUpRuns) {
            bare.add(*resultBare);
            program.add(*resultProgram);
        }
    }

    std::printf("Start-up on the %s platform, %d runs each after %d warm-up runs:\n",
                strPlatform.c_str(), intRuns, kWarmUpRuns);
    printSeries("bare Qt window", bare);
    printSeries("Gamutrix Lite", program);
    const double dblRatio = median(program.drawnMs) / median(bare.drawnMs);
    std::printf("ratio (medians)      %.2f\n", dblRatio);

    const std::string strKey = "startup_" + strPlatform;
    std::printf("RESULT %s_program_ms %.1f\n", strKey.c_str(), median(program.drawnMs));
    std::printf("RESULT %s_bare_ms %.1f\n", strKey.c_str(), median(bare.drawnMs));
    std::printf("RESULT %s_ratio %.2f\n", strKey.c_str(), dblRatio);
    std::printf("RESULT %s_program_hwm_mb %.1f\n", strKey.c_str(), median(program.peakMb));
    std::printf("RESULT %s_program_rss_mb %.1f\n", strKey.c_str(), median(program.residentMb));
    std::printf("RESULT %s_bare_hwm_mb %.1f\n", strKey.c_str(), median(bare.peakMb));
    return 0;
}
