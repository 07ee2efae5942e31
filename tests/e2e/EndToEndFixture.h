#pragma once

// The installed program as a user meets it: copied alone into a directory of its own, started as
// a process of its own under a virtual X server, driven by real key presses from outside.
//
// Every end-to-end test starts the program through startProgram, which tells a refused connection
// to the X server (this machine's server refuses a few per cent of them) from a real failure and
// then tries again; the helper tools get the same treatment.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

class EndToEndFixture : public ::testing::Test {
  protected:
    // Upper bound for every single step; a whole test normally takes a second or two.
    static constexpr int kStepTimeoutMs = 60000;

    // Skips when a tool is missing, starts the X server and installs the program in programDir.
    void SetUp() override;
    // The program, should it still run after a failure, ends with its QProcess.
    void TearDown() override;

    // Copies the program into strDir (which must exist) and starts it from there from now on.
    void installIn(const QString& strDir);

    // Starts the installed program, preceded by a wrapper command and its arguments when given
    // (prlimit ... --), waits for its main window, focuses it and returns its id; empty on failure.
    QString startProgram(const QStringList& wrapper = {});
    // Starts the installed program without a display (no keys, no windows) and waits until it has
    // set up its handler for SIGTERM, that is until it has read its configuration and awaits
    // events.
    bool startProgramOffscreen(const QStringList& wrapper = {});
    // Sends the signal and waits for the program's end; true when it ended by itself with code 0.
    bool endsCleanlyOn(int intSignal);

    // Runs a helper tool to its end and returns its output; a failure or a hang fails the test.
    static QString tool(const QString& strTool, const QStringList& args);
    // Waits for a shown window whose title matches the pattern, gives it the keyboard focus (there
    // is no window manager to do it) and returns its id; empty when the program ends first.
    QString focusWindow(const QString& strTitlePattern);
    // True when no shown window's title matches the pattern (waits up to a step's time for it).
    static bool windowGone(const QString& strTitlePattern);
    // Key names as xdotool spells them, separated by blanks.
    static void pressKeys(const QString& strKeys);
    // Types text into the focused window.
    static void typeText(const QString& strText);

    QString filePath(const QString& strName) const;
    QByteArray readFile(const QString& strName) const;
    void writeFile(const QString& strName, const QByteArray& bytes) const;
    // Every entry of the program's directory, hidden ones too.
    QStringList entries() const;

    QTemporaryDir tempDir;
    // The program's preferences live in a home of the test's own: the user's are never touched.
    QTemporaryDir preferencesHome;
    QString strProgramDir = tempDir.path();
    QString strProgram;
    QProcess xserver;
    QProcess program;

  private:
    bool startWithRetries(const QStringList& wrapper, const std::function<bool()>& ready);
};
