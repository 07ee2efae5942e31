#include "SimpleNote.h"

#include <gtest/gtest.h>
#include <tuple>

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
        SimpleNote note;
        note.setNote("D#5");
        note.setNote(text);
        EXPECT_EQ(note.getNoteName(true), name);
        EXPECT_EQ(note.Sign(), sign);
    }
}
