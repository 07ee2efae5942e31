// Sound: how long the default SoundFont takes to load, how soon a note sounds after Play once the
// synthesizer is loaded, and how much memory the loaded synthesizer takes. Medians of several runs.
//
// Play to onset is measured through the player as the window uses it: from play() to the first
// audible sample of the output, counting the time until the output pulls the buffer that holds
// the note and the frames within it. The output here pulls 512-frame buffers (11.6 ms) as a
// driver would; a real driver's period adds or takes away from that wait.
//
// Usage: bench_sound [runs]   (default 15)

#include "Median.h"
#include "Performance.h"
#include "ProcessMemory.h"
#include "ScheduleRenderer.h"
#include "SoundFontLocator.h"
#include "SoundPlayer.h"
#include "SoundSynth.h"
#include "StandardScale.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBuffer = 512;
constexpr double kRate = 44100.0;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Pulls buffers at the pace of real time and notes when the first audible sample comes out.
struct TimedOutput {
    std::atomic<bool> boolRunning{true};
    std::atomic<bool> boolWatching{false};
    std::mutex mutex;
    std::condition_variable heard;
    Clock::time_point start;
    double dblOnsetMs = -1;
    std::thread thread;

    void run(ScheduleRenderer& renderer) {
        std::vector<float> left(kBuffer);
        std::vector<float> right(kBuffer);
        auto next = Clock::now();
        while (boolRunning) {
            renderer.render(kBuffer, left.data(), right.data());
            if (boolWatching) {
                for (int i = 0; i < kBuffer; ++i) {
                    if (std::abs(left[static_cast<std::size_t>(i)]) > 1e-3f) {
                        std::lock_guard lock(mutex);
                        dblOnsetMs = msSince(start) + 1000.0 * i / kRate;
                        boolWatching = false;
                        heard.notify_all();
                        break;
                    }
                }
            }
            next += std::chrono::microseconds(static_cast<long>(1e6 * kBuffer / kRate));
            std::this_thread::sleep_until(next);
        }
    }
    ~TimedOutput() {
        boolRunning = false;
        if (thread.joinable()) {
            thread.join();
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    const int intRuns = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    const std::string strFont = findSoundFont("");
    if (strFont.empty()) {
        std::fprintf(stderr, "no General MIDI SoundFont installed\n");
        return 1;
    }
    std::printf("SoundFont: %s\n", strFont.c_str());

    const ProcessMemory before = ProcessMemory::read();
    TimedOutput timed;
    SoundPlayerOptions options;
    options.strSoundFont = strFont;
    options.openOutput = [&timed](SoundSynth&, ScheduleRenderer& renderer) {
        timed.thread = std::thread([&timed, &renderer] { timed.run(renderer); });
        // Releasing the output stops its thread before the renderer goes.
        return AudioOutput(&timed, [](void* data) {
            auto* output = static_cast<TimedOutput*>(data);
            output->boolRunning = false;
            output->thread.join();
        });
    };
    std::mutex mutex;
    std::condition_variable ready;
    bool boolReady = false;
    SoundPlayer player(
        options,
        [&](SoundStatus) {
            std::lock_guard lock(mutex);
            boolReady = true;
            ready.notify_all();
        },
        nullptr);
    player.prepare();
    {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return boolReady; });
    }
    const ProcessMemory loaded = ProcessMemory::read();

    // Load time on its own, after the memory of the one synthesizer the player keeps was read.
    std::vector<double> collLoad;
    for (int i = 0; i < intRuns; ++i) {
        const auto start = Clock::now();
        const auto sound = SoundSynth::create(strFont, kRate);
        collLoad.push_back(msSince(start));
    }
    std::printf("RESULT sound_font_load_ms %.2f\n", median(collLoad));

    // C major on the guitar, as the default window plays it.
    InstrumentSetup setup;
    setup.intInstrument = 1;
    for (const char* strName : {"E5", "B4", "G4", "D4", "A3", "E3"}) {
        SimpleNote note;
        note.setNote(strName);
        setup.collTuning.push_back(note);
    }
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(0, 0);
    StandardScale scale;
    scale.setScale("1,2,3,4,5,6,7");
    scale.setRootNote(noteRoot);

    std::vector<double> collOnset;
    for (int i = 0; i < intRuns; ++i) {
        {
            std::lock_guard lock(timed.mutex);
            timed.dblOnsetMs = -1;
            timed.start = Clock::now();
        }
        timed.boolWatching = true;
        player.play(buildSchedule(scale, setup, false), 100, kProgramNylonGuitar);
        {
            std::unique_lock lock(timed.mutex);
            timed.heard.wait_for(lock, std::chrono::seconds(2),
                                 [&] { return timed.dblOnsetMs >= 0; });
            collOnset.push_back(timed.dblOnsetMs);
        }
        player.stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::printf("RESULT play_to_onset_ms %.2f\n", median(collOnset));
    std::printf("RESULT sound_peak_rss_mb %.2f\n", static_cast<double>(loaded.longPeakKb) / 1024);
    std::printf("RESULT sound_loaded_rss_growth_mb %.2f\n",
                static_cast<double>(loaded.longResidentKb - before.longResidentKb) / 1024);
    return 0;
}
