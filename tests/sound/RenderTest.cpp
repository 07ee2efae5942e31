// The scheduler driven into a real synthesizer without an audio device, through the same renderer
// Play uses: what comes out has the right pitches, starts on the beat, and stops at once. And the
// player's own thread: what it reports when the SoundFont or the audio output fails.

#include "ScheduleRenderer.h"
#include "SoundCases.h"
#include "SoundFontLocator.h"
#include "SoundPlayer.h"
#include "SoundSynth.h"

#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <future>
#include <gtest/gtest.h>

namespace {

constexpr double kRate = 44100.0;
constexpr int kBuffer = 512;
constexpr int kTempo = 240; // a quarter of a second a beat keeps the test quick

// Fundamental frequency of 6000 samples from intStart, between 60 and 1000 Hz, by the YIN method:
// the first dip of the cumulative mean normalised difference under 0.15 is the period.
double fundamental(const std::vector<float>& x, std::size_t intStart) {
    constexpr std::size_t kTauMin = 44;  // 1000 Hz
    constexpr std::size_t kTauMax = 735; // 60 Hz
    std::vector<double> cmnd(kTauMax + 2, 1.0);
    double dblRunning = 0.0;
    for (std::size_t tau = 1; tau < cmnd.size(); ++tau) {
        double dblSum = 0.0;
        for (std::size_t j = intStart; j < intStart + 6000 - kTauMax; ++j) {
            const double dblDiff = x[j] - x[j + tau];
            dblSum += dblDiff * dblDiff;
        }
        dblRunning += dblSum;
        cmnd[tau] = dblRunning > 0 ? dblSum * static_cast<double>(tau) / dblRunning : 1.0;
    }
    std::size_t best = kTauMin;
    for (std::size_t tau = kTauMin; tau + 1 < cmnd.size(); ++tau) {
        if (cmnd[tau] < 0.15) {
            for (best = tau; best + 2 < cmnd.size() && cmnd[best + 1] < cmnd[best];) {
                ++best;
            }
            break;
        }
        best = cmnd[tau] < cmnd[best] ? tau : best;
    }
    // Parabola through the neighbours for a period between samples.
    const double a = cmnd[best - 1];
    const double b = cmnd[best];
    const double c = cmnd[best + 1];
    const double dblShift = a - 2 * b + c != 0 ? 0.5 * (a - c) / (a - 2 * b + c) : 0.0;
    return kRate / (static_cast<double>(best) + dblShift);
}

float peak(const std::vector<float>& x, std::size_t intFrom) {
    float fltPeak = 0;
    for (std::size_t i = intFrom; i < x.size(); ++i) {
        fltPeak = std::max(fltPeak, std::abs(x[i]));
    }
    return fltPeak;
}

class Render : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string strFont = findSoundFont("");
        sound = strFont.empty() ? nullptr : SoundSynth::create(strFont, kRate);
        if (!sound) {
            GTEST_SKIP() << "no General MIDI SoundFont installed";
        }
        renderer = std::make_unique<ScheduleRenderer>(sound->synth(), kRate);
    }
    // The left channel of at least longFrames more frames, in whole buffers.
    void renderInto(std::vector<float>& out, long long longFrames) {
        std::vector<float> left(kBuffer);
        std::vector<float> right(kBuffer);
        for (long long i = 0; i < longFrames; i += kBuffer) {
            renderer->render(kBuffer, left.data(), right.data());
            out.insert(out.end(), left.begin(), left.end());
        }
    }
    std::vector<float> render(const std::vector<ScheduledNote>& collNotes, int intProgram,
                              long long longFrames) {
        renderer->start(collNotes, kTempo, intProgram);
        std::vector<float> out;
        renderInto(out, longFrames);
        return out;
    }
    // When the note, played alone from the start, first adds to the output.
    double onsetOf(const ScheduledNote& note) {
        const std::vector<float> out =
            render({note}, kProgramNylonGuitar,
                   ScheduleRenderer::beatFrame(note.intStartBeat + 1, kTempo, kRate));
        const auto it =
            std::find_if(out.begin(), out.end(), [](float f) { return std::abs(f) > 0.001f; });
        return static_cast<double>(it - out.begin()) / kRate;
    }
    std::unique_ptr<SoundSynth> sound;
    std::unique_ptr<ScheduleRenderer> renderer;
};

