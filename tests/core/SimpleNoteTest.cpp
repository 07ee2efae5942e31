#include "SimpleNote.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

SimpleNote parsed(const std::string& text) {
    SimpleNote note;
    note.setNote(text);
    return note;
}

} // namespace

TEST(SimpleNoteTest, ButtonsGiveTheSeventeenRootsAndTheirKeySide) {
    // Letter button, accidental button, name, circle-of-fifths position. Flat names sit on the
    // negative (flat) side; D#, G# and A# fall back to 0, the sharp side.
    const std::tuple<int16_t, int16_t, const char*, int16_t> rows[] = {
        {0, 0, "C", 0},   {0, 1, "C#", 7},  {1, 0, "D", 2},  {1, 2, "Db", -5}, {1, 1, "D#", 0},
        {2, 0, "E", 4},   {2, 2, "Eb", -3}, {3, 0, "F", -1}, {3, 1, "F#", 6},  {4, 0, "G", 1},
        {4, 2, "Gb", -6}, {4, 1, "G#", 0},  {5, 0, "A", 3},  {5, 2, "Ab", -4}, {5, 1, "A#", 0},
        {6, 0, "B", 5},   {6, 2, "Bb", -2}};
    SimpleNote note = parsed("F#5"); // reused, so leftovers of the previous root would show
    for (const auto& [letter, accidental, name, fifths] : rows) {
        SCOPED_TRACE(name);
        note.setPitchFromButtons(letter, accidental);
        EXPECT_EQ(note.getNoteName(true), std::string(name) + "3");
        EXPECT_EQ(note.getCircleOfFifthsPosition(), fifths);
    }
}

TEST(SimpleNoteTest, SetNoteParsesLetterAccidentalAndOctave) {
    // Text, resulting name with octave, accidental code; each parsed over D#5.
    const std::tuple<const char*, const char*, int16_t> rows[] = {
        {"E3", "E3", 0},  // a white key with its octave
        {"Bb", "Bb3", 2}, // no digit: octave 3
        {"B#3", "C3", 1}, // B sharp is held as C, without an octave carry
        {"Cb4", "B4", 2}, // C flat is held as B, without an octave carry
        {"c4", "Eb4", 0}, // lower-case letter: the previous pitch stays, the sharp goes
    };
    for (const auto& [text, name, sign] : rows) {
        SCOPED_TRACE(text);
        SimpleNote note = parsed("D#5");
        note.setNote(text);
        EXPECT_EQ(note.getNoteName(true), name);
        EXPECT_EQ(note.Sign(), sign);
    }
}
