#pragma once

// The installed program as a user meets it: copied alone into a directory of its own, started as
// a process of its own under a virtual X server, driven by real key presses from outside.
//
// Every start of the program or of an X tool tells a connection refused by the X server (this
// machine's server refuses a few per cent of them) from a real failure and then tries again.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRgb>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

struct ProcessRun {
    int intExitCode = -1; // -1 when the process crashed or hung
    QByteArray out;
    QByteArray err;
};

// A refused connection is retried this many times before it counts as a failure.
constexpr int kDisplayRetries = 3;

// What Qt and the X tools say when the server refuses the connection.
inline bool displayRefused(const QByteArray& stderrText) {
    return stderrText.contains("could not connect to display") ||
           stderrText.contains("an't open display") ||
           stderrText.contains("unable to open X server");
}

// Runs a process to its end; the command-line tests run the program itself through it.
inline ProcessRun
runProcess(const QString& strProgram, const QStringList& args, const QString& strWorkDir = {},
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    ProcessRun run;
    for (int intAttempt = 0; intAttempt <= kDisplayRetries; ++intAttempt) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(strWorkDir);
        process.start(strProgram, args);
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
        }
        run = {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
               process.readAllStandardOutput(), process.readAllStandardError()};
        if (run.intExitCode == 0 || !displayRefused(run.err)) {
            break;
        }
    }
    return run;
}

inline QByteArray contentOf(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline void writeBytes(const QString& strPath, const QByteArray& bytes) {
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
// Marker colours of the pictures: root, other member, nothing, a keyboard's disc.
constexpr QRgb kR = qRgb(153, 0, 0);
constexpr QRgb kM = qRgb(102, 0, 0);
constexpr QRgb kW = qRgb(255, 255, 255);
constexpr QRgb kB = qRgb(0, 0, 0);
// Every entry of a directory, hidden ones too.
inline QStringList entriesOf(const QString& strDir) {
    return QDir(strDir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden |
                                  QDir::System);
}

class EndToEndFixture : public ::testing::Test {
  protected:
    // Upper bound for every single step; a whole test normally takes a second or two.
    static constexpr int kStepTimeoutMs = 60000;
    static constexpr const char* kMain = "^Gamutrix Lite";
    static constexpr const char* kMessage = "^GamutrixLite$";

    // Starts the X server (Xvfb, xdotool and import are in scripts/packages.txt) and installs
    // the program.
    void SetUp() override {
        // The virtual X server picks a free display itself and tells its number on stdout. The
        // program and the tools inherit the environment.
        xserver.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24"});
        ASSERT_TRUE(xserver.waitForReadyRead(kStepTimeoutMs)) << "no virtual X server started";
        qputenv("DISPLAY", ":" + xserver.readLine().trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("HOME", preferencesHome.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", preferencesHome.filePath(".config").toLocal8Bit());
        strProgram = tempDir.filePath("gamutrix");
        ASSERT_TRUE(QFile::copy(GAMUTRIX_BINARY, strProgram)) << strProgram.toStdString();
    }
    void TearDown() override {
        xserver.terminate();
        xserver.waitForFinished(kStepTimeoutMs);
    }

    // Starts the installed program, preceded by a wrapper command when given (prlimit ... --),
    // waits for its main window and focuses it; returns the window id, empty on failure.
    QString startProgram(const QStringList& wrapper = {}) {
        const QStringList command = wrapper + QStringList{strProgram};
        QByteArray errorText;
        for (int intAttempt = 0; intAttempt <= kDisplayRetries; ++intAttempt) {
            program.start(command.front(), command.mid(1));
            if (waitForWindow(kMain)) {
                return focusWindow(kMain);
            }
            errorText = program.readAllStandardError();
            if (program.state() == QProcess::Running || !displayRefused(errorText)) {
                break;
            }
        }
        ADD_FAILURE() << "no window (code " << program.exitCode() << "): " << errorText.data();
        return {};
    }

    // Ctrl+S, the message that follows, Return, and the focus back on the main window.
    void saveAndConfirm() {
        pressKeys("ctrl+s");
        EXPECT_FALSE(focusWindow(kMessage).isEmpty()) << "no message after saving";
        pressKeys("Return");
        EXPECT_TRUE(waitForWindow(kMessage, false));
        focusWindow(kMain);
    }

    // Ends the program with the signal, or with Exit (Ctrl+X) for 0; true when it then ended by
    // itself with code 0.
    bool endsCleanly(int intSignal = 0) {
        if (intSignal == 0) {
            pressKeys("ctrl+x");
        } else {
            ::kill(static_cast<pid_t>(program.processId()), intSignal);
        }
        const bool boolClean = program.waitForFinished(kStepTimeoutMs) &&
                               program.exitStatus() == QProcess::NormalExit &&
                               program.exitCode() == 0;
        EXPECT_TRUE(boolClean) << "signal " << intSignal << ", code " << program.exitCode() << ": "
                               << program.readAllStandardError().toStdString();
        return boolClean;
    }

    // Runs a helper tool to its end and returns its output; a failure or a hang fails the test.
    static QString tool(const QString& strTool, const QStringList& args) {
        const ProcessRun run = runProcess(strTool, args);
        EXPECT_EQ(run.intExitCode, 0) << args.join(' ').toStdString() << ": " << run.err.data();
        return QString(run.out).trimmed();
    }
    // Waits until a shown window's title matches the pattern, or with boolShown false until none
    // does; false when the time is up or the program ends first.
    bool waitForWindow(const QString& strTitlePattern, bool boolShown = true) {
        const QDeadlineTimer deadline(kStepTimeoutMs);
        // xdotool search ends with code 0 when a shown window matches, 1 when none does.
        while (runProcess("xdotool", {"search", "--onlyvisible", "--name", strTitlePattern})
                   .intExitCode != (boolShown ? 0 : 1)) {
            if (deadline.hasExpired() || program.state() == QProcess::NotRunning) {
                return false;
            }
            // QProcess notices the program's end only while it waits for it.
            program.waitForFinished(50);
        }
        return true;
    }
    // Focuses a shown window (there is no window manager to do it) and returns its id.
    QString focusWindow(const QString& strTitlePattern) {
        EXPECT_TRUE(waitForWindow(strTitlePattern)) << strTitlePattern.toStdString();
        return tool("xdotool", {"search", "--sync", "--onlyvisible", "--name", strTitlePattern,
                                "windowfocus", "--sync", "getwindowfocus"});
    }
    // Key names as xdotool spells them, separated by blanks.
    static void pressKeys(const QString& strKeys) {
        tool("xdotool", QStringList{"key", "--delay", "50"} + strKeys.split(' '));
    }

    QString filePath(const QString& strName) const { return tempDir.filePath(strName); }
    QByteArray readFile(const QString& strName) const { return contentOf(filePath(strName)); }

    QTemporaryDir tempDir;
    // The program's preferences live in a home of the test's own: the user's are never touched.
    QTemporaryDir preferencesHome;
    QString strProgram;
    QProcess xserver;
    QProcess program;
};
