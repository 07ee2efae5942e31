// The installed program as a user meets it: started on its own under a virtual X server, driven
// only by real key presses, and judged by the files it leaves in its directory and its exit code.

#include "EndToEndFixture.h"

#include <QDir>
#include <QImage>
#include <algorithm>

namespace {

using GamutrixEndToEnd = EndToEndFixture;

TEST_F(GamutrixEndToEnd, KeyboardPictureSavedAndSettingsKeptAfterExit) {
    program.setWorkingDirectory(QDir::tempPath());
    // The piano keyboard, then Ctrl+S, whose confirmation Return dismisses, then Exit.
    ASSERT_FALSE(startProgram().isEmpty());
    pressKeys("F3 ctrl+s");
    ASSERT_FALSE(focusWindow("^GamutrixLite$").isEmpty()) << "no message after saving";
    pressKeys("Return");
    ASSERT_FALSE(focusWindow("^Gamutrix Lite").isEmpty());
    pressKeys("ctrl+x");
    ASSERT_TRUE(program.waitForFinished(kStepTimeoutMs)) << "the program did not end on Exit";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 2\r\nmode = 0\r\n"));

    const QImage picture(filePath("piano-c_ionian.bmp"), "BMP");
    ASSERT_EQ(picture.size(), QSize(577, 225)) << "piano-c_ionian.bmp missing or of a wrong size";
    // White key k spans 300 twips from x = 878 + 300 k, its middle on pixel column 69 + 20 k; a
    // note's disc sits 1575 twips below the keys' top at 788, on pixel row 158. C major on C3: a
    // black disc on each white key of the lowest octave (keys 1..7) and on none of the next one.
    const QRgb white = qRgb(255, 255, 255);
    for (int k = 1; k <= 14; ++k) {
        EXPECT_EQ(picture.pixel(69 + 20 * k, 158), k <= 7 ? qRgb(0, 0, 0) : white) << "key " << k;
    }
    EXPECT_EQ(picture.pixel(0, 0), white);
    // Nothing else was left in the program's directory.
    EXPECT_EQ(QDir(strProgramDir).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"gamutrix", "gamutrix.cfg", "piano-c_ionian.bmp"}));
}

// Connected areas of one colour in a picture: bounding box and number of pixels.
std::vector<std::pair<QRect, int>> areas(const QImage& picture, QRgb colour) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    QVector<bool> seen(w * image.height());
    std::vector<std::pair<QRect, int>> found;
    for (int start = 0; start < seen.size(); ++start) {
        if (seen[start] || image.pixel(start % w, start / w) != colour) {
            continue;
        }
        found.emplace_back(QRect(), 0);
        for (QVector<int> todo{start}; !todo.isEmpty();) {
            const int i = todo.takeLast();
            if (seen[i] || image.pixel(i % w, i / w) != colour) {
                continue;
            }
            seen[i] = true;
            found.back().first |= QRect(i % w, i / w, 1, 1);
            ++found.back().second;
            for (const int n : {i - 1, i + 1, i - w, i + w}) {
                if (n >= 0 && n < seen.size() && std::abs(n % w - i % w) <= 1) {
                    todo.push_back(n);
                }
            }
        }
    }
    return found;
}

// Fretboard markers of one fill colour: their code may split a marker's fill into parts, so
// parts whose centres lie within 12 pixels count as one marker (markers are 23 pixels apart).
int markers(const QImage& picture, QRgb colour) {
    std::vector<QPoint> centres;
    for (const auto& [box, intArea] : areas(picture, colour)) {
        const QPoint c = box.center();
        const bool boolNew = std::none_of(centres.begin(), centres.end(), [c](QPoint other) {
            return std::max(std::abs(other.x() - c.x()), std::abs(other.y() - c.y())) <= 12;
        });
        if (intArea >= 10 && boolNew) {
            centres.push_back(c);
        }
    }
    return static_cast<int>(centres.size());
}

// Small solid black discs (4 to 12 pixels across, filling 70 % of their box): not letters.
int blackDiscs(const QImage& picture) {
    const auto found = areas(picture, qRgb(0, 0, 0));
    return static_cast<int>(std::count_if(found.begin(), found.end(), [](const auto& area) {
        const QRect& box = area.first;
        return std::min(box.width(), box.height()) >= 4 &&
               std::max(box.width(), box.height()) <= 12 &&
               10 * area.second >= 7 * box.width() * box.height();
    }));
}

