#pragma once

// Renders schedules offline, without any audio device, through the same renderer Play uses, and
// measures the result: the fundamental frequency of a stretch (YIN difference function) and the
// first sample that a note adds to the output.

#include "ScheduleRenderer.h"
#include "SoundFontLocator.h"
#include "SoundSynth.h"

#include <cmath>
#include <memory>
#include <vector>

namespace OfflineRender {

constexpr double kRate = 44100.0;
constexpr int kBuffer = 512;

struct Output {
    std::vector<float> collLeft;
    std::vector<float> collRight;
};

// A synthesizer on the standard SoundFont; nullptr when none is installed.
inline std::unique_ptr<SoundSynth> makeSynth() {
    const std::string strFont = findSoundFont("");
    return strFont.empty() ? nullptr : SoundSynth::create(strFont, kRate);
}

inline void renderInto(ScheduleRenderer& renderer, Output& out, long long longFrames) {
    std::vector<float> left(kBuffer);
    std::vector<float> right(kBuffer);
    for (long long i = 0; i < longFrames; i += kBuffer) {
        renderer.render(kBuffer, left.data(), right.data());
        out.collLeft.insert(out.collLeft.end(), left.begin(), left.end());
        out.collRight.insert(out.collRight.end(), right.begin(), right.end());
    }
}

inline double centsBetween(double dblFrequency, int intMidiNote) {
    const double dblExpected = 440.0 * std::pow(2.0, (intMidiNote - 69) / 12.0);
    return 1200.0 * std::log2(dblFrequency / dblExpected);
}

// Fundamental frequency of samples [intStart, intStart + intLength), between 60 and 1000 Hz
// (the lowest note played is C3, MIDI 36, 65 Hz).
inline double fundamental(const std::vector<float>& x, long long intStart, int intLength) {
    const int intTauMin = static_cast<int>(kRate / 1000.0);
    const int intTauMax = static_cast<int>(kRate / 60.0);
    const int intWindow = intLength - intTauMax;
    std::vector<double> d(static_cast<std::size_t>(intTauMax + 2), 0.0);
    for (int tau = 1; tau <= intTauMax + 1; ++tau) {
        double dblSum = 0.0;
        for (int j = 0; j < intWindow; ++j) {
            const double dblDiff = x[static_cast<std::size_t>(intStart + j)] -
                                   x[static_cast<std::size_t>(intStart + j + tau)];
            dblSum += dblDiff * dblDiff;
        }
        d[static_cast<std::size_t>(tau)] = dblSum;
    }
    // Cumulative mean normalised difference; the first dip under the threshold is the period.
    std::vector<double> cmnd(d.size(), 1.0);
    double dblRunning = 0.0;
    for (std::size_t tau = 1; tau < d.size(); ++tau) {
        dblRunning += d[tau];
        cmnd[tau] = dblRunning > 0 ? d[tau] * static_cast<double>(tau) / dblRunning : 1.0;
    }
    std::size_t best = 0;
    for (std::size_t tau = static_cast<std::size_t>(intTauMin); tau + 1 < cmnd.size(); ++tau) {
        if (cmnd[tau] < 0.15) {
            while (tau + 2 < cmnd.size() && cmnd[tau + 1] < cmnd[tau]) {
                ++tau;
            }
            best = tau;
            break;
        }
        if (best == 0 || cmnd[tau] < cmnd[best]) {
            best = tau;
        }
    }
    // Parabola through the neighbours for a period between samples.
    const double a = cmnd[best - 1];
    const double b = cmnd[best];
    const double c = cmnd[best + 1];
    const double dblDenominator = a - 2 * b + c;
    const double dblShift = dblDenominator != 0 ? 0.5 * (a - c) / dblDenominator : 0.0;
    return kRate / (static_cast<double>(best) + dblShift);
}

} // namespace OfflineRender

namespace OfflineRender {

// The time in seconds of the first sample louder than fltThreshold, or -1 for silence.
inline double firstSound(const std::vector<float>& x, float fltThreshold) {
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::abs(x[i]) > fltThreshold) {
            return static_cast<double>(i) / kRate;
        }
    }
    return -1.0;
}

inline float peak(const std::vector<float>& x, std::size_t intFrom, std::size_t intTo) {
    float fltPeak = 0;
    for (std::size_t i = intFrom; i < std::min(intTo, x.size()); ++i) {
        fltPeak = std::max(fltPeak, std::abs(x[i]));
    }
    return fltPeak;
}

} // namespace OfflineRender
