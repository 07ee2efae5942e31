// The scheduler driven into a real synthesizer without an audio device: what comes out has the
// right pitches, starts on the beat, and stops at once.

#include "OfflineRender.h"
#include "SoundCases.h"

#include <gtest/gtest.h>

namespace {

using namespace OfflineRender;

constexpr int kTempo = 240; // a quarter of a second a beat keeps the test quick

class Render : public ::testing::Test {
  protected:
    Output render(const std::vector<ScheduledNote>& collNotes, int intProgram,
                  long long longFrames) {
        renderer->start(collNotes, kTempo, intProgram);
        Output out;
        renderInto(*renderer, out, longFrames);
        return out;
    }
    // When note intIndex first adds to the output: the full schedule against the notes before it.
    // Two renders of the same notes differ slightly (below 0.0001) when the synthesizer played
    // before, so a note counts from where it adds clearly more.
    double onsetOf(const std::vector<ScheduledNote>& collNotes, std::size_t intIndex,
                   int intProgram) {
        const long long longFrames =
            ScheduleRenderer::beatFrame(collNotes[intIndex].intStartBeat + 1, kTempo, kRate);
        const Output full = render(collNotes, intProgram, longFrames);
        const std::vector<ScheduledNote> collBefore(
            collNotes.begin(), collNotes.begin() + static_cast<long>(intIndex));
        const Output before = render(collBefore, intProgram, longFrames);
        for (std::size_t i = 0; i < full.collLeft.size(); ++i) {
            if (std::abs(full.collLeft[i] - before.collLeft[i]) > 0.001f) {
                return static_cast<double>(i) / kRate;
            }
        }
        return -1.0;
    }

    void SetUp() override {
        sound = makeSynth();
        if (!sound) {
            GTEST_SKIP() << "no General MIDI SoundFont installed";
        }
        renderer = std::make_unique<ScheduleRenderer>(sound->synth(), kRate);
    }
    std::unique_ptr<SoundSynth> sound;
    std::unique_ptr<ScheduleRenderer> renderer;
};

TEST_F(Render, PitchesAndOnsetsOfEveryCaseOnBothSounds) {
    const double dblBeat = 60.0 / kTempo;
    for (const SoundCases::Case& c : SoundCases::cases()) {
        for (int intProgram : {kProgramNylonGuitar, kProgramGrandPiano}) {
            const std::string strRow =
                std::string(c.strName) + ", program " + std::to_string(intProgram);
            const auto collNotes = buildSchedule(
                SoundCases::scale(c.strIntervals, c.intButton, c.intAdd), c.setup, c.boolChord);
            const Output out = render(
                collNotes, intProgram,
                ScheduleRenderer::beatFrame(NoteSchedule::totalBeats(collNotes), kTempo, kRate));
            EXPECT_LT(std::abs(firstSound(out.collLeft, 1e-3f)), 0.010) << strRow;
            // A chord's notes sound together first; the single notes after it are measured.
            const std::size_t intFirst = c.boolChord ? (c.collMidi.size() / 2) : 0;
            for (std::size_t i = intFirst; i < c.collMidi.size(); ++i) {
                const int intBeat =
                    c.boolChord ? 2 + static_cast<int>(i - intFirst) : static_cast<int>(i);
                const double dblStart = intBeat * dblBeat;
                const double dblFrequency =
                    fundamental(out.collLeft, std::llround((dblStart + 0.05) * kRate), 6000);
                EXPECT_LT(std::abs(centsBetween(dblFrequency, c.collMidi[i])), 20.0)
                    << strRow << ", note " << i << ": " << dblFrequency << " Hz";
                if (intProgram != kProgramNylonGuitar) {
                    continue; // onsets on one sound keep the test quick
                }
                const double dblOnset = onsetOf(collNotes, i, intProgram);
                EXPECT_TRUE(dblOnset >= dblStart && dblOnset < dblStart + 0.010)
                    << strRow << ", note " << i << " starts at " << dblOnset << " s";
            }
        }
    }
}

TEST_F(Render, StopSilencesWithinOneBuffer) {
    renderer->start(
        buildSchedule(SoundCases::scale("1,2,3,4,5,6,7", 0), SoundCases::guitarDefault(), false),
        kTempo, kProgramNylonGuitar);
    Output out;
    renderInto(*renderer, out, std::llround(1.3 * kRate));
    const std::size_t intStop = out.collLeft.size();
    ASSERT_GT(peak(out.collLeft, intStop - kBuffer, intStop), 0.01f);
    EXPECT_TRUE(renderer->isPlaying());
    renderer->stop();
    renderInto(*renderer, out, 4 * kBuffer);
    EXPECT_LT(peak(out.collLeft, intStop, out.collLeft.size()), 1e-5f);
    EXPECT_LT(peak(out.collRight, intStop, out.collRight.size()), 1e-5f);
    EXPECT_FALSE(renderer->isPlaying());
}

TEST_F(Render, ListenerFollowsTheNotesInOrder) {
    std::vector<std::pair<int, bool>> collHeard;
    renderer->setNoteListener(
        [&collHeard](int intIndex, bool boolOn) { collHeard.emplace_back(intIndex, boolOn); });
    renderer->start(buildSchedule(SoundCases::scale("1,3", 0), SoundCases::keyboard(1), false),
                    kTempo, kProgramGrandPiano);
    Output out;
    renderInto(*renderer, out, ScheduleRenderer::beatFrame(6, kTempo, kRate));
    // C E C' E C: each note ends as the next begins.
    const std::vector<std::pair<int, bool>> expected{{0, true}, {0, false}, {1, true}, {1, false},
                                                     {2, true}, {2, false}, {3, true}, {3, false},
                                                     {4, true}, {4, false}};
    EXPECT_EQ(collHeard, expected);
    EXPECT_FALSE(renderer->isPlaying());
    // Stopping in the middle ends the sounding note for the listener too.
    collHeard.clear();
    renderer->start(buildSchedule(SoundCases::scale("1,3", 0), SoundCases::keyboard(1), false),
                    kTempo, kProgramGrandPiano);
    renderInto(*renderer, out, kBuffer);
    renderer->stop();
    renderInto(*renderer, out, kBuffer);
    EXPECT_EQ(collHeard, (std::vector<std::pair<int, bool>>{{0, true}, {0, false}}));
}

} // namespace
