#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Deeper chains of links than this are treated as a loop.
constexpr int kMaxLinkDepth = 40;

QString errorText(int intError) {
    return qt_error_string(intError);
}

// The file that the path finally names after following every symbolic link, also when that file
// does not exist yet; empty when the links loop.
QString followLinks(const QString& strPath) {
    QFileInfo info(strPath);
    for (int intDepth = 0; intDepth < kMaxLinkDepth; ++intDepth) {
        if (!info.isSymLink()) {
            return info.absoluteFilePath();
        }
        info.setFile(info.symLinkTarget());
    }
    return {};
}

// A new, empty file in the directory with a short random name; the process's umask gives it the
// same permissions a newly created target would get. Returns the descriptor or -1 (errno set).
int createTemporary(const QString& strDir, QString& strTemporary) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int intAttempt = 0; intAttempt < 100; ++intAttempt) {
        QString strName = QStringLiteral(".gamutrix-");
        for (int i = 0; i < 8; ++i) {
            strName += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(36)]);
        }
        strTemporary = strDir + QLatin1Char('/') + strName;
        const int fd = ::open(QFile::encodeName(strTemporary).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Gives the new file the owner, group and permission bits of the file it replaces. Changing the
// owner needs rights that a normal user lacks; the group may still be allowed. Set-id and sticky
// bits are not carried over to content that this program wrote.
void copyOwnerAndMode(int fd, const struct stat& previous) {
    if (fchown(fd, previous.st_uid, previous.st_gid) != 0) {
        [[maybe_unused]] const int intIgnored = fchown(fd, static_cast<uid_t>(-1), previous.st_gid);
    }
    fchmod(fd, previous.st_mode & 0777);
}

// Writes the content into the open temporary file and makes it durable.
bool fillTemporary(int fd, const std::function<bool(QIODevice&)>& writer, QString& strError) {
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        strError = file.errorString();
        return false;
    }
    // Flushed here because a failing flush on close would go unnoticed: a full disk would
    // otherwise leave a truncated file to be renamed over the old one.
    if (!writer(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        strError = file.error() != QFileDevice::NoError
                       ? file.errorString()
                       : QStringLiteral("the content was not written");
        return false;
    }
    file.close();
    if (fsync(fd) != 0) {
        strError = errorText(errno);
        return false;
    }
    return true;
}

} // namespace

void ignoreFileSizeLimitSignal() {
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
        current.sa_handler == SIG_DFL) {
        std::signal(SIGXFSZ, SIG_IGN);
    }
}

bool writeFileAtomically(const QString& strPath, const std::function<bool(QIODevice&)>& writer,
                         QString* strError) {
    ignoreFileSizeLimitSignal();
    QString strReason;
    const auto fail = [&](const QString& strWhy) {
        if (strError != nullptr) {
            *strError = strWhy;
        }
        return false;
    };

    const QString strTarget = followLinks(strPath);
    if (strTarget.isEmpty()) {
        return fail(errorText(ELOOP));
    }
    struct stat previous {};
    const bool boolExists = ::stat(QFile::encodeName(strTarget).constData(), &previous) == 0;
    if (!boolExists && errno != ENOENT) {
        return fail(errorText(errno));
    }
    // Renaming over a device, pipe or socket would destroy it, and over a directory is refused.
    if (boolExists && !S_ISREG(previous.st_mode)) {
        return fail(QStringLiteral("not a regular file"));
    }

    QString strTemporary;
    const int fd = createTemporary(QFileInfo(strTarget).absolutePath(), strTemporary);
    if (fd < 0) {
        return fail(errorText(errno));
    }
    if (boolExists) {
        copyOwnerAndMode(fd, previous);
    }
    bool boolDone = fillTemporary(fd, writer, strReason);
    if (::close(fd) != 0 && boolDone) {
        boolDone = false;
        strReason = errorText(errno);
    }
    if (boolDone && ::rename(QFile::encodeName(strTemporary).constData(),
                             QFile::encodeName(strTarget).constData()) != 0) {
        boolDone = false;
        strReason = errorText(errno);
    }
    if (!boolDone) {
        ::unlink(QFile::encodeName(strTemporary).constData());
        return fail(strReason);
    }
    return true;
}
