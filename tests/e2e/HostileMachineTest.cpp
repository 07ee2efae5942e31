// The real program on a machine that works against it: names that lead to devices, file-size and
// address-space limits, the longest file names, huge configuration files, markup in its directory
// name, the signals that end a session, and files with a mode and owner of their own.

#include "EndToEndFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <csignal>
#include <cstring>
#include <iostream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

using HostileMachine = EndToEndFixture;

const QByteArray kFretboardScales("instrument = 1\r\nmode = 0\r\n");
const QByteArray kPianoScales("instrument = 2\r\nmode = 0\r\n");
const QByteArray kPianoChords("instrument = 2\r\nmode = 1\r\n");
const QString kMessage("^GamutrixLite$");

struct stat statOf(const QString& strPath, bool boolFollowLinks = false) {
    struct stat info {};
    const QByteArray path = QFile::encodeName(strPath);
    EXPECT_EQ(boolFollowLinks ? ::stat(path.constData(), &info) : ::lstat(path.constData(), &info),
              0)
        << strPath.toStdString();
    return info;
}

// The program's directory is a subdirectory, so that "outside" lies beyond it.
class HostileMachineOutside : public EndToEndFixture {
  protected:
    void SetUp() override {
        EndToEndFixture::SetUp();
        ASSERT_TRUE(QDir(tempDir.path()).mkpath("program") &&
                    QDir(tempDir.path()).mkpath("outside"));
        installIn(tempDir.filePath("program"));
    }
    QString outside(const QString& strName) const { return tempDir.filePath("outside/" + strName); }
    void link(const QString& strTarget, const QString& strName) const {
        ASSERT_EQ(::symlink(QFile::encodeName(strTarget).constData(),
                            QFile::encodeName(filePath(strName)).constData()),
                  0);
    }
};

