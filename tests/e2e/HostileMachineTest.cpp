// The real program on a machine that works against it: names that lead to devices, file-size and
// address-space limits, the longest file names, huge configuration files, the signals that end a
// session, and files with a mode of their own.

#include "EndToEndFixture.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

const QByteArray kFretboardScales("instrument = 1\r\nmode = 0\r\n");
const QByteArray kPianoChords("instrument = 2\r\nmode = 1\r\n");

struct stat statOf(const QString& strPath) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(strPath).constData(), &info), 0) << strPath.toStdString();
    return info;
}

using HostileMachine = EndToEndFixture;

// One session against files that are not plain files of its own. The picture name is linked to
// a device node, the usual way to stop a program from remembering: the save is refused with a
// message and the node stays (a private node with the null device's numbers, never a real
// device). Then a custom name makes the longest picture file name, 255 bytes: "guitar-" (7),
// "c_" and the 242 letters of the name, ".bmp" (4); it is saved twice, the second save replacing
// the first. The configuration file links to a read-only file elsewhere: the link and the mode
// stay, the content is new. (Modes, owners and long names are tested in detail on the atomic
// file itself.)
TEST_F(HostileMachine, OnlyRegularFilesAreReplacedKeepingModeAndLinks) {
    const QTemporaryDir outsideDir;
    const QString strDevice = outsideDir.filePath("null");
    if (::mknod(QFile::encodeName(strDevice).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "device nodes may not be made here: " << std::strerror(errno);
    }
    ASSERT_TRUE(QFile::link(strDevice, filePath("guitar-c_ionian.bmp")));
    // The same settings as the program writes them, but without blanks: the write is seen.
    const QString strConfig = outsideDir.filePath("config");
    writeBytes(strConfig, "instrument=1\r\nmode=0\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(strConfig).constData(), 0444), 0);
    ASSERT_TRUE(QFile::link(strConfig, filePath("gamutrix.cfg")));
    const QString strLong = "guitar-c_" + QString(242, QLatin1Char('a')) + ".bmp";

    ASSERT_FALSE(startProgram().isEmpty());
    saveAndConfirm();
    // The custom scale dialog: its name box has the focus; five Tabs reach "OK".
    pressKeys("F12");
    ASSERT_FALSE(focusWindow("^Generate Custom Scale").isEmpty());
    pressKeys("ctrl+a");
    tool("xdotool", {"type", "--delay", "2", QString(242, QLatin1Char('a'))});
    pressKeys("Tab Tab Tab Tab Tab space");
    ASSERT_TRUE(waitForWindow("^Generate Custom Scale", false));
    focusWindow(kMain);
    for (int intSave = 1; intSave <= 2; ++intSave) {
        saveAndConfirm();
        EXPECT_EQ(QImage(filePath(strLong), "BMP").size(), QSize(577, 225)) << intSave;
        ASSERT_TRUE(QFile::resize(filePath(strLong), 3));
    }
    EXPECT_TRUE(endsCleanly(SIGTERM));

    const struct stat device = statOf(strDevice);
    EXPECT_TRUE(S_ISCHR(device.st_mode) && device.st_rdev == makedev(1, 3)) << "node replaced";
    EXPECT_EQ(QFile::symLinkTarget(filePath("guitar-c_ionian.bmp")), strDevice);
    EXPECT_EQ(QFile::symLinkTarget(filePath("gamutrix.cfg")), strConfig);
    EXPECT_EQ(readFile("gamutrix.cfg"), kFretboardScales);
    EXPECT_EQ(statOf(strConfig).st_mode & 07777, 0444U);
    EXPECT_EQ(entriesOf(tempDir.path()),
              (QStringList{"gamutrix", "gamutrix.cfg", strLong, "guitar-c_ionian.bmp"}));
    EXPECT_EQ(entriesOf(outsideDir.path()), (QStringList{"config", "null"}));
}

// The signals that end a session without a session manager end the program as a closed window
// does: exit code 0 and the configuration written, here after F3 (piano keyboard) and F9 (chord
// mode); SIGINT comes while the confirmation of a save is still open. Under a file-size limit far
// below a picture the save fails with the warning and the program goes on.
// A configuration file is read only up to 1 MiB; a larger one is not ours and the defaults stay
// (then the file is rewritten at the end, as any unreadable one). Each file ends with the lines of
// the piano keyboard in chord mode, after an unknown line that fills it up to its size. Last, a
// sparse 5 GiB file under an address-space limit of 2 GiB must not abort the start-up.
TEST_F(HostileMachine, SessionEndSignalsAndConfigurationFilesOfOneMebibyteAtMost) {
    const struct {
        int intSignal;
        int intKeys; // 1: F3, F9 and Ctrl+S first; 2: then Return to the message too
        qint64 intSize;
        QByteArray written;
        QStringList wrapper;
    } rows[] = {
        {SIGTERM, 2, 0, kPianoChords, {}},
        {SIGHUP, 2, 0, kPianoChords, {}},
        {SIGINT, 1, 0, kPianoChords, {}},
        {SIGTERM, 2, 0, kPianoChords, {"prlimit", "--fsize=4096", "--"}},
        {SIGTERM, 0, 1 << 20, kPianoChords, {}},
        {SIGTERM, 0, (1 << 20) + 1, kFretboardScales, {}},
        {SIGTERM, 0, qint64{5} << 30, kFretboardScales, {"prlimit", "--as=2147483648", "--"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.wrapper.join(' ').toStdString() + " " + std::to_string(row.intSignal) +
                     " " + std::to_string(row.intSize));
        QFile::remove(filePath("gamutrix.cfg"));
        for (const QString& strPicture : QDir(tempDir.path()).entryList({"*.bmp"})) {
            QFile::remove(filePath(strPicture));
        }
        if (row.intSize > 0) {
            const qint64 intFill = std::min<qint64>(row.intSize, 1 << 21) - kPianoChords.size() - 2;
            writeBytes(filePath("gamutrix.cfg"), QByteArray(intFill, 'x') + "\r\n" + kPianoChords);
            ASSERT_TRUE(QFile::resize(filePath("gamutrix.cfg"), row.intSize));
        }
        ASSERT_FALSE(startProgram(row.wrapper).isEmpty());
        // The message after Ctrl+S proves F3 and F9 handled before the signal comes.
        if (row.intKeys > 0) {
            pressKeys("F3 F9 ctrl+s");
            ASSERT_FALSE(focusWindow(kMessage).isEmpty());
        }
        if (row.intKeys > 1) {
            pressKeys("Return");
            ASSERT_TRUE(waitForWindow(kMessage, false));
        }
        EXPECT_TRUE(endsCleanly(row.intSignal));
        EXPECT_EQ(readFile("gamutrix.cfg"), row.written);
        // Only the save under the file-size limit leaves no picture, not even a part of one.
        EXPECT_EQ(QDir(tempDir.path()).entryList({"*.bmp"}).size(),
                  row.intKeys > 0 && row.wrapper.isEmpty() ? 1 : 0);
    }
}

} // namespace