TEST_F(Render, PitchesAndOnsetsOfEveryCaseOnBothSounds) {
    for (const SoundCases::Case& c : SoundCases::cases()) {
        const auto collNotes =
            SoundCases::schedule(c.strRoot, c.strIntervals, c.setup, c.boolChord);
        for (int intProgram : {kProgramNylonGuitar, kProgramGrandPiano}) {
            const std::string strRow =
                c.strName + std::string(", program ") + std::to_string(intProgram);
            const std::vector<float> out = render(
                collNotes, intProgram,
                ScheduleRenderer::beatFrame(NoteSchedule::totalBeats(collNotes), kTempo, kRate));
            // A chord's notes sound together first; the single notes after it are measured.
            const std::size_t intFirst = c.boolChord ? (c.collMidi.size() / 2) : 0;
            for (std::size_t i = intFirst; i < c.collMidi.size(); ++i) {
                const double dblStart = (c.boolChord ? 2.0 + static_cast<double>(i - intFirst)
                                                     : static_cast<double>(i)) *
                                        60.0 / kTempo;
                const double dblFrequency = fundamental(
                    out, static_cast<std::size_t>(std::llround((dblStart + 0.05) * kRate)));
                const double dblCents =
                    1200.0 * std::log2(dblFrequency / 440.0) - 100.0 * (c.collMidi[i] - 69);
                EXPECT_LT(std::abs(dblCents), 20.0)
                    << strRow << ", note " << i << ": " << dblFrequency << " Hz";
                if (intProgram == kProgramNylonGuitar) { // onsets on one sound keep the test quick
                    const double dblOnset = onsetOf(collNotes[i]);
                    EXPECT_TRUE(dblOnset >= dblStart && dblOnset < dblStart + 0.010)
                        << strRow << ", note " << i << " starts at " << dblOnset << " s";
                }
            }
        }
    }
}

// Stop in the middle of a scale: the next buffer is silent, and the sounding note ends for the
// listener too.
TEST_F(Render, StopSilencesWithinOneBuffer) {
    std::vector<std::pair<int, bool>> collHeard;
    renderer->setNoteListener(
        [&collHeard](int intIndex, bool boolOn) { collHeard.emplace_back(intIndex, boolOn); });
    std::vector<float> out =
        render(SoundCases::schedule("C3", "1,2,3,4,5,6,7", SoundCases::guitar(), false),
               kProgramNylonGuitar, std::llround(1.3 * kRate));
    const std::size_t intStop = out.size();
    ASSERT_GT(peak(out, intStop - kBuffer), 0.01f);
    EXPECT_TRUE(renderer->isPlaying());
    EXPECT_EQ(collHeard.back(), std::make_pair(5, true)) << "1.3 s is in the sixth beat";
    renderer->stop();
    renderInto(out, 4 * kBuffer);
    EXPECT_LT(peak(out, intStop), 1e-5f);
    EXPECT_FALSE(renderer->isPlaying());
    EXPECT_EQ(collHeard.back(), std::make_pair(5, false));
}

// The player's status when the SoundFont or the audio output fails to load, reported once. Neither
// play nor stop waits for the loading; playing without output is a quiet no-op. (The window's
// tests cover no SoundFont found and no driver to try.)
TEST_F(Render, PlayerReportsWhatFailedWithoutWaiting) {
    QTemporaryDir dir;
    const std::string strFont = findSoundFont("");
    for (const auto& [strFile, strDriver, expected] :
         {std::tuple{(dir.path() + "/empty.sf2").toStdString(), "alsa", SoundStatus::NoSoundFont},
          std::tuple{strFont, "no-such-driver", SoundStatus::NoAudioOutput}}) {
        std::promise<SoundStatus> status;
        SoundPlayerOptions options;
        options.strSoundFont = strFile;
        options.collAudioDrivers = {strDriver};
        SoundPlayer player(
            options, [&status](SoundStatus s) { status.set_value(s); }, nullptr);
        const auto start = std::chrono::steady_clock::now();
        player.play(SoundCases::schedule("C3", "1", SoundCases::keyboard(1), false), 100, 0);
        player.stop();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
        player.prepare();
        EXPECT_EQ(status.get_future().get(), expected) << strDriver;
    }
    // Ended while its thread is still loading: no hang, no crash.
    SoundPlayerOptions noDriver;
    noDriver.strSoundFont = strFont;
    noDriver.collAudioDrivers.clear();
    SoundPlayer(noDriver, nullptr, nullptr).prepare();
}

} // namespace