// The two pictures of the README, taken from the real program driven only by keys. They go to
// GAMUTRIX_SCREENSHOT_DIR when it is set (scripts/screenshots), to a temporary folder otherwise.
TEST_F(GamutrixEndToEnd, ScreenshotsOfAScaleAndAChord) {
    const QString strShotDir = qEnvironmentVariable("GAMUTRIX_SCREENSHOT_DIR", filePath("shots"));
    ASSERT_TRUE(QDir().mkpath(strShotDir));
    // Starts the program, gives it the keys and takes a picture of its window before Exit.
    const auto shoot = [&](const QString& strKeys, const QString& strName) {
        const QString strWindow = startProgram();
        pressKeys(strKeys);
        const QString strPath = QDir(strShotDir).filePath(strName);
        tool("import", {"-window", strWindow, strPath});
        pressKeys("ctrl+x");
        EXPECT_TRUE(program.waitForFinished(kStepTimeoutMs));
        return QImage(strPath);
    };

    // A Dorian on the fretboard: the focus starts in the title line; eight Tabs reach "A", five
    // more the scale list, where Down selects the second mode. All six open strings (E B G D A E)
    // are in A Dorian, so each string shows 8 markers on its frets 0..12: 48, of which the roots
    // are the 7 A's (frets 5, 10, 2, 7, 0 and 12, 5 from the top string down).
    const QImage scale = shoot("Tab Tab Tab Tab Tab Tab Tab Tab space Tab Tab Tab Tab Tab Down",
                               "fretboard-scale.png");
    ASSERT_EQ(scale.size(), QSize(593, 432));
    EXPECT_EQ(markers(scale, qRgb(102, 0, 0)), 41);
    EXPECT_EQ(markers(scale, qRgb(153, 0, 0)), 7);

    // D m7 with a ninth on the keyboard in chord mode: "D", then the four-note list, fifth row
    // "m7", then "add9 / 2". D F A C and E are white keys: five black discs, no markers.
    const QImage chord = shoot("F3 F9 Tab Tab Tab Tab space Tab Tab Tab Tab Tab Tab Tab Tab Tab "
                               "Down Down Down Down Down Tab space",
                               "keyboard-chord.png");
    ASSERT_EQ(chord.size(), QSize(593, 432));
    EXPECT_EQ(blackDiscs(chord), 5);
    EXPECT_EQ(markers(chord, qRgb(102, 0, 0)), 0);
    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 2\r\nmode = 1\r\n"));
}

// Display -> Tuning and "Remember the instrument setup" across restarts. The menus are reached
// with Alt and the arrow keys: Display is the third menu, "Tuning" the fifth item of it and
// "Remember the instrument setup" the sixth; the 4-string bass is the eleventh preset.
class RememberedSetupEndToEnd : public GamutrixEndToEnd {
  protected:
    static QString down(int intTimes) { return QString("Down ").repeated(intTimes).trimmed(); }
    static QString displayItem(int intItem) { return "alt Right Right Down " + down(intItem - 1); }
    const QString strRemember = displayItem(6) + " Return";
    const QString strBass = displayItem(5) + " Right " + down(10) + " Return";

    QString preferencesFile() const {
        return preferencesHome.filePath(".config/Gamutrix/Gamutrix Lite.conf");
    }

    // Starts the program, gives it the keys, saves the picture and exits; returns the number of
    // strings drawn in the saved picture.
    int runAndCountStrings(const QString& strKeys) {
        EXPECT_FALSE(startProgram().isEmpty());
        if (!strKeys.isEmpty()) {
            pressKeys(strKeys);
        }
        pressKeys("ctrl+s");
        EXPECT_FALSE(focusWindow("^GamutrixLite$").isEmpty()) << "no message after saving";
        pressKeys("Return");
        EXPECT_FALSE(focusWindow("^Gamutrix Lite").isEmpty());
        pressKeys("ctrl+x");
        EXPECT_TRUE(program.waitForFinished(kStepTimeoutMs)) << "the program did not end on Exit";
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        const QString strPicture = filePath("guitar-c_ionian.bmp");
        const QImage picture(strPicture, "BMP");
        QFile::remove(strPicture);
        EXPECT_EQ(picture.size(), QSize(577, 225)) << "guitar-c_ionian.bmp missing";
        // Pixel column 109 (1635 twips) lies between the first fret line (1578) and the markers
        // of the second fret (from 1703), below the fret numbers: only string lines cross it.
        int intLines = 0;
        bool boolOnLine = false;
        for (int y = 0; y < picture.height(); ++y) {
            const bool boolDark = qGray(picture.pixel(109, y)) < 128;
            intLines += boolDark && !boolOnLine ? 1 : 0;
            boolOnLine = boolDark;
        }
        return intLines;
    }
};

TEST_F(RememberedSetupEndToEnd, OnTheBassComesBackOffTheDefaultsDo) {
    program.setWorkingDirectory(QDir::tempPath());
    // Without remembering, a bass chosen in one run is gone in the next.
    EXPECT_EQ(runAndCountStrings(strBass), 4);
    EXPECT_FALSE(QFile::exists(preferencesFile())) << "nothing to remember was written";
    EXPECT_EQ(runAndCountStrings(""), 6);

    // Remembered: the bass is there after a restart, and the configuration file keeps its two
    // lines.
    EXPECT_EQ(runAndCountStrings(strRemember + " " + strBass), 4);
    QFile file(preferencesFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no preferences written";
    const QByteArray preferences = file.readAll();
    file.close();
    EXPECT_TRUE(preferences.contains("tuning=G3 D3 A2 E2")) << preferences.toStdString();
    EXPECT_EQ(runAndCountStrings(""), 4);
    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 1\r\nmode = 0\r\n"));

    // Remembering turned off: the next start is on the defaults.
    EXPECT_EQ(runAndCountStrings(strRemember), 4);
    EXPECT_EQ(runAndCountStrings(""), 6);
}

// Damaged preferences: the program starts as usual on the defaults.
TEST_F(RememberedSetupEndToEnd, ADamagedPreferencesFileStartsOnTheDefaults) {
    program.setWorkingDirectory(QDir::tempPath());
    EXPECT_EQ(runAndCountStrings(strRemember + " " + strBass), 4);
    const QByteArray kDamaged[]{
        QByteArray("[InstrumentSetup]\nremember=true\nstrings=4\ntuning=G3 D\xff\x00", 55),
        "[InstrumentSetup]\nremember=true\nstrings=12\n",
    };
    for (const QByteArray& bytes : kDamaged) {
        QFile file(preferencesFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(runAndCountStrings(""), 6);
    }
}

} // namespace
