// The installed program as a user meets it: started on its own under a virtual X server, driven
// only by real key presses, and judged by the files it leaves in its directory and its exit code.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Upper bound for every single step; the whole run normally takes a second or two.
constexpr int kStepTimeoutMs = 60000;

class GamutrixEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* strTool : {"Xvfb", "xdotool", "import"}) {
            if (QStandardPaths::findExecutable(strTool).isEmpty()) {
                GTEST_SKIP() << strTool << " is not installed (scripts/packages.txt)";
            }
        }
        // The virtual X server picks a free display itself and tells its number on stdout. The
        // program and the tools inherit the environment.
        xserver.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24"});
        ASSERT_TRUE(xserver.waitForReadyRead(kStepTimeoutMs)) << "no virtual X server started";
        qputenv("DISPLAY", ":" + xserver.readLine().trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb");
        // Preferences in a home of the test's own: the user's are never read or touched.
        qputenv("HOME", preferencesHome.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", preferencesHome.filePath(".config").toLocal8Bit());
        // The program alone in a directory of its own, as after an installation.
        ASSERT_TRUE(QFile::copy(GAMUTRIX_BINARY, strProgram));
    }

    // The program, should it still run after a failure, ends with its QProcess.
    void TearDown() override {
        xserver.terminate();
        xserver.waitForFinished(kStepTimeoutMs);
    }

    // Runs a helper tool to its end and returns its output; a failure or a hang fails the test.
    static QString tool(const QString& strTool, const QStringList& args) {
        QProcess process;
        process.start(strTool, args);
        EXPECT_TRUE(process.waitForFinished(kStepTimeoutMs) && process.exitCode() == 0)
            << strTool.toStdString() << " " << args.join(' ').toStdString() << ": "
            << process.readAllStandardError().toStdString();
        return QString(process.readAllStandardOutput()).trimmed();
    }

    // Waits for a shown window whose title matches the pattern, gives it the keyboard focus (there
    // is no window manager to do it) and returns its id, empty when there is none.
    static QString focusWindow(const QString& strTitlePattern) {
        return tool("xdotool", {"search", "--sync", "--onlyvisible", "--name", strTitlePattern,
                                "windowfocus", "--sync", "getwindowfocus"});
    }

    // Starts the installed program and returns the id of its main window.
    QString startProgram() {
        program.start(strProgram, {});
        EXPECT_TRUE(program.waitForStarted(kStepTimeoutMs)) << program.errorString().toStdString();
        return focusWindow("^Gamutrix Lite");
    }

    // Key names as xdotool spells them, separated by blanks.
    static void pressKeys(const QString& strKeys) {
        tool("xdotool", QStringList{"key", "--delay", "50"} + strKeys.split(' '));
    }

    QByteArray readFile(const QString& strName) const {
        QFile file(programDir.filePath(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir preferencesHome;
    QTemporaryDir programDir;
    QString strProgram = programDir.filePath("gamutrix");
    QProcess xserver;
    QProcess program;
};

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

    const QImage picture(programDir.filePath("piano-c_ionian.bmp"), "BMP");
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
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"gamutrix", "gamutrix.cfg", "piano-c_ionian.bmp"}));
}

// The two pictures of the README, taken from the real program driven only by keys. They go to
// GAMUTRIX_SCREENSHOT_DIR when it is set (scripts/screenshots), to a temporary folder otherwise.
TEST_F(GamutrixEndToEnd, ScreenshotsOfAScaleAndAChord) {
    const QString strShotDir =
        qEnvironmentVariable("GAMUTRIX_SCREENSHOT_DIR", programDir.filePath("shots"));
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
    // more the scale list, where Down selects the second mode. Its dark red markers prove it drawn.
    const QImage scale = shoot("Tab Tab Tab Tab Tab Tab Tab Tab space Tab Tab Tab Tab Tab Down",
                               "fretboard-scale.png");
    ASSERT_EQ(scale.size(), QSize(593, 432));
    const QImage rgb = scale.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    EXPECT_GT(std::count(pixels, pixels + rgb.width() * rgb.height(), qRgb(102, 0, 0)), 1000)
        << "no scale markers";

    // D m7 with a ninth on the keyboard in chord mode: "D", then the four-note list, fifth row
    // "m7", then "add9 / 2".
    const QImage chord = shoot("F3 F9 Tab Tab Tab Tab space Tab Tab Tab Tab Tab Tab Tab Tab Tab "
                               "Down Down Down Down Down Tab space",
                               "keyboard-chord.png");
    ASSERT_EQ(chord.size(), QSize(593, 432));
    EXPECT_NE(chord, scale);
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
        const QString strPicture = programDir.filePath("guitar-c_ionian.bmp");
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
