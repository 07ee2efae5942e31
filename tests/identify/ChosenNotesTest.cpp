// Notes picked on the picture: toggling places, the bass, and the text shown for them.

#include "ChosenNotes.h"

#include <gtest/gtest.h>

namespace {

// Standard tuning, string 1 = E4 (pitch 4 + 12 x 4 = 52), string 6 = E2 (28).
PickedNote fret(int intString, int intFret, int intOpenPitch) {
    return {1, intString, intFret, intOpenPitch + intFret};
}
PickedNote key(int intPitch) {
    return {2, 0, intPitch, intPitch};
}

TEST(ChosenNotes, TogglesPlacesAndNamesThemFromTheBass) {
    ChosenNotes notes;
    // A C major chord in open position: C3 on string 5 fret 3, E3 on string 4 fret 2, G3 open,
    // C4 on string 2 fret 1, E4 open.
    notes.toggle(fret(5, 3, 33));
    notes.toggle(fret(4, 2, 38));
    notes.toggle(fret(3, 0, 43));
    notes.toggle(fret(2, 1, 47));
    notes.toggle(fret(1, 0, 52));
    EXPECT_EQ(notes.text(), "C E G");
    EXPECT_EQ(notes.bass(), 0);
    EXPECT_EQ(notes.mask(), pitchBit(0) | pitchBit(4) | pitchBit(7));
    // Taking the low C off leaves E3 as the bass; the C on string 2 still sounds.
    notes.toggle(fret(5, 3, 33));
    EXPECT_EQ(notes.text(), "E G C");
    EXPECT_EQ(notes.bass(), 4);
    EXPECT_EQ(notes.notes().size(), 4U);
    // Black keys read flat, as the keyboard names them; notes of another instrument go.
    notes.toggle(key(12 * 4 + 10)); // Bb4
    EXPECT_EQ(notes.text(), "E G C Bb");
    notes.retune(2, 6, {});
    EXPECT_EQ(notes.text(), "Bb");
    EXPECT_EQ(notes.bass(), 10);
    notes.toggle(key(12 * 4 + 10));
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(notes.bass(), -1);
    EXPECT_EQ(notes.text(), "");
}

// A new tuning moves the picked places' notes; a board with fewer strings drops the notes on the
// strings it lost; the keyboard drops them all.
TEST(ChosenNotes, FollowsTheBoardAsDrawn) {
    ChosenNotes notes;
    notes.toggle(fret(6, 3, 28)); // G2 on the low E string
    notes.toggle(fret(1, 1, 52)); // F4 on the high E string
    EXPECT_EQ(notes.text(), "G F");
    // Drop D: string 6 tuned down to D2 (26), so fret 3 is F2; the F4 stays.
    notes.retune(1, 6, {0, 52, 47, 43, 38, 33, 26, 0});
    EXPECT_EQ(notes.text(), "F");
    EXPECT_EQ(notes.notes().size(), 2U);
    EXPECT_EQ(notes.bass(), 5);
    // Five strings: string 6 is gone.
    notes.retune(1, 5, {0, 52, 47, 43, 38, 33, 26, 0});
    EXPECT_EQ(notes.notes().size(), 1U);
    notes.retune(2, 6, {});
    EXPECT_TRUE(notes.empty());
}

} // namespace
