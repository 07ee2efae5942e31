#include "EndToEndFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <csignal>

namespace {

// A refused connection is retried this many times before it counts as a failure.
constexpr int kDisplayRetries = 3;
constexpr int kPollMs = 50;

// What Qt and the X tools say when the server refuses the connection.
bool displayRefused(const QByteArray& stderrText) {
    return stderrText.contains("could not connect to display") ||
           stderrText.contains("an't open display") ||
           stderrText.contains("unable to open X server");
}

struct ToolRun {
    int intExitCode = -1;
    QString strOutput;
    QString strError;
};

// Runs a tool to its end, trying again when the X server refused it.
ToolRun runTool(const QString& strTool, const QStringList& args, int intTimeoutMs) {
    ToolRun run;
    for (int intAttempt = 0; intAttempt <= kDisplayRetries; ++intAttempt) {
        QProcess process;
        process.start(strTool, args);
        const bool boolFinished = process.waitForFinished(intTimeoutMs);
        const QByteArray errorText = process.readAllStandardError();
        run = {boolFinished && process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                                            : -1,
               QString(process.readAllStandardOutput()).trimmed(), QString(errorText)};
        if (run.intExitCode == 0 || !displayRefused(errorText)) {
            break;
        }
    }
    return run;
}

// True once the process has installed a handler for the signal (Linux: the SigCgt mask).
bool catchesSignal(qint64 intPid, int intSignal) {
    QFile status(QString("/proc/%1/status").arg(intPid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool boolOk = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&boolOk, 16);
            return boolOk && (mask >> (intSignal - 1) & 1U) != 0;
        }
    }
    return false;
}

} // namespace

void EndToEndFixture::SetUp() {
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
    qputenv("HOME", preferencesHome.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", preferencesHome.filePath(".config").toLocal8Bit());
    program.setWorkingDirectory(QDir::tempPath());
    installIn(tempDir.path());
}

void EndToEndFixture::TearDown() {
    xserver.terminate();
    xserver.waitForFinished(kStepTimeoutMs);
}

void EndToEndFixture::installIn(const QString& strDir) {
    strProgramDir = strDir;
    strProgram = QDir(strDir).filePath("gamutrix");
    ASSERT_TRUE(QFile::copy(GAMUTRIX_BINARY, strProgram)) << strProgram.toStdString();
}

bool EndToEndFixture::startWithRetries(const QStringList& wrapper,
                                       const std::function<bool()>& ready) {
    const QString strCommand = wrapper.isEmpty() ? strProgram : wrapper.front();
    const QStringList args = wrapper.isEmpty() ? QStringList() : wrapper.mid(1) << strProgram;
    for (int intAttempt = 0; intAttempt <= kDisplayRetries; ++intAttempt) {
        program.start(strCommand, args);
        if (!program.waitForStarted(kStepTimeoutMs)) {
            ADD_FAILURE() << "not started: " << program.errorString().toStdString();
            return false;
        }
        // QProcess notices the program's end only while it waits for it, hence the waits below.
        const QDeadlineTimer deadline(kStepTimeoutMs);
        while (program.state() == QProcess::Running && !deadline.hasExpired()) {
            if (ready()) {
                return true;
            }
            program.waitForFinished(kPollMs);
        }
        if (program.state() == QProcess::Running) {
            ADD_FAILURE() << "the program did not get ready: "
                          << program.readAllStandardError().toStdString();
            return false;
        }
        const QByteArray errorText = program.readAllStandardError();
        if (!displayRefused(errorText)) {
            ADD_FAILURE() << "the program ended at start with code " << program.exitCode() << ": "
                          << errorText.toStdString();
            return false;
        }
        std::cerr << "X server refused the program's connection; starting it again\n";
    }
    ADD_FAILURE() << "the X server refused every start";
    return false;
}

QString EndToEndFixture::startProgram(const QStringList& wrapper) {
    program.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    const bool boolReady = startWithRetries(wrapper, [] {
        return runTool("xdotool", {"search", "--onlyvisible", "--name", "^Gamutrix Lite"},
                       kStepTimeoutMs)
                   .intExitCode == 0;
    });
    return boolReady ? focusWindow("^Gamutrix Lite") : QString();
}

bool EndToEndFixture::startProgramOffscreen(const QStringList& wrapper) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    return startWithRetries(wrapper,
                            [this] { return catchesSignal(program.processId(), SIGTERM); });
}

bool EndToEndFixture::endsCleanlyOn(int intSignal) {
    ::kill(static_cast<pid_t>(program.processId()), intSignal);
    const bool boolEnded = program.waitForFinished(kStepTimeoutMs);
    EXPECT_TRUE(boolEnded) << "still running after signal " << intSignal;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "killed by signal " << intSignal;
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    return boolEnded && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

QString EndToEndFixture::tool(const QString& strTool, const QStringList& args) {
    const ToolRun run = runTool(strTool, args, kStepTimeoutMs);
    EXPECT_EQ(run.intExitCode, 0) << strTool.toStdString() << " " << args.join(' ').toStdString()
                                  << ": " << run.strError.toStdString();
    return run.strOutput;
}

QString EndToEndFixture::focusWindow(const QString& strTitlePattern) {
    const QDeadlineTimer deadline(kStepTimeoutMs);
    while (
        runTool("xdotool", {"search", "--onlyvisible", "--name", strTitlePattern}, kStepTimeoutMs)
            .intExitCode != 0) {
        if (program.state() != QProcess::Running || deadline.hasExpired()) {
            ADD_FAILURE() << "no window " << strTitlePattern.toStdString() << "; program "
                          << (program.state() == QProcess::Running ? "running" : "ended")
                          << ", exit status " << program.exitStatus() << ", code "
                          << program.exitCode();
            return {};
        }
        program.waitForFinished(kPollMs);
    }
    return tool("xdotool", {"search", "--sync", "--onlyvisible", "--name", strTitlePattern,
                            "windowfocus", "--sync", "getwindowfocus"});
}

bool EndToEndFixture::windowGone(const QString& strTitlePattern) {
    const QDeadlineTimer deadline(kStepTimeoutMs);
    while (!deadline.hasExpired()) {
        // xdotool search ends with code 1 when nothing matches.
        if (runTool("xdotool", {"search", "--onlyvisible", "--name", strTitlePattern},
                    kStepTimeoutMs)
                .intExitCode == 1) {
            return true;
        }
        QThread::msleep(kPollMs);
    }
    return false;
}

void EndToEndFixture::pressKeys(const QString& strKeys) {
    tool("xdotool", QStringList{"key", "--delay", "50"} + strKeys.split(' '));
}

void EndToEndFixture::typeText(const QString& strText) {
    tool("xdotool", {"type", "--delay", "2", strText});
}

QString EndToEndFixture::filePath(const QString& strName) const {
    return QDir(strProgramDir).filePath(strName);
}

QByteArray EndToEndFixture::readFile(const QString& strName) const {
    QFile file(filePath(strName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void EndToEndFixture::writeFile(const QString& strName, const QByteArray& bytes) const {
    QFile file(filePath(strName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        << strName.toStdString();
}

QStringList EndToEndFixture::entries() const {
    return QDir(strProgramDir)
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
}
