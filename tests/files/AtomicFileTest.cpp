// The atomic writer's rules on the file system itself: what it refuses to replace, where links
// lead, which mode and owner the new file gets, how long a name may be, and a file-size limit.

#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray encoded(const QString& strPath) {
    return QFile::encodeName(strPath);
}

struct stat lstatOf(const QString& strPath) {
    struct stat info {};
    EXPECT_EQ(::lstat(encoded(strPath).constData(), &info), 0) << strPath.toStdString();
    return info;
}

class AtomicFile : public ::testing::Test {
  protected:
    QString path(const QString& strName) const { return dir.filePath(strName); }

    // Writes the text through the writer under test.
    static bool write(const QString& strPath, const QByteArray& text, QString* strError = nullptr) {
        return writeFileAtomically(
            strPath, [&text](QIODevice& device) { return device.write(text) == text.size(); },
            strError);
    }

    void createFile(const QString& strName, const QByteArray& text) const {
        QFile file(path(strName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }

    QByteArray readFile(const QString& strName) const {
        QFile file(path(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    void makeLink(const QString& strTarget, const QString& strName) const {
        ASSERT_EQ(::symlink(encoded(strTarget).constData(), encoded(path(strName)).constData()), 0);
    }

    // Every entry, hidden ones too: a temporary file left behind shows here.
    QStringList entries(const QString& strSub = ".") const {
        return QDir(path(strSub))
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir;
};

// Things that are no regular file are never replaced, neither under their own name nor behind a
// link; the call fails with a reason and leaves no temporary file.
TEST_F(AtomicFile, RefusesEverythingButARegularFile) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("directory"));
    ASSERT_EQ(::mkfifo(encoded(path("pipe")).constData(), 0600), 0);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = encoded(path("socket"));
    ASSERT_LT(static_cast<std::size_t>(socketPath.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, socketPath.constData(),
                static_cast<std::size_t>(socketPath.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    std::vector<std::pair<QString, mode_t>> kinds{
        {"directory", S_IFDIR}, {"pipe", S_IFIFO}, {"socket", S_IFSOCK}};
    // A private device node (the null device's numbers), where the test may make one.
    if (::mknod(encoded(path("device")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        kinds.emplace_back("device", S_IFCHR);
    } else {
        std::cerr << "no device node case: " << std::strerror(errno) << "\n";
    }
    for (const auto& [strName, kind] : kinds) {
        makeLink(path(strName), strName + "-link");
        for (const QString& strWritten : {strName, strName + "-link"}) {
            QString strError;
            EXPECT_FALSE(write(path(strWritten), "content", &strError)) << strWritten.toStdString();
            EXPECT_FALSE(strError.isEmpty()) << strWritten.toStdString();
            EXPECT_EQ(lstatOf(path(strName)).st_mode & S_IFMT, kind) << strWritten.toStdString();
            EXPECT_TRUE(S_ISLNK(lstatOf(path(strName + "-link")).st_mode));
        }
    }
    EXPECT_EQ(entries().size(), 2 * static_cast<qsizetype>(kinds.size()));
}

// A chain of two links to a regular file in another directory: the file gets the content, both
// links stay. A link to a file not there yet creates that file. A loop of links fails.
TEST_F(AtomicFile, FollowsLinksToTheFileTheyName) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("elsewhere"));
    createFile("elsewhere/real", "old");
    makeLink("elsewhere/real", "first");
    makeLink(path("first"), "second");
    EXPECT_TRUE(write(path("second"), "new"));
    EXPECT_EQ(readFile("elsewhere/real"), "new");
    EXPECT_TRUE(S_ISLNK(lstatOf(path("first")).st_mode));
    EXPECT_TRUE(S_ISLNK(lstatOf(path("second")).st_mode));
    EXPECT_EQ(entries("elsewhere"), QStringList{"real"});

    makeLink("elsewhere/later", "dangling");
    EXPECT_TRUE(write(path("dangling"), "created"));
    EXPECT_EQ(readFile("elsewhere/later"), "created");
    EXPECT_TRUE(S_ISLNK(lstatOf(path("dangling")).st_mode));

    makeLink("loop-b", "loop-a");
    makeLink("loop-a", "loop-b");
    EXPECT_FALSE(write(path("loop-a"), "never"));
    EXPECT_TRUE(S_ISLNK(lstatOf(path("loop-a")).st_mode));
}

// The replaced file keeps its permission bits; set-id and sticky bits are not carried over to new
// content. A new file gets what the umask leaves of rw-rw-rw-.
TEST_F(AtomicFile, PermissionBitsOfTheReplacedFile) {
    const struct {
        mode_t before;
        mode_t after;
    } rows[] = {{0444, 0444}, {0600, 0600},  {0751, 0751},
                {0640, 0640}, {04755, 0755}, {02770, 0770}};
    for (const auto& row : rows) {
        createFile("file", "old");
        ASSERT_EQ(::chmod(encoded(path("file")).constData(), row.before), 0);
        EXPECT_TRUE(write(path("file"), "new"));
        EXPECT_EQ(readFile("file"), "new");
        EXPECT_EQ(lstatOf(path("file")).st_mode & 07777, row.after) << std::oct << row.before;
        ASSERT_TRUE(QFile::remove(path("file")));
    }
    for (const auto& [mask, mode] :
         {std::pair<mode_t, mode_t>{022, 0644}, {077, 0600}, {0, 0666}}) {
        const mode_t previousMask = ::umask(mask);
        EXPECT_TRUE(write(path("new"), "x"));
        ::umask(previousMask);
        EXPECT_EQ(lstatOf(path("new")).st_mode & 07777, mode) << std::oct << mask;
        ASSERT_TRUE(QFile::remove(path("new")));
    }
}

// A file of another user stays that user's (only where the rights allow giving files away).
TEST_F(AtomicFile, OwnerAndGroupOfTheReplacedFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give files to another user";
    }
    createFile("file", "old");
    ASSERT_EQ(::chown(encoded(path("file")).constData(), 4242, 4243), 0);
    EXPECT_TRUE(write(path("file"), "new"));
    const struct stat info = lstatOf(path("file"));
    EXPECT_EQ(info.st_uid, 4242U);
    EXPECT_EQ(info.st_gid, 4243U);
    EXPECT_EQ(readFile("file"), "new");
}

// A hard link keeps the old content: the new file is a new inode (the README says so).
TEST_F(AtomicFile, HardLinkKeepsTheOldContent) {
    createFile("file", "old");
    ASSERT_EQ(::link(encoded(path("file")).constData(), encoded(path("hard")).constData()), 0);
    EXPECT_TRUE(write(path("file"), "new"));
    EXPECT_EQ(readFile("file"), "new");
    EXPECT_EQ(readFile("hard"), "old");
}

// Names of the longest allowed length (255 bytes) and one byte shorter are written three times.
TEST_F(AtomicFile, LongestNameWrittenAgainAndAgain) {
    for (const int intLength : {254, 255}) {
        const QString strName(intLength, QLatin1Char('n'));
        for (int intWrite = 1; intWrite <= 3; ++intWrite) {
            const QByteArray text = QByteArray::number(intWrite);
            QString strError;
            EXPECT_TRUE(write(path(strName), text, &strError))
                << intLength << " bytes, write " << intWrite << ": " << strError.toStdString();
            EXPECT_EQ(readFile(strName), text);
        }
        EXPECT_EQ(entries(), QStringList{strName});
        ASSERT_TRUE(QFile::remove(path(strName)));
    }
}

// In a child process: the process keeps SIGXFSZ's default action (the end of the process) and a
// limit of 1000 bytes; writing 100000 must fail with a reason. Exit code 0 when it does.
[[noreturn]] void writeBeyondTheLimitAndExit(const QString& strPath) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    QString strError;
    const QByteArray text(100000, 'x');
    const bool boolWritten = writeFileAtomically(
        strPath, [&text](QIODevice& device) { return device.write(text) == text.size(); },
        &strError);
    std::_Exit(!boolWritten && !strError.isEmpty() ? 0 : 1);
}

// Beyond the file-size limit a write fails and the old file stays; the process is not ended by
// SIGXFSZ, which it has not ignored itself.
TEST_F(AtomicFile, FileSizeLimitFailsTheWriteInsteadOfEndingTheProcess) {
    createFile("file", "old");
    const QString strPath = path("file");
    EXPECT_EXIT(writeBeyondTheLimitAndExit(strPath), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readFile("file"), "old");
    EXPECT_EQ(entries(), QStringList{"file"});
}

} // namespace
