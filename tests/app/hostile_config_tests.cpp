// The window's start-up on configuration files that no version of the program writes: raw bytes,
// huge lines and files, and things that are no file at all.

#include "WindowFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <string>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

using HostileFileStart = WindowFixture;

// Each file ends on the piano keyboard in chord mode, and the user must not wait long for it.
TEST_F(HostileFileStart, StartsPromptlyOnThePianoInChordMode) {
    const std::pair<const char*, QByteArray> rows[] = {
        // Bytes a text-mode reading would change: the mark, a NUL line and lone CRs.
        {"raw bytes", QByteArray::fromStdString(
                          "\xEF\xBB\xBFinstrument = 1\r\n\0\r\r\ninstrument = 2\rmode = 1"s)},
        // A line of an unknown key just short of the 1 MiB bound is skipped; the lines after it
        // still count.
        {"long line", QByteArray((1 << 20) - 64, 'x') + " = 1\r\ninstrument = 2\r\nmode = 1"},
        // Nearly 1 MiB of fretboard and scales; the last two lines win.
        {"1 MiB", QByteArray("instrument = 1\r\nmode = 0\r\n").repeated((1 << 20) / 26 - 1) +
                      "instrument = 2\r\nmode = 1\r\n"}};
    for (const auto& [strName, text] : rows) {
        writeFile("gamutrix.cfg", text);
        QElapsedTimer timer;
        timer.start();
        start();
        EXPECT_LT(timer.elapsed(), 10000) << strName;
        EXPECT_EQ(window->CurrentInstrument(), 2) << strName;
        EXPECT_EQ(window->Mode(), 1) << strName;
    }
}

// Neither a directory nor a named pipe is ever replaced: both stay. Reading the pipe would block
// the start-up until someone writes into it. Either way the window starts on the fretboard in scale
// mode and leaves no temporary file.
TEST_F(HostileFileStart, DirectoryOrNamedPipeInPlaceOfTheFile) {
    for (const bool boolPipe : {false, true}) {
        QDir(programDir.path()).rmdir("gamutrix.cfg");
        ASSERT_TRUE(boolPipe ? mkfifo(path("gamutrix.cfg").toLocal8Bit().constData(), 0600) == 0
                             : QDir(programDir.path()).mkdir("gamutrix.cfg"));
        start();
        EXPECT_EQ(window->CurrentInstrument(), 1);
        EXPECT_EQ(window->Mode(), 0);
        EXPECT_TRUE(window->close());
        EXPECT_EQ(QFileInfo(path("gamutrix.cfg")).isDir(), !boolPipe);
        EXPECT_FALSE(QFileInfo(path("gamutrix.cfg")).isFile());
        EXPECT_EQ(
            QDir(programDir.path())
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System),
            QStringList{"gamutrix.cfg"});
    }
}

} // namespace
