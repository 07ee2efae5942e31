// The scheduler driven into a real synthesizer without an audio device, through the same renderer
// Play uses: the synthesizer holds the right keys from the first frame of their beat, and falls
// silent at once on Stop. And what the sound module, or its absence, reports when the SoundFont or
// the audio output fails.

#include "ScheduleRenderer.h"
#include "SoundCases.h"
#include "SoundEngineLoader.h"
#include "SoundFontLocator.h"
#include "SoundSynth.h"

#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <future>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr double kRate = 44100.0;
constexpr int kBuffer = 512;
constexpr int kTempo = 240; // a quarter of a second a beat keeps the test quick

bool byMagnitude(float a, float b) {
    return std::abs(a) < std::abs(b);
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
    // The left channel of exactly longFrames more frames.
    std::vector<float> render(long long longFrames) {
        std::vector<float> left(static_cast<std::size_t>(longFrames));
        std::vector<float> right(left.size());
        for (long long i = 0; i < longFrames; i += kBuffer) {
            renderer->render(static_cast<int>(std::min<long long>(kBuffer, longFrames - i)),
                             left.data() + i, right.data() + i);
        }
        return left;
    }
    // The keys the synthesizer holds down (a key may sound through several voices).
    std::set<int> keysHeld() const {
        std::vector<fluid_voice_t*> voices(256, nullptr);
        fluid_synth_get_voicelist(sound->synth(), voices.data(), 256, -1);
        std::set<int> keys;
        for (fluid_voice_t* voice : voices) {
            if (voice != nullptr && fluid_voice_is_on(voice)) {
                keys.insert(fluid_voice_get_key(voice));
            }
        }
        return keys;
    }
    std::unique_ptr<SoundSynth> sound;
    std::unique_ptr<ScheduleRenderer> renderer;
};

// Each case through the renderer, chords as a piano: up to a beat's first frame (11025 at 240
// beats a minute) the keys of the beat before are held, from that frame on those of the notes the
// schedule puts on the beat.
TEST_F(Render, KeysChangeOnTheFirstFrameOfEachBeat) {
    for (const SoundCases::Case& c : SoundCases::cases()) {
        const auto collNotes =
            SoundCases::schedule(c.strRoot, c.strIntervals, c.setup, c.boolChord);
        const int intProgram = c.boolChord ? kProgramGrandPiano : kProgramNylonGuitar;
        renderer->start(collNotes, kTempo, intProgram);
        std::set<int> held;
        for (int b = 0; b <= NoteSchedule::totalBeats(collNotes); ++b) {
            render(b == 0 ? 0 : 11025 - 1);
            EXPECT_EQ(keysHeld(), held) << c.strName << ", before beat " << b;
            render(1);
            held.clear();
            for (const ScheduledNote& note : collNotes) {
                if (note.intStartBeat <= b && b < note.intStartBeat + note.intBeats) {
                    held.insert(note.intMidiNote);
                }
            }
            EXPECT_EQ(keysHeld(), held) << c.strName << ", beat " << b;
        }
        int intFont = 0, intBank = 0, intHeard = 0;
        fluid_synth_get_program(sound->synth(), 0, &intFont, &intBank, &intHeard);
        EXPECT_EQ(intHeard, intProgram) << c.strName;
    }
}

// Stop in the middle of a scale: the next buffer is silent, and the sounding note ends for the
// listener too.
TEST_F(Render, StopSilencesWithinOneBuffer) {
    std::vector<std::pair<int, bool>> collHeard;
    renderer->setNoteListener(
        [&collHeard](int intIndex, bool boolOn) { collHeard.emplace_back(intIndex, boolOn); });
    renderer->start(SoundCases::schedule("C3", "1,2,3,4,5,6,7", SoundCases::guitar(), false),
                    kTempo, kProgramNylonGuitar);
    const std::vector<float> out = render(std::llround(1.3 * kRate));
    ASSERT_GT(std::abs(*std::max_element(out.end() - kBuffer, out.end(), byMagnitude)), 0.01f);
    EXPECT_TRUE(renderer->isPlaying());
    EXPECT_EQ(collHeard.back(), std::make_pair(5, true)) << "1.3 s is in the sixth beat";
    renderer->stop();
    const std::vector<float> after = render(4 * kBuffer);
    EXPECT_LT(std::abs(*std::max_element(after.begin(), after.end(), byMagnitude)), 1e-5f);
    EXPECT_FALSE(renderer->isPlaying());
    EXPECT_EQ(collHeard.back(), std::make_pair(5, false));
}

// The first status a sound engine reports, or Unknown after five seconds. With boolPlayFirst,
// Play and Stop come before prepare(): without an output they do nothing, and what failed is still
// reported once (a second report would throw in the listener).
SoundStatus firstStatus(const std::vector<std::string>& collPaths, const std::string& strFont,
                        const std::vector<std::string>& collDrivers, bool boolPlayFirst) {
    auto reported = std::make_shared<std::promise<SoundStatus>>();
    std::future<SoundStatus> status = reported->get_future();
    SoundPlayerOptions options;
    options.strSoundFont = strFont;
    options.collAudioDrivers = collDrivers;
    const std::unique_ptr<SoundEngine> engine = loadSoundEngine(
        collPaths, options, [reported](SoundStatus s) { reported->set_value(s); }, nullptr);
    if (boolPlayFirst) {
        engine->play(SoundCases::schedule("C3", "1", SoundCases::keyboard(1), false), 100, 0);
        engine->stop();
    }
    engine->prepare();
    return status.wait_for(std::chrono::seconds(5)) == std::future_status::ready
               ? status.get()
               : SoundStatus::Unknown;
}

// The synthesizer is a module loaded on first use: the first of the paths that opens. Only the
// real module can tell a missing or broken SoundFont from a missing audio output; without the
// module (a missing file, a library that is not the module) sound reports no audio output. (The
// window's tests cover no driver to try and that Play does not wait for the loading.)
TEST(SoundEngine, ReportsWhatFailed) {
    QTemporaryDir dir;
    const std::string strEmptyFont = (dir.path() + "/empty.sf2").toStdString();
    const std::string strMissing = "/nonexistent/gamutrix-sound.so";
    const std::string strFont = findSoundFont("");
    EXPECT_EQ(firstStatus({strMissing, soundModulePaths().back()}, strEmptyFont, {"alsa"}, true),
              SoundStatus::NoSoundFont);
    EXPECT_EQ(firstStatus({strMissing, "libm.so.6"}, strFont, {}, false),
              SoundStatus::NoAudioOutput);
    if (!strFont.empty()) {
        EXPECT_EQ(firstStatus(soundModulePaths(), strFont, {"no-such-driver"}, true),
                  SoundStatus::NoAudioOutput);
    }
    // Ended while its thread is still loading: no hang, no crash.
    SoundPlayerOptions options;
    options.strSoundFont = strFont;
    options.collAudioDrivers.clear();
    loadSoundEngine(soundModulePaths(), options, nullptr, nullptr)->prepare();
}

} // namespace
