// The installed program as a user meets it: started on its own under a virtual X server, driven
// only by real key presses, and judged by the files it leaves in its directory and its exit code.

#include <QColor>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

static void PrintTo(const QString& str, std::ostream* os) {
    *os << '"' << str.toStdString() << '"';
}

namespace {

// Upper bound for every single step; the whole run normally takes a second or two.
constexpr int kStepTimeoutMs = 60000;

struct RunResult {
    bool boolFinished = false;
    int intExitCode = -1;
    QString strOutput;
    QString strErrors;
};

// Runs a helper program to its end, killing it when it takes too long.
RunResult run(const QString& strProgram, const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(strProgram, args);
    RunResult result;
    if (!process.waitForStarted(kStepTimeoutMs)) {
        result.strErrors = process.errorString();
        return result;
    }
    result.boolFinished = process.waitForFinished(kStepTimeoutMs);
    if (!result.boolFinished) {
        process.kill();
        process.waitForFinished(1000);
    }
    result.intExitCode = process.exitCode();
    result.strOutput = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    result.strErrors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return result;
}

// A virtual X server on the first free display from :90 on, stopped at the end.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        for (int intDisplay = 90; intDisplay < 130 && strDisplay.isEmpty(); ++intDisplay) {
            const QString strSocket = QString("/tmp/.X11-unix/X%1").arg(intDisplay);
            if (QFileInfo::exists(strSocket) ||
                QFileInfo::exists(QString("/tmp/.X%1-lock").arg(intDisplay))) {
                continue;
            }
            server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            server.setStandardOutputFile(QProcess::nullDevice());
            server.start("Xvfb", {QString(":%1").arg(intDisplay), "-nolisten", "tcp", "-screen",
                                  "0", "1024x768x24"});
            if (!server.waitForStarted(kStepTimeoutMs)) {
                return;
            }
            // Ready once its socket is there; a server that ends early lost a race for the number.
            const QDeadlineTimer deadline(kStepTimeoutMs);
            while (!QFileInfo::exists(strSocket) && server.state() == QProcess::Running &&
                   !deadline.hasExpired()) {
                QThread::msleep(20);
            }
            if (QFileInfo::exists(strSocket) && server.state() == QProcess::Running) {
                strDisplay = QString(":%1").arg(intDisplay);
            } else {
                stop();
            }
        }
    }
    ~VirtualDisplay() { stop(); }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Empty when no server could be started.
    const QString& display() const { return strDisplay; }

  private:
    void stop() {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            if (!server.waitForFinished(3000)) {
                server.kill();
                server.waitForFinished(1000);
            }
        }
    }

    QProcess server;
    QString strDisplay;
};

class GamutrixEndToEnd : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char strName[] = "e2e_gamutrix";
        static char* argv[] = {strName, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
    }
    static void TearDownTestSuite() { app.reset(); }

    void SetUp() override {
        for (const char* strTool : {"Xvfb", "xdotool"}) {
            if (QStandardPaths::findExecutable(strTool).isEmpty()) {
                GTEST_SKIP() << strTool << " is not installed (scripts/packages.txt)";
            }
        }
        ASSERT_TRUE(programDir.isValid());
        display = std::make_unique<VirtualDisplay>();
        ASSERT_FALSE(display->display().isEmpty()) << "no virtual X server could be started";
        env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display->display());
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("XAUTHORITY");
        env.remove("QT_SCALE_FACTOR");
        env.remove("QT_SCREEN_SCALE_FACTORS");
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(1000);
        }
        display.reset();
    }

    // The program alone in a directory of its own, as after an installation.
    QString installProgram() const {
        const QString strProgram = programDir.filePath("gamutrix");
        EXPECT_TRUE(QFile::copy(GAMUTRIX_BINARY, strProgram));
        EXPECT_TRUE(QFile::setPermissions(strProgram, QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ReadGroup |
                                                          QFile::ExeGroup));
        return strProgram;
    }

    RunResult xdotool(const QStringList& args) const {
        const RunResult result = run("xdotool", args, env);
        EXPECT_TRUE(result.boolFinished)
            << "xdotool " << args.join(' ').toStdString() << " did not finish";
        EXPECT_EQ(result.intExitCode, 0)
            << "xdotool " << args.join(' ').toStdString() << ": " << result.strErrors.toStdString();
        return result;
    }

    // Waits for a shown window whose title matches the pattern, gives it the keyboard focus (there
    // is no window manager to do it) and returns its id.
    QString focusWindow(const QString& strTitlePattern) const {
        const RunResult found =
            xdotool({"search", "--sync", "--onlyvisible", "--name", strTitlePattern});
        const QString strId = found.strOutput.section('\n', 0, 0);
        EXPECT_FALSE(strId.isEmpty()) << "no window " << strTitlePattern.toStdString();
        if (!strId.isEmpty()) {
            xdotool({"windowfocus", "--sync", strId});
        }
        return strId;
    }

    void pressKeys(const QString& strKeys) const { xdotool({"key", "--delay", "50", strKeys}); }

    QByteArray readFile(const QString& strName) const {
        QFile file(programDir.filePath(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline std::unique_ptr<QCoreApplication> app;
    QTemporaryDir programDir;
    std::unique_ptr<VirtualDisplay> display;
    QProcessEnvironment env;
    QProcess program;
};

TEST_F(GamutrixEndToEnd, KeyboardPictureSavedAndSettingsKeptAfterExit) {
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(installProgram(), {});
    ASSERT_TRUE(program.waitForStarted(kStepTimeoutMs)) << program.errorString().toStdString();

    // The piano keyboard, then Ctrl+S, whose confirmation Return dismisses, then Exit.
    ASSERT_FALSE(focusWindow("^Gamutrix Lite").isEmpty());
    pressKeys("F3");
    pressKeys("ctrl+s");
    ASSERT_FALSE(focusWindow("^GamutrixLite$").isEmpty()) << "no message after saving";
    pressKeys("Return");
    ASSERT_FALSE(focusWindow("^Gamutrix Lite").isEmpty());
    pressKeys("ctrl+x");

    ASSERT_TRUE(program.waitForFinished(kStepTimeoutMs)) << "the program did not end on Exit";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 2\r\nmode = 0\r\n"));

    const QImage picture(programDir.filePath("piano-c_ionian.bmp"), "BMP");
    ASSERT_FALSE(picture.isNull()) << "piano-c_ionian.bmp missing or unreadable";
    ASSERT_EQ(picture.size(), QSize(577, 225));
    // The keyboard on the 8655 x 3375 picture: white key k spans 300 twips from 878 + 300 k, keys
    // from y = 788; a note's disc sits on its key 1575 below the top. C major on C3 is a black
    // disc on each white key of the lowest octave (keys 1..7) and on none of the next one.
    const auto colourOnKey = [&picture](int k) {
        const double x = (878 + 300 * k + 150) / 15.0;
        const double y = (788 + 1575) / 15.0;
        return picture.pixelColor(static_cast<int>(std::lrint(x)), static_cast<int>(std::lrint(y)));
    };
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(colourOnKey(k), QColor(Qt::black)) << "white key " << k;
    }
    for (int k = 8; k <= 14; ++k) {
        EXPECT_EQ(colourOnKey(k), QColor(Qt::white)) << "white key " << k;
    }
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));

    // Nothing else was left in the program's directory.
    EXPECT_EQ(
        QDir(programDir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"gamutrix", "gamutrix.cfg", "piano-c_ionian.bmp"}));
}