// The usual way to stop a program from remembering: its files linked to a device. The node is a
// private one in a temporary directory (the null device's numbers), never a real device.
TEST_F(HostileMachineOutside, DeviceBehindALinkIsNeverReplaced) {
    const QString strDevice = outside("null");
    if (::mknod(QFile::encodeName(strDevice).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "device nodes may not be made here: " << std::strerror(errno);
    }
    link(strDevice, "gamutrix.cfg");
    link(strDevice, "guitar-c_ionian.bmp");
    ASSERT_FALSE(startProgram().isEmpty());
    // The save is refused with a message, the program goes on, and Exit writes nothing either.
    pressKeys("ctrl+s");
    ASSERT_FALSE(focusWindow(kMessage).isEmpty()) << "no message after saving";
    pressKeys("Return");
    ASSERT_FALSE(focusWindow("^Gamutrix Lite").isEmpty());
    pressKeys("ctrl+x");
    ASSERT_TRUE(program.waitForFinished(kStepTimeoutMs));
    EXPECT_EQ(program.exitCode(), 0);

    const struct stat device = statOf(strDevice);
    EXPECT_TRUE(S_ISCHR(device.st_mode)) << "the device node was replaced";
    EXPECT_EQ(device.st_rdev, makedev(1, 3));
    for (const QString strName : {"gamutrix.cfg", "guitar-c_ionian.bmp"}) {
        EXPECT_EQ(QFile::symLinkTarget(filePath(strName)), strDevice) << strName.toStdString();
    }
    EXPECT_EQ(entries(), (QStringList{"gamutrix", "gamutrix.cfg", "guitar-c_ionian.bmp"}));
    EXPECT_EQ(QDir(tempDir.filePath("outside"))
                  .entryList(QDir::NoDotAndDotDot | QDir::System | QDir::AllEntries | QDir::Hidden),
              QStringList{"null"});
}

// Under a file-size limit far below a picture, Ctrl+S fails with the warning and the old picture
// intact; the program goes on and writes the session's settings (26 bytes) at Exit.
TEST_F(HostileMachine, FileSizeLimitFailsTheSaveAndKeepsTheProgramRunning) {
    const QByteArray previousPicture = QByteArray("BM an earlier picture ").repeated(10);
    writeFile("guitar-c_ionian.bmp", previousPicture);
    ASSERT_FALSE(startProgram({"prlimit", "--fsize=4096", "--"}).isEmpty());
    pressKeys("ctrl+s");
    ASSERT_FALSE(focusWindow(kMessage).isEmpty()) << "no warning after the failed save";
    pressKeys("Return");
    ASSERT_TRUE(windowGone(kMessage));
    focusWindow("^Gamutrix Lite");
    pressKeys("F3 ctrl+x");
    ASSERT_TRUE(program.waitForFinished(kStepTimeoutMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(readFile("gamutrix.cfg"), kPianoScales);
    EXPECT_EQ(readFile("guitar-c_ionian.bmp"), previousPicture);
    EXPECT_EQ(entries(), (QStringList{"gamutrix", "gamutrix.cfg", "guitar-c_ionian.bmp"}));
}

// A custom name whose picture file name has the longest length a name may have, 255 bytes:
// "guitar-" (7), "c_" and the 242 letters of the name, ".bmp" (4). The second save must replace
// the first picture just as the first one created it.
TEST_F(HostileMachine, LongestFileNameSavesAgain) {
    const QString strName(242, QLatin1Char('a'));
    const QString strPicture = "guitar-c_" + strName + ".bmp";
    ASSERT_EQ(strPicture.size(), 255);
    ASSERT_FALSE(startProgram().isEmpty());
    // The custom scale dialog: its name box has the focus; five Tabs reach "OK".
    pressKeys("F12");
    ASSERT_FALSE(focusWindow("^Generate Custom Scale").isEmpty());
    pressKeys("ctrl+a");
    typeText(strName);
    pressKeys("Tab Tab Tab Tab Tab space");
    ASSERT_TRUE(windowGone("^Generate Custom Scale"));
    for (int intSave = 1; intSave <= 2; ++intSave) {
        writeFile(strPicture, "no picture yet");
        focusWindow("^Gamutrix Lite");
        pressKeys("ctrl+s");
        ASSERT_FALSE(focusWindow(kMessage).isEmpty());
        pressKeys("Return");
        ASSERT_TRUE(windowGone(kMessage));
        const QImage picture(filePath(strPicture), "BMP");
        EXPECT_EQ(picture.size(), QSize(577, 225)) << "save " << intSave << " failed";
    }
    EXPECT_TRUE(endsCleanlyOn(SIGTERM));
    EXPECT_EQ(entries(), (QStringList{"gamutrix", "gamutrix.cfg", strPicture}));
}

// A configuration file is read only up to 1 MiB; a larger one is not ours and the defaults stay
// (then the file is rewritten at the end, as any unreadable one). Each file ends with the lines of
// the piano keyboard in chord mode, after an unknown line that fills it up to its size.
TEST_F(HostileMachine, ConfigurationFileOfOneMebibyteAtMost) {
    const auto filled = [](qint64 intSize) {
        return QByteArray(intSize - kPianoChords.size() - 2, 'x') + "\r\n" + kPianoChords;
    };
    const struct {
        const char* strName;
        qint64 intSize;
        QByteArray written;
    } rows[] = {{"exactly 1 MiB", 1 << 20, kPianoChords},
                {"1 MiB and 1 byte", (1 << 20) + 1, kFretboardScales}};
    for (const auto& row : rows) {
        writeFile("gamutrix.cfg", filled(row.intSize));
        ASSERT_EQ(QFileInfo(filePath("gamutrix.cfg")).size(), row.intSize);
        ASSERT_TRUE(startProgramOffscreen()) << row.strName;
        EXPECT_TRUE(endsCleanlyOn(SIGTERM)) << row.strName;
        EXPECT_EQ(readFile("gamutrix.cfg"), row.written) << row.strName;
    }
}

// A sparse 5 GiB file under an address-space limit of 2 GiB: reading it whole cannot even be
// tried, and the start-up must not abort.
TEST_F(HostileMachine, SparseHugeConfigurationFileUnderAnAddressSpaceLimit) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer needs more address space than any limit allows";
    }
    writeFile("gamutrix.cfg", kPianoChords);
    ASSERT_TRUE(QFile::resize(filePath("gamutrix.cfg"), qint64{5} << 30));
    ASSERT_TRUE(
        startProgramOffscreen({"prlimit", "--as=" + QString::number(qint64{2} << 30), "--"}));
    EXPECT_TRUE(endsCleanlyOn(SIGTERM));
    EXPECT_EQ(readFile("gamutrix.cfg"), kFretboardScales);
}

// A directory named like markup: the message shows the path as it is, tags and all, so it is
// about as wide as for a directory of the same letters without markup meaning. As rich text it
// would show "bold" and a broken image in a far narrower box.
TEST_F(HostileMachine, MarkupInTheDirectoryNameIsShownAsText) {
    const QString strMarkup = "<b>bold<\\b><img src=x>";
    const QString strPlain = "(b)bold(\\b)(img src=x)";
    int widths[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const QString strDir = tempDir.filePath(i == 0 ? strMarkup : strPlain);
        ASSERT_TRUE(QDir().mkpath(strDir));
        installIn(strDir);
        ASSERT_FALSE(startProgram().isEmpty());
        pressKeys("ctrl+s");
        const QString strWindow = focusWindow(kMessage);
        ASSERT_FALSE(strWindow.isEmpty());
        const QString strGeometry = tool("xdotool", {"getwindowgeometry", "--shell", strWindow});
        widths[i] = strGeometry.section("WIDTH=", 1).section('\n', 0, 0).toInt();
        pressKeys("Return");
        ASSERT_TRUE(windowGone(kMessage));
        focusWindow("^Gamutrix Lite");
        pressKeys("ctrl+x");
        ASSERT_TRUE(program.waitForFinished(kStepTimeoutMs));
        EXPECT_TRUE(QFileInfo::exists(QDir(strDir).filePath("guitar-c_ionian.bmp")));
    }
    std::cerr << "message widths: markup " << widths[0] << ", plain " << widths[1] << "\n";
    EXPECT_GT(widths[1], 0);
    // Here shown as text the markup's box is some 16 pixels wider than the other (its angle
    // brackets are wider than parentheses); shown as rich text it is some 50 pixels narrower.
    EXPECT_GT(widths[0], widths[1] - 18);
}

// The signals that end a session without a session manager end the program as a closed window
// does: exit code 0 and the configuration written, here after F3 (piano keyboard) and F9 (chord
// mode). SIGINT comes while the confirmation of a save is still open.
TEST_F(HostileMachine, SessionEndSignalsWriteTheSettings) {
    const struct {
        int intSignal;
        bool boolDuringMessage;
    } rows[] = {{SIGTERM, false}, {SIGHUP, false}, {SIGINT, true}};
    for (const auto& row : rows) {
        QFile::remove(filePath("gamutrix.cfg"));
        ASSERT_FALSE(startProgram().isEmpty());
        // The message after Ctrl+S proves F3 and F9 handled before the signal comes.
        pressKeys("F3 F9 ctrl+s");
        ASSERT_FALSE(focusWindow(kMessage).isEmpty());
        if (!row.boolDuringMessage) {
            pressKeys("Return");
            ASSERT_TRUE(windowGone(kMessage));
        }
        EXPECT_TRUE(endsCleanlyOn(row.intSignal));
        EXPECT_EQ(readFile("gamutrix.cfg"), kPianoChords) << "signal " << row.intSignal;
    }
}

// A read-only configuration file stays read-only, a picture reached through a link keeps the link,
// its mode and (when the test may give files away) its owner and group; both get new content.
TEST_F(HostileMachineOutside, ReplacedFilesKeepModeOwnerAndLinks) {
    const bool boolRoot = ::geteuid() == 0;
    // The same settings as the program writes them, but without blanks: the write is seen.
    writeFile("gamutrix.cfg", "instrument=1\r\nmode=0\r\n");
    ASSERT_TRUE(QFile::setPermissions(filePath("gamutrix.cfg"),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        QFile picture(outside("picture.bmp"));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly) && picture.write("old") == 3);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(outside("picture.bmp")).constData(), 0640), 0);
    if (boolRoot) {
        ASSERT_EQ(::chown(QFile::encodeName(outside("picture.bmp")).constData(), 4242, 4243), 0);
    }
    link("../outside/picture.bmp", "guitar-c_ionian.bmp");
    ASSERT_FALSE(startProgram().isEmpty());
    pressKeys("ctrl+s");
    ASSERT_FALSE(focusWindow(kMessage).isEmpty());
    pressKeys("Return");
    ASSERT_TRUE(windowGone(kMessage));
    EXPECT_TRUE(endsCleanlyOn(SIGTERM));

    EXPECT_EQ(readFile("gamutrix.cfg"), kFretboardScales);
    EXPECT_EQ(statOf(filePath("gamutrix.cfg")).st_mode & 07777, 0444U);
    EXPECT_EQ(QFile::symLinkTarget(filePath("guitar-c_ionian.bmp")), outside("picture.bmp"));
    EXPECT_EQ(QImage(outside("picture.bmp"), "BMP").size(), QSize(577, 225));
    const struct stat picture = statOf(outside("picture.bmp"));
    EXPECT_EQ(picture.st_mode & 07777, 0640U);
    if (boolRoot) {
        EXPECT_EQ(picture.st_uid, 4242U);
        EXPECT_EQ(picture.st_gid, 4243U);
    }
    EXPECT_EQ(entries(), (QStringList{"gamutrix", "gamutrix.cfg", "guitar-c_ionian.bmp"}));
}

} // namespace
