#pragma once

// An audio output for tests where there is no audio device: a thread that pulls buffers from the
// renderer as a driver would, at about the pace of real time, and drops them.

#include "ScheduleRenderer.h"
#include "SoundPlayer.h"

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

inline AudioOutput openPullingOutput(SoundSynth&, ScheduleRenderer& renderer) {
    // The thread is asked to stop and joined when the output is released.
    return std::make_shared<std::jthread>([&renderer](const std::stop_token& stop) {
        std::vector<float> left(512);
        std::vector<float> right(512);
        while (!stop.stop_requested()) {
            renderer.render(512, left.data(), right.data());
            std::this_thread::sleep_for(std::chrono::milliseconds(11)); // 512 frames: 11.6 ms
        }
    });
}
