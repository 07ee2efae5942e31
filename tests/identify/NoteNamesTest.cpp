// Reading typed note names.

#include "NoteNames.h"

#include "SimpleNote.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string readBack(const TypedNotes& notes) {
    std::string strText;
    for (const int intRoot : notes.collRoots) {
        strText += (strText.empty() ? "" : " ") +
                   std::string(kRoots[static_cast<std::size_t>(intRoot)].strName);
    }
    return notes.strUnknown.empty() ? strText : "unknown " + notes.strUnknown;
}

TEST(NoteNames, ReadsTheSeventeenNamesInEitherCase) {
    const std::vector<std::pair<const char*, const char*>> rows{
        {"D F A C", "D F A C"},
        {"Bb D F Ab", "Bb D F Ab"},
        {"bb d f ab", "Bb D F Ab"}, // lower-case letters; "bb" is B flat
        {"C,E,G", "C E G"},
        {"  c , e\tg  ", "C E G"},
        {"C# Db", "C# Db"}, // two names of one key are two names
        {"C c C", "C"},     // a name given twice counts once
        {"b", "B"},
        {"", ""},
        {" , ", ""},
        {"Cb", "unknown Cb"}, // the program has no C flat, E sharp, F flat, B sharp
        {"C E# G", "unknown E#"},
        {"Fb", "unknown Fb"},
        {"B#", "unknown B#"},
        {"H", "unknown H"},
        {"Dx", "unknown Dx"},
        {"C##", "unknown C##"},
        {"DB", "unknown DB"}, // the flat is a small "b"
        {"D F A C 7", "unknown 7"},
    };
    for (const auto& [strTyped, strRead] : rows) {
        EXPECT_EQ(readBack(parseNoteNames(strTyped)), strRead) << strTyped;
    }
}

// The root table agrees with the buttons: each pair of buttons makes the note of that name.
TEST(NoteNames, RootButtonsMakeTheNamedNote) {
    for (std::size_t i = 0; i < kRoots.size(); ++i) {
        const RootButtons& root = kRoots[i];
        SimpleNote note;
        note.setPitchFromButtons(root.intLetter, root.intAccidental);
        EXPECT_EQ(note.getNoteName(), root.strName);
        EXPECT_EQ(note.Pitch(), root.intPitch) << root.strName;
        EXPECT_EQ(rootIndexOf(root.strName), static_cast<int>(i));
    }
    EXPECT_EQ(rootIndexOf("E#"), -1);
}

} // namespace
