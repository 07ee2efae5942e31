// The installed program as a user meets it: started on its own under a virtual X server, driven
// only by real key presses, and judged by the files it leaves in its directory and its exit code.

#include "EndToEndFixture.h"

#include <QImage>
#include <utility>

namespace {

using GamutrixEndToEnd = EndToEndFixture;

// The two pictures of the README, taken from the real program driven only by keys. They go to
// GAMUTRIX_SCREENSHOT_DIR when it is set (scripts/screenshots), to a temporary folder otherwise.
// After each shot Ctrl+S saves the picture, and the program ends with Exit.
TEST_F(GamutrixEndToEnd, ScreenshotsOfAScaleAndAChord) {
    const QString strShotDir = qEnvironmentVariable("GAMUTRIX_SCREENSHOT_DIR", filePath("shots"));
    ASSERT_TRUE(QDir().mkpath(strShotDir));
    // The picture's pixel at a place worked out in twips (15 to a pixel), lifted by some pixels.
    const auto shoot = [&](const QString& strKeys, const QString& strName, int intLift) {
        const QString strWindow = startProgram();
        pressKeys(strKeys);
        const QString strPath = QDir(strShotDir).filePath(strName);
        tool("import", {"-window", strWindow, strPath});
        EXPECT_EQ(QImage(strPath).size(), QSize(593, 432));
        saveAndConfirm();
        EXPECT_TRUE(endsCleanly());
        const QStringList pictures = QDir(tempDir.path()).entryList({"*.bmp"});
        const QImage picture(filePath(pictures.value(0)), "BMP");
        EXPECT_EQ(picture.size(), QSize(577, 225)) << pictures.join(' ').toStdString();
        QFile::remove(filePath(pictures.value(0)));
        return [picture, intLift](int intX, int intY) {
            return picture.pixel(intX / 15, intY / 15 - intLift);
        };
    };

    // A Dorian (A B C D E F# G) on the fretboard: the focus starts in the title line; eight Tabs
    // reach "A", five more the scale list, where Down selects the second mode. Markers sit at
    // x = 753 + 550 f for fret f, on the low E string at y 2508 and the B string at 1108; looked
    // at 7 pixels above the centre.
    const auto scale = shoot("Tab Tab Tab Tab Tab Tab Tab Tab space Tab Tab Tab Tab Tab Down",
                             "fretboard-scale.png", 7);
    EXPECT_EQ(scale(3503, 2508), kR); // low E, fret 5: A
    EXPECT_EQ(scale(1853, 2508), kM); // low E, fret 2: F#
    EXPECT_EQ(scale(1303, 1108), kM); // B, fret 1: C
    EXPECT_EQ(scale(1303, 2508), kW); // low E, fret 1: F

    // D m7 with a ninth on the keyboard in chord mode: "D", then the four-note list, fifth row
    // "m7", then "add9 / 2". White key k has its disc at x = 1028 + 300 k, y 2363 (C3 is key 1):
    // D3, F3, A3 and C4 marked, G3 and B3 not.
    const auto chord = shoot("F3 F9 Tab Tab Tab Tab space Tab Tab Tab Tab Tab Tab Tab Tab Tab "
                             "Down Down Down Down Down Tab space",
                             "keyboard-chord.png", 0);
    const std::pair<int, QRgb> kKeys[] = {{2, kB}, {4, kB}, {6, kB}, {8, kB}, {5, kW}, {7, kW}};
    for (const auto& [intKey, colour] : kKeys) {
        EXPECT_EQ(chord(1028 + 300 * intKey, 2363), colour) << "white key " << intKey;
    }
    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 2\r\nmode = 1\r\n"));
}

// Display -> Tuning and "Remember the instrument setup" across restarts, reached with Alt and the
// arrow keys: Display is the third menu, "Tuning" its fifth item and "Remember the instrument
// setup" its sixth; the 4-string bass is the eleventh preset. A damaged preferences file is
// tested in the window tests (tests/app).
TEST_F(GamutrixEndToEnd, RememberedSetupComesBackForgottenDoesNot) {
    const QString strRemember = "alt Right Right Down Down Down Down Down Down Return";
    const QString strBass = "alt Right Right Down Down Down Down Down Right " +
                            QString("Down ").repeated(10) + "Return";
    // Each run: the keys, Ctrl+S, Exit; the picture's pixel column 109 (1635 twips) lies between
    // the first fret line (1578) and the markers of the second fret (from 1703), below the fret
    // numbers: only string lines cross it.
    const auto stringsAfter = [&](const QString& strKeys) {
        EXPECT_FALSE(startProgram().isEmpty());
        if (!strKeys.isEmpty()) {
            pressKeys(strKeys);
        }
        saveAndConfirm();
        EXPECT_TRUE(endsCleanly());
        const QImage picture(filePath("guitar-c_ionian.bmp"), "BMP");
        QFile::remove(filePath("guitar-c_ionian.bmp"));
        int intLines = 0;
        for (int y = 1; y < picture.height(); ++y) {
            intLines +=
                qGray(picture.pixel(109, y)) < 128 && qGray(picture.pixel(109, y - 1)) >= 128;
        }
        return intLines;
    };
    EXPECT_EQ(stringsAfter(strRemember + " " + strBass), 4);
    EXPECT_EQ(stringsAfter(""), 4);
    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 1\r\nmode = 0\r\n"));
    // Remembering turned off: the setup of this session is forgotten at the next start.
    EXPECT_EQ(stringsAfter(strRemember), 4);
    EXPECT_EQ(stringsAfter(""), 6);
}

} // namespace
