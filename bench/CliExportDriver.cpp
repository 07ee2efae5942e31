// Command-line export figure: starts `gamutrix --export FILE` and the bare Qt window
// (bench_bare_window, offscreen) as separate processes, alternately, and reports the median time
// from process start to the finished file (the moment it is renamed into place, seen through
// inotify) against the median time from process start to the bare window's first full paint,
// and their ratio. The time to the program's exit is shown too.
//
// Usage: bench_cli_export [--runs N] [--format png|bmp|svg|pdf]   (defaults: 20 runs, png)

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
#include <string>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWarmUpRuns = 2;
constexpr int kTimeoutMs = 30000;

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The file's name as the watch sees it.
constexpr const char* kFileStem = "sheet.";

// Reads the pending inotify events; true when one of them names the exported file. A file
// created or moved under that name is complete: the atomic writer links or renames it into
// place only after writing it.
bool watchedNameAppeared(int intWatchFd) {
    alignas(inotify_event) char events[4096];
    bool boolAppeared = false;
    ssize_t intRead = 0;
    while ((intRead = read(intWatchFd, events, sizeof events)) > 0) {
        for (ssize_t i = 0; i < intRead;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + i);
            if (event->len > 0 && std::string(event->name).rfind(kFileStem, 0) == 0 &&
                std::string(event->name).find('.', std::string(kFileStem).size()) ==
                    std::string::npos) {
                boolAppeared = true;
            }
            i += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return boolAppeared;
}

// Runs a program to its end with its standard output in strOutput and returns the time of its
// exit. The start time is taken just before the spawn. When intWatchFd (an inotify descriptor)
// is given, llEvent receives the time of its first event. Empty when the program cannot start,
// times out or fails.
std::optional<long long> runOnce(std::vector<std::string> collArgs, std::string& strOutput,
                                 long long& llStart, int intWatchFd, long long& llEvent) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    std::vector<char*> argv;
    for (std::string& strArg : collArgs) {
        argv.push_back(strArg.data());
    }
    argv.push_back(nullptr);

    llStart = monotonicNs();
    pid_t pid = 0;
    const int intSpawned =
        posix_spawn(&pid, collArgs[0].c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (intSpawned != 0) {
        close(pipeFds[0]);
        return std::nullopt;
    }
    const long long llDeadline = llStart + static_cast<long long>(kTimeoutMs) * 1000000LL;
    bool boolOutputOpen = true;
    while (boolOutputOpen) {
        pollfd fds[2]{{pipeFds[0], POLLIN, 0}, {intWatchFd, POLLIN, 0}};
        const nfds_t intFds = intWatchFd >= 0 && llEvent == 0 ? 2 : 1;
        const int intWaitMs = static_cast<int>((llDeadline - monotonicNs()) / 1000000LL);
        if (intWaitMs <= 0 || poll(fds, intFds, intWaitMs) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        if (intFds == 2 && (fds[1].revents & POLLIN) != 0 && watchedNameAppeared(intWatchFd)) {
            llEvent = monotonicNs();
        }
        if ((fds[0].revents & (POLLIN | POLLHUP)) == 0) {
            continue;
        }
        char buffer[256];
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0) {
            boolOutputOpen = false;
        } else {
            strOutput.append(buffer, static_cast<std::size_t>(n));
        }
    }
    close(pipeFds[0]);
    int intStatus = 0;
    while (waitpid(pid, &intStatus, 0) < 0 && errno == EINTR) {
    }
    const long long llExit = monotonicNs();
    if (!WIFEXITED(intStatus) || WEXITSTATUS(intStatus) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", collArgs[0].c_str(), intStatus);
        return std::nullopt;
    }
    return llExit;
}

} // namespace

int main(int argc, char** argv) {
    int intRuns = 20;
    std::string strFormat = "png";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string strOption = argv[i];
        if (strOption == "--runs") {
            intRuns = std::max(1, std::atoi(argv[i + 1]));
        } else if (strOption == "--format") {
            strFormat = argv[i + 1];
        }
    }
    const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string strBare = (dir / "bench_bare_window").string();
    const std::filesystem::path pathDir =
        std::filesystem::temp_directory_path() / ("gamutrix-bench-" + std::to_string(getpid()));
    std::filesystem::create_directory(pathDir);
    const std::filesystem::path pathOut = pathDir / (kFileStem + strFormat);
    // The atomic writer puts the finished file into the otherwise empty folder.
    const int intWatchFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (intWatchFd < 0 ||
        inotify_add_watch(intWatchFd, pathDir.c_str(), IN_MOVED_TO | IN_CREATE) < 0) {
        std::fprintf(stderr, "cannot watch %s\n", pathDir.c_str());
        return 1;
    }

    std::vector<double> collFileMs;
    std::vector<double> collExportMs;
    std::vector<double> collBareMs;
    for (int i = 0; i < kWarmUpRuns + intRuns; ++i) {
        // Alternating keeps a change of the machine's load from favouring one of the two.
        std::string strBareOutput;
        long long llBareStart = 0;
        long long llNoEvent = 0;
        if (!runOnce({strBare, "-platform", "offscreen"}, strBareOutput, llBareStart, -1,
                     llNoEvent)) {
            return 1;
        }
        long long llDrawn = 0;
        if (std::sscanf(strBareOutput.c_str(), "drawn_ns %lld", &llDrawn) != 1) {
            std::fprintf(stderr, "the bare window did not report its first paint\n");
            return 1;
        }
        std::filesystem::remove(pathOut);
        // Events of the previous run's file are stale.
        watchedNameAppeared(intWatchFd);
        std::string strExportOutput;
        long long llExportStart = 0;
        long long llFile = 0;
        const std::optional<long long> llExported = runOnce(
            {GAMUTRIX_BINARY, "--export", pathOut.string(), "--root", "Eb", "--scale", "Dorian"},
            strExportOutput, llExportStart, intWatchFd, llFile);
        if (!llExported || llFile == 0 || !std::filesystem::exists(pathOut)) {
            std::fprintf(stderr, "the export wrote no file\n");
            return 1;
        }
        if (i >= kWarmUpRuns) {
            collBareMs.push_back(static_cast<double>(llDrawn - llBareStart) / 1e6);
            collFileMs.push_back(static_cast<double>(llFile - llExportStart) / 1e6);
            collExportMs.push_back(static_cast<double>(*llExported - llExportStart) / 1e6);
        }
    }
    close(intWatchFd);
    std::filesystem::remove_all(pathDir);

    const double dblFile = median(collFileMs);
    const double dblExit = median(collExportMs);
    const double dblBare = median(collBareMs);
    std::printf("Command-line export (%s), %d runs each after %d warm-up runs:\n",
                strFormat.c_str(), intRuns, kWarmUpRuns);
    std::printf("bare Qt window, offscreen, first paint     median %8.1f ms\n", dblBare);
    std::printf("gamutrix --export, start to finished file  median %8.1f ms\n", dblFile);
    std::printf("gamutrix --export, start to exit           median %8.1f ms\n", dblExit);
    std::printf("ratio (medians, file vs first paint)       %.2f\n", dblFile / dblBare);
    std::printf("RESULT cli_export_%s_ms %.1f\n", strFormat.c_str(), dblFile);
    std::printf("RESULT cli_export_%s_exit_ms %.1f\n", strFormat.c_str(), dblExit);
    std::printf("RESULT cli_export_bare_ms %.1f\n", dblBare);
    std::printf("RESULT cli_export_%s_ratio %.2f\n", strFormat.c_str(), dblFile / dblBare);
    return 0;
}
