// The MIDI file read back by FluidSynth's own file player, an independent reader: exactly the
// intended notes, at the intended ticks, with the tempo and the program.

#include "Globals.h"
#include "MidiExport.h"
#include "MidiFile.h"
#include "SoundCases.h"
#include "SoundSynth.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <tuple>

namespace {

struct Heard {
    int intType;  // 0x90 note on, 0x80 note off, 0xC0 program change, 0x51 tempo
    int intValue; // key, program or microseconds a quarter note
    int intTick;
};

struct ReadBack {
    std::vector<Heard> collEvents;
    int intTempo = 0; // microseconds a quarter note
};

struct Capture {
    fluid_player_t* player;
    std::vector<Heard>* collEvents;
};

int capture(void* data, fluid_midi_event_t* event) {
    auto* c = static_cast<Capture*>(data);
    const int intType = fluid_midi_event_get_type(event);
    const int intValue =
        intType == 0xC0 ? fluid_midi_event_get_program(event) : fluid_midi_event_get_key(event);
    const bool boolOff =
        intType == 0x80 || (intType == 0x90 && fluid_midi_event_get_velocity(event) == 0);
    c->collEvents->push_back(
        {boolOff ? 0x80 : intType, intValue, fluid_player_get_current_tick(c->player)});
    return FLUID_OK;
}

// Plays the file (a path, or the bytes when the path is empty) on the sample clock of a
// synthesizer that renders into nothing.
ReadBack readBack(const std::string& strPath, const std::vector<uint8_t>& bytes) {
    silenceFluidSynthLog();
    ReadBack result;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    Capture c{player, &result.collEvents};
    fluid_player_set_playback_callback(player, capture, &c);
    const int intAdded = strPath.empty() ? fluid_player_add_mem(player, bytes.data(), bytes.size())
                                         : fluid_player_add(player, strPath.c_str());
    if (intAdded == FLUID_OK && fluid_player_play(player) == FLUID_OK) {
        std::vector<float> buffer(2 * 256);
        for (int i = 0; i < 20000 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++i) {
            fluid_synth_write_float(synth, 256, buffer.data(), 0, 2, buffer.data(), 1, 2);
        }
        result.intTempo = fluid_player_get_midi_tempo(player);
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return result;
}

// What a scale of the given notes at 100 beats a minute must read back as: 600000 µs a quarter,
// one beat (480 ticks) per note, each note off as the next comes on, the last two beats long.
std::vector<Heard> expectedScale(const std::vector<int>& collMidi, int intProgram) {
    std::vector<Heard> collEvents{{0x51, 600000, 0}, {0xC0, intProgram, 0}};
    for (std::size_t i = 0; i < collMidi.size(); ++i) {
        const int intTick = 480 * static_cast<int>(i);
        if (i > 0) {
            collEvents.push_back({0x80, collMidi[i - 1], intTick});
        }
        collEvents.push_back({0x90, collMidi[i], intTick});
    }
    collEvents.push_back({0x80, collMidi.back(), 480 * static_cast<int>(collMidi.size() + 1)});
    return collEvents;
}

// The player reports the tick its clock has reached, which may be one past the event.
void expectSame(const std::vector<Heard>& collHeard, const std::vector<Heard>& collExpected,
                const std::string& strRow) {
    ASSERT_EQ(collHeard.size(), collExpected.size()) << strRow;
    for (std::size_t i = 0; i < collHeard.size(); ++i) {
        EXPECT_EQ(std::tie(collHeard[i].intType, collHeard[i].intValue),
                  std::tie(collExpected[i].intType, collExpected[i].intValue))
            << strRow << ", event " << i;
        EXPECT_NEAR(collHeard[i].intTick, collExpected[i].intTick, 1) << strRow << ", event " << i;
    }
}

TEST(MidiReadBack, ScalesFromMemory) {
    for (const SoundCases::Case& c : SoundCases::cases()) {
        if (c.boolChord) {
            continue;
        }
        const auto collNotes =
            buildSchedule(SoundCases::scale(c.strIntervals, c.intButton, c.intAdd), c.setup, false);
        const ReadBack result = readBack("", MidiFile::write(collNotes, 100, 24));
        EXPECT_EQ(result.intTempo, 600000) << c.strName;
        expectSame(result.collEvents, expectedScale(c.collMidi, 24), c.strName);
    }
}

TEST(MidiReadBack, ChordWrittenToFileAtomically) {
    // D7 on the drop D board at 60 beats a minute, as a piano: D F# A C together for two beats,
    // then upwards one beat apart, the C for two beats.
    QTemporaryDir dir;
    const QString strPath = dir.filePath("d7.mid");
    QString strError;
    Globals::setDefaultSettings();
    const std::vector<std::string> collDropD{"E", "B", "G", "D", "A", "D"};
    for (int i = 1; i <= 6; ++i) {
        auto note = std::make_shared<SimpleNote>();
        note->setNote(collDropD[static_cast<std::size_t>(i - 1)]);
        Globals::setTuning(i, note);
    }
    ASSERT_TRUE(writeMidiForScale(SoundCases::scale("1,3,5,b7", 1), 1, 60, SoundChoice::Piano, true,
                                  strPath, strError))
        << strError.toStdString();
    Globals::setDefaultSettings();
    const ReadBack result = readBack(strPath.toStdString(), {});
    EXPECT_EQ(result.intTempo, 1000000);
    const std::vector<Heard> expected{
        {0x51, 1000000, 0}, {0xC0, 0, 0},     {0x90, 38, 0},    {0x90, 42, 0},    {0x90, 45, 0},
        {0x90, 48, 0},      {0x80, 38, 960},  {0x80, 42, 960},  {0x80, 45, 960},  {0x80, 48, 960},
        {0x90, 38, 960},    {0x80, 38, 1440}, {0x90, 42, 1440}, {0x80, 42, 1920}, {0x90, 45, 1920},
        {0x80, 45, 2400},   {0x90, 48, 2400}, {0x80, 48, 3360}};
    expectSame(result.collEvents, expected, "D7");
}

TEST(MidiReadBack, FailedWriteLeavesNothingAndSaysWhy) {
    QTemporaryDir dir;
    const QString strPath = dir.filePath("missing/sub/x.mid");
    QString strError;
    EXPECT_FALSE(writeMidiForScale(SoundCases::scale("1,3,5", 0), 2, 100,
                                   SoundChoice::FollowInstrument, false, strPath, strError));
    EXPECT_FALSE(strError.isEmpty());
    EXPECT_FALSE(QFile::exists(strPath));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

} // namespace
