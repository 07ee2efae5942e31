#pragma once

// An audio output for tests where there is no audio device: a thread that pulls buffers from the
// renderer as a driver would, at about the pace of real time, and drops them.

#include "ScheduleRenderer.h"
#include "SoundPlayer.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

inline AudioOutput openPullingOutput(SoundSynth&, ScheduleRenderer& renderer) {
    struct Puller {
        std::atomic<bool> boolRunning{true};
        std::thread thread;
        ~Puller() {
            boolRunning = false;
            thread.join();
        }
    };
    auto puller = std::make_shared<Puller>();
    puller->thread = std::thread([&renderer, running = &puller->boolRunning] {
        std::vector<float> left(512);
        std::vector<float> right(512);
        while (*running) {
            renderer.render(512, left.data(), right.data());
            std::this_thread::sleep_for(std::chrono::milliseconds(11)); // 512 frames: 11.6 ms
        }
    });
    return puller;
}
