// The atomic writer's rules on the file system itself: what it refuses to replace, where links
// lead, which mode and owner the new file gets, a failed rename and a file-size limit. The longest
// name saved twice is checked on the real program (HostileMachine.LongestFileNameSavesAgain).

#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class AtomicFile : public ::testing::Test {
  protected:
    QByteArray path(const QString& strName) const {
        return QFile::encodeName(dir.filePath(strName));
    }
    // Writes the text through the writer under test.
    bool write(const QString& strName, const QByteArray& text, QString* strError = nullptr) const {
        return writeFileAtomically(
            dir.filePath(strName),
            [&text](QIODevice& device) { return device.write(text) == text.size(); }, strError);
    }
    QByteArray read(const QString& strName) const {
        QFile file(dir.filePath(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    struct stat lstatOf(const QString& strName) const {
        struct stat info {};
        EXPECT_EQ(::lstat(path(strName).constData(), &info), 0) << strName.toStdString();
        return info;
    }
    void link(const QByteArray& target, const QString& strName) const {
        ASSERT_EQ(::symlink(target.constData(), path(strName).constData()), 0);
    }
    // Every entry, hidden ones too: a temporary file left behind shows here.
    QStringList entries(const QString& strSub = ".") const {
        return QDir(dir.filePath(strSub))
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
    }
    QTemporaryDir dir;
};

// Things that are no regular file are never replaced, neither under their own name nor behind a
// link; the call fails with a reason and leaves no temporary file. (A device node behind a link is
// checked on the real program by HostileMachineOutside.DeviceBehindALinkIsNeverReplaced.)
TEST_F(AtomicFile, RefusesEverythingButARegularFile) {
    ASSERT_EQ(::mkdir(path("directory").constData(), 0700), 0);
    ASSERT_EQ(::mkfifo(path("pipe").constData(), 0600), 0);
    const std::vector<std::pair<QString, mode_t>> kinds{{"directory", S_IFDIR}, {"pipe", S_IFIFO}};
    for (const auto& [strName, kind] : kinds) {
        link(path(strName), strName + "-link");
        for (const QString& strWritten : {strName, strName + "-link"}) {
            QString strError;
            EXPECT_FALSE(write(strWritten, "content", &strError)) << strWritten.toStdString();
            EXPECT_FALSE(strError.isEmpty()) << strWritten.toStdString();
            EXPECT_EQ(lstatOf(strName).st_mode & S_IFMT, kind) << strWritten.toStdString();
        }
        EXPECT_TRUE(S_ISLNK(lstatOf(strName + "-link").st_mode));
    }
    EXPECT_EQ(entries().size(), 2 * static_cast<qsizetype>(kinds.size()));
}

// A chain of two links to a regular file in another directory: the file gets the content, both
// links stay. A link to a file not there yet creates that file. A loop of links fails.
TEST_F(AtomicFile, FollowsLinksToTheFileTheyName) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("elsewhere"));
    ASSERT_TRUE(write("elsewhere/real", "old"));
    link("elsewhere/real", "first");
    link("first", "second");
    link("elsewhere/later", "dangling");
    link("loop-b", "loop-a");
    link("loop-a", "loop-b");
    EXPECT_TRUE(write("second", "new"));
    EXPECT_TRUE(write("dangling", "created"));
    EXPECT_FALSE(write("loop-a", "never"));
    EXPECT_EQ(read("elsewhere/real"), "new");
    EXPECT_EQ(read("elsewhere/later"), "created");
    EXPECT_EQ(entries("elsewhere"), (QStringList{"later", "real"}));
    for (const char* strLink : {"first", "second", "dangling", "loop-a"}) {
        EXPECT_TRUE(S_ISLNK(lstatOf(strLink).st_mode)) << strLink;
    }
}

// The replaced file keeps its permission bits, and its owner where the rights allow giving files
// away; set-id and sticky bits are not carried over to new content. A new file gets what the umask
// leaves of rw-rw-rw-.
TEST_F(AtomicFile, ModeAndOwnerOfTheReplacedFile) {
    const bool boolRoot = ::geteuid() == 0;
    for (const auto& [before, after] :
         {std::pair<mode_t, mode_t>{0444, 0444}, {04755, 0755}, {02770, 0770}}) {
        ASSERT_TRUE(write("file", "old"));
        ASSERT_EQ(::chmod(path("file").constData(), before), 0);
        ASSERT_TRUE(!boolRoot || ::chown(path("file").constData(), 4242, 4243) == 0);
        EXPECT_TRUE(write("file", "new"));
        EXPECT_EQ(read("file"), "new");
        const struct stat info = lstatOf("file");
        EXPECT_EQ(info.st_mode & 07777, after) << std::oct << before;
        EXPECT_TRUE(!boolRoot || (info.st_uid == 4242 && info.st_gid == 4243));
        ASSERT_TRUE(QFile::remove(dir.filePath("file")));
    }
    const mode_t previousMask = ::umask(002);
    EXPECT_TRUE(write("new", "x"));
    ::umask(previousMask);
    EXPECT_EQ(lstatOf("new").st_mode & 07777, 0664U);
}

// The final rename fails: the directory the file goes to is removed while the content is written.
// The write is reported as failed, with the reason, and no temporary file stays behind.
TEST_F(AtomicFile, FailedRenameIsReported) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
    QString strError;
    EXPECT_FALSE(writeFileAtomically(
        dir.filePath("gone/target"),
        [this](QIODevice& device) {
            return device.write("content") == 7 && QDir(dir.filePath("gone")).removeRecursively();
        },
        &strError));
    EXPECT_FALSE(strError.isEmpty());
    EXPECT_TRUE(entries().isEmpty());
}

// Beyond a file-size limit the write fails with a reason and the old file stays. The child process
// keeps SIGXFSZ's default action (the end of the process): it must still exit on its own.
TEST_F(AtomicFile, FileSizeLimitFailsTheWriteInsteadOfEndingTheProcess) {
    ASSERT_TRUE(write("file", "old"));
    const rlimit limit{1000, 1000};
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_DFL);
            setrlimit(RLIMIT_FSIZE, &limit);
            QString strError;
            const bool boolWritten = write("file", QByteArray(100000, 'x'), &strError);
            std::_Exit(!boolWritten && !strError.isEmpty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(read("file"), "old");
    EXPECT_EQ(entries(), QStringList{"file"});
}

} // namespace
