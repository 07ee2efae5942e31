// Things that are no configuration file at all in its place. (Files of raw bytes and of 1 MiB:
// the parse table of config_tests and the end-to-end hostile-machine tests.)

#include "WindowFixture.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

using HostileFileStart = WindowFixture;

// Neither a directory nor a named pipe is ever replaced: both stay. Reading the pipe would block
// the start-up until someone writes into it. Either way the window starts on the fretboard in
// scale mode and leaves no temporary file.
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
        EXPECT_EQ(
            QDir(programDir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            QStringList{"gamutrix.cfg"});
    }
}
