// The scheduler driven into a real synthesizer without an audio device, through the same renderer
// Play uses: what comes out has the right pitches, starts on the beat, and stops at once. The
// MIDI file read back by the synthesizer's own file player, an independent reader. And what the
// sound module, or its absence, reports when the SoundFont or the audio output fails.

#include "MidiFile.h"
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

namespace {

constexpr double kRate = 44100.0;
constexpr int kBuffer = 512;
constexpr int kTempo = 240; // a quarter of a second a beat keeps the test quick

// Fundamental frequency of 6000 samples from intStart, between 60 and 1000 Hz, by the YIN method:
// the period is the bottom of the first dip of the cumulative mean normalised difference under
// 0.15 (without one, its deepest point), refined by a parabola through the neighbours.
double fundamental(const std::vector<float>& x, std::size_t intStart) {
    constexpr std::size_t kTauMin = 44;  // 1000 Hz
    constexpr std::size_t kTauMax = 735; // 60 Hz
    std::vector<double> cmnd(kTauMax + 2, 1.0);
    double dblRunning = 0.0;
    for (std::size_t tau = 1; tau < cmnd.size(); ++tau) {
        double dblSum = 0.0;
        for (std::size_t j = intStart; j < intStart + 6000 - kTauMax; ++j) {
            dblSum += (x[j] - x[j + tau]) * (x[j] - x[j + tau]);
        }
        dblRunning += dblSum;
        cmnd[tau] = dblRunning > 0 ? dblSum * static_cast<double>(tau) / dblRunning : 1.0;
    }
    const auto last = cmnd.end() - 1;
    auto it = std::find_if(cmnd.begin() + kTauMin, last, [](double d) { return d < 0.15; });
    it = it == last ? std::min_element(cmnd.begin() + kTauMin, last) : it;
    while (it + 1 != last && it[1] < it[0]) {
        ++it;
    }
    const double dblCurve = it[-1] - 2 * it[0] + it[1];
    const double dblShift = dblCurve != 0 ? 0.5 * (it[-1] - it[1]) / dblCurve : 0.0;
    return kRate / (static_cast<double>(it - cmnd.begin()) + dblShift);
}

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
    // The left channel of at least longFrames more frames, in whole buffers.
    std::vector<float> render(long long longFrames) {
        std::vector<float> left(kBuffer);
        std::vector<float> right(kBuffer);
        std::vector<float> out;
        for (long long i = 0; i < longFrames; i += kBuffer) {
            renderer->render(kBuffer, left.data(), right.data());
            out.insert(out.end(), left.begin(), left.end());
        }
        return out;
    }
    // When the note, played alone from the start, first adds to the output.
    double onsetOf(const ScheduledNote& note) {
        renderer->start({note}, kTempo, kProgramNylonGuitar);
        const std::vector<float> out =
            render(ScheduleRenderer::beatFrame(note.intStartBeat + 1, kTempo, kRate));
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
            renderer->start(collNotes, kTempo, intProgram);
            const std::vector<float> out = render(
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
    EXPECT_EQ(firstStatus(soundModulePaths(), "", {}, false), SoundStatus::NoSoundFont);
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

// What FluidSynth's player hears at a tick: 0x90 note on or 0x80 off with the key, 0xC0 program
// change with the program, 0x51 tempo with the microseconds a quarter note. The player reports the
// tick its clock has reached, which may be one past the event: ticks are rounded to tens.
struct Capture {
    fluid_player_t* player;
    std::vector<std::tuple<int, int, int>> collHeard;
};

int capture(void* data, fluid_midi_event_t* event) {
    auto* c = static_cast<Capture*>(data);
    const int intType = fluid_midi_event_get_type(event);
    const bool boolOff =
        intType == 0x80 || (intType == 0x90 && fluid_midi_event_get_velocity(event) == 0);
    c->collHeard.emplace_back(boolOff ? 0x80 : intType,
                              intType == 0xC0 ? fluid_midi_event_get_program(event)
                                              : fluid_midi_event_get_key(event),
                              (fluid_player_get_current_tick(c->player) + 5) / 10 * 10);
    return FLUID_OK;
}

// D7 on the drop D board at 60 beats a minute, as a piano: D F# A C together for two beats, then
// upwards one beat apart, the C for two beats. The file is played on the sample clock of the
// synthesizer.
TEST_F(Render, MidiFileOfAChordReadBack) {
    const std::vector<uint8_t> bytes = MidiFile::write(
        SoundCases::schedule("D3", "1,3,5,b7", SoundCases::board({"E", "B", "G", "D", "A", "D"}),
                             true),
        60, kProgramGrandPiano);
    fluid_settings_setstr(sound->settings(), "player.timing-source", "sample");
    Capture c{new_fluid_player(sound->synth()), {}};
    fluid_player_set_playback_callback(c.player, capture, &c);
    ASSERT_EQ(fluid_player_add_mem(c.player, bytes.data(), bytes.size()), FLUID_OK);
    ASSERT_EQ(fluid_player_play(c.player), FLUID_OK);
    std::vector<float> buffer(2 * 256);
    for (int i = 0; i < 20000 && fluid_player_get_status(c.player) == FLUID_PLAYER_PLAYING; ++i) {
        fluid_synth_write_float(sound->synth(), 256, buffer.data(), 0, 2, buffer.data(), 1, 2);
    }
    delete_fluid_player(c.player);
    const std::vector<std::tuple<int, int, int>> expected{
        {0x51, 1000000, 0}, {0xC0, 0, 0},     {0x90, 38, 0},    {0x90, 42, 0},    {0x90, 45, 0},
        {0x90, 48, 0},      {0x80, 38, 960},  {0x80, 42, 960},  {0x80, 45, 960},  {0x80, 48, 960},
        {0x90, 38, 960},    {0x80, 38, 1440}, {0x90, 42, 1440}, {0x80, 42, 1920}, {0x90, 45, 1920},
        {0x80, 45, 2400},   {0x90, 48, 2400}, {0x80, 48, 3360}};
    EXPECT_EQ(c.collHeard, expected);
}

} // namespace