// The two pictures of the README, taken from the real program driven only by keys. They go to
// GAMUTRIX_SCREENSHOT_DIR when it is set (scripts/screenshots), to a temporary folder otherwise.
TEST_F(GamutrixEndToEnd, ScreenshotsOfAScaleAndAChord) {
    if (QStandardPaths::findExecutable("import").isEmpty()) {
        GTEST_SKIP() << "import (imagemagick) is not installed (scripts/packages.txt)";
    }
    const QString strShotDir = qEnvironmentVariableIsSet("GAMUTRIX_SCREENSHOT_DIR")
                                   ? qEnvironmentVariable("GAMUTRIX_SCREENSHOT_DIR")
                                   : programDir.filePath("shots");
    ASSERT_TRUE(QDir().mkpath(strShotDir));
    const QString strProgram = installProgram();
    const auto shoot = [&](const QString& strWindow, const QString& strName) {
        const QString strPath = QDir(strShotDir).filePath(strName);
        const RunResult result = run("import", {"-window", strWindow, strPath}, env);
        EXPECT_TRUE(result.boolFinished && result.intExitCode == 0)
            << result.strErrors.toStdString();
        return QImage(strPath);
    };
    // The window's dark red markers, or the black discs of the keyboard, prove a drawn picture.
    const auto countPixels = [](const QImage& image, const QColor& colour) {
        int intCount = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                intCount += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return intCount;
    };

    // A Dorian on the fretboard: the focus starts in the title line; eight Tabs reach "A", five
    // more the scale list, where Down selects the second mode.
    program.setProcessEnvironment(env);
    program.start(strProgram, {});
    ASSERT_TRUE(program.waitForStarted(kStepTimeoutMs));
    QString strWindow = focusWindow("^Gamutrix Lite");
    ASSERT_FALSE(strWindow.isEmpty());
    xdotool({"key", "--delay", "50", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab",
             "space", "Tab", "Tab", "Tab", "Tab", "Tab", "Down"});
    const QImage scale = shoot(strWindow, "fretboard-scale.png");
    ASSERT_EQ(scale.size(), QSize(593, 432));
    EXPECT_GT(countPixels(scale, QColor(102, 0, 0)), 1000) << "no scale markers";
    pressKeys("ctrl+x");
    ASSERT_TRUE(program.waitForFinished(kStepTimeoutMs));

    // D m7 with a ninth on the keyboard in chord mode: "D", then the four-note list, fifth row
    // "m7", then "add9 / 2". The program starts on the keyboard, as the last run ended there.
    QFile::remove(programDir.filePath("gamutrix.cfg"));
    program.start(strProgram, {});
    ASSERT_TRUE(program.waitForStarted(kStepTimeoutMs));
    strWindow = focusWindow("^Gamutrix Lite");
    ASSERT_FALSE(strWindow.isEmpty());
    xdotool({"key",   "--delay", "50",   "F3",   "F9",   "Tab",  "Tab", "Tab",  "Tab",
             "space", "Tab",     "Tab",  "Tab",  "Tab",  "Tab",  "Tab", "Tab",  "Tab",
             "Tab",   "Down",    "Down", "Down", "Down", "Down", "Tab", "space"});
    const QImage chord = shoot(strWindow, "keyboard-chord.png");
    ASSERT_EQ(chord.size(), QSize(593, 432));
    EXPECT_NE(chord, scale);
    pressKeys("ctrl+x");
    ASSERT_TRUE(program.waitForFinished(kStepTimeoutMs));
    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 2\r\nmode = 1\r\n"));
}

} // namespace
