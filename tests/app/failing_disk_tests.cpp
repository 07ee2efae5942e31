// Writes that fail half-way, as on a full disk: the configuration file at the end of a run, a
// saved picture, and the atomic write helper under both. The previous file must survive byte for
// byte, no partial or temporary file may stay behind, and a failed picture save must be reported
// as a failure while the program keeps running.

#include "AtomicFile.h"
#include "BitmapFileName.h"
#include "WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Set in a child run of this test binary to the program directory it works in.
constexpr const char* kChildDirVariable = "GAMUTRIX_FAILING_DISK_CHILD_DIR";

QStringList directoryEntries(const QString& strDir) {
    return QDir(strDir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden,
                                  QDir::Name);
}

void writeWholeFile(const QString& strPath, const QByteArray& bytes) {
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readWholeFile(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// From here on, a write that would make any file longer than intBytes fails with EFBIG (also for
// root, who passes every permission check), the way a full disk fails it half-way.
void limitFileSize(rlim_t intBytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    limit.rlim_cur = intBytes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

// Each failing write runs in a child process, so that the file size limit cannot touch the test
// runner. The child is this test binary itself, started afresh with fork and exec and filtered to
// the same test, which sees kChildDirVariable and does the child's part. A fork without exec would
// copy the parent's QApplication, and with it mutexes that Qt's worker threads (image scaling,
// font loading) may hold at that moment: the child could hang. The fresh binary builds its own
// QApplication in main, as every GUI test does. The child reports through its exit status (0 when
// all its checks passed; its failure messages go to the shared output).
class FailingDisk : public WindowFixture {
  protected:
    static std::optional<QString> childDir() {
        if (!qEnvironmentVariableIsSet(kChildDirVariable)) {
            return std::nullopt;
        }
        return qEnvironmentVariable(kChildDirVariable);
    }

    // Starts the window in the directory the parent prepared.
    FormGamutrix& startInChildDir() {
        window = std::make_unique<FormGamutrix>(*childDir());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    void trigger(const char* strAction) {
        QAction* action = window->findChild<QAction*>(strAction);
        ASSERT_NE(action, nullptr) << strAction;
        action->trigger();
    }

    // Runs this test again in a child process on strDir; the child's exit status, or -1 when it
    // did not end on its own within the time limit.
    static int runChild(const QString& strDir) {
        const std::string strFilter =
            std::string("--gtest_filter=") +
            ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "." +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
        // The child must neither shard the filtered run away nor overwrite our XML report.
        std::vector<std::string> environment;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string strEntry(*entry);
            if (strEntry.rfind("GTEST_SHARD", 0) != 0 && strEntry.rfind("GTEST_TOTAL", 0) != 0 &&
                strEntry.rfind("GTEST_OUTPUT", 0) != 0 &&
                strEntry.rfind(kChildDirVariable, 0) != 0) {
                environment.push_back(strEntry);
            }
        }
        environment.push_back(std::string(kChildDirVariable) + "=" + strDir.toStdString());
        std::vector<char*> envp;
        for (std::string& strEntry : environment) {
            envp.push_back(strEntry.data());
        }
        envp.push_back(nullptr);
        std::string strProgram = "/proc/self/exe";
        std::vector<char*> argv{strProgram.data(), const_cast<char*>(strFilter.c_str()), nullptr};

        std::fflush(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            execve(strProgram.c_str(), argv.data(), envp.data());
            _exit(127);
        }
        if (pid < 0) {
            return -1;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
};

TEST_F(FailingDisk, ConfigWriteKeepsPreviousFile) {
    if (childDir()) {
        // Piano keyboard in chord mode from the old file; the user switches to the fretboard and
        // closes the window, whose write of the 26 bytes stops after 10.
        FormGamutrix& form = startInChildDir();
        EXPECT_EQ(form.CurrentInstrument(), 2);
        trigger("mnuFretboard");
        EXPECT_EQ(form.CurrentInstrument(), 1);
        limitFileSize(10);
        EXPECT_TRUE(form.close());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the config write shows nothing";
        return;
    }
    const QByteArray previous("instrument = 2\r\nmode = 1\r\n");
    writeWholeFile(path("gamutrix.cfg"), previous);

    ASSERT_EQ(runChild(programDir.path()), 0) << "the child's checks failed (see its output)";
    EXPECT_EQ(readWholeFile(path("gamutrix.cfg")), previous);
    EXPECT_EQ(directoryEntries(programDir.path()), QStringList{"gamutrix.cfg"});
    // The next run therefore starts as the last good file says: piano keyboard, chord mode.
    const FormGamutrix& form = start();
    EXPECT_EQ(form.CurrentInstrument(), 2);
    EXPECT_EQ(form.Mode(), 1);
}

TEST_F(FailingDisk, BitmapWriteReportsFailureAndKeepsPreviousFile) {
    if (childDir()) {
        FormGamutrix& form = startInChildDir();
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString strText;
        whenModalShown([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                icon = box->icon();
                strText = box->text();
            }
            modal->close();
        });
        // The picture is some hundred kilobytes; the write stops after 100 bytes.
        limitFileSize(100);
        trigger("MnuSaveBitmap");
        EXPECT_EQ(icon, QMessageBox::Warning) << strText.toStdString();
        EXPECT_FALSE(strText.contains("has been created!")) << strText.toStdString();
        // Still running and answering: the keyboard menu item switches the instrument.
        EXPECT_TRUE(form.isVisible());
        trigger("mnuKeyboard");
        EXPECT_EQ(form.CurrentInstrument(), 2);
        return;
    }
    // The file name the child's save will use: guitar- and the title the window starts with.
    start();
    const QString strName = bitmapFileName(1, child<QLineEdit>("TextTitle")->text());
    window.reset();
    const QByteArray previous = QByteArray("BM an earlier picture ").repeated(20);
    writeWholeFile(path(strName), previous);

    ASSERT_EQ(runChild(programDir.path()), 0) << "the child's checks failed (see its output)";
    EXPECT_EQ(readWholeFile(path(strName)), previous);
    EXPECT_EQ(directoryEntries(programDir.path()), QStringList{strName});
}

// writeFileAtomically with writers that give up after part of the content.
struct FailingWriterRow {
    const char* strName;
    qint64 intBytesBeforeFailing; // the writer writes this much, then reports failure
};

void PrintTo(const FailingWriterRow& row, std::ostream* os) {
    *os << row.strName;
}

class FailingWriter : public ::testing::TestWithParam<FailingWriterRow> {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_P(FailingWriter, LeavesOldFileAndNoTemporary) {
    const QString strPath = dir.filePath("target.bin");
    const QByteArray previous("the previous content");
    writeWholeFile(strPath, previous);
    const qint64 intBytes = GetParam().intBytesBeforeFailing;

    QString strError;
    const bool boolWritten = writeFileAtomically(
        strPath,
        [intBytes](QIODevice& device) {
            // The bytes are taken, then the writer gives up, as when its source breaks off.
            EXPECT_EQ(device.write(QByteArray(intBytes, 'x')), intBytes);
            return false;
        },
        &strError);

    EXPECT_FALSE(boolWritten);
    EXPECT_EQ(readWholeFile(strPath), previous);
    EXPECT_EQ(directoryEntries(dir.path()), QStringList{"target.bin"});
}

INSTANTIATE_TEST_SUITE_P(
    HalfWay, FailingWriter,
    ::testing::Values(FailingWriterRow{"BeforeAnyByte", 0},
                      // Still in the device's buffer when the writer gives up.
                      FailingWriterRow{"AfterTenBytes", 10},
                      // Well past the buffer, so part of it already reached the disk.
                      FailingWriterRow{"AfterOneMegabyte", 1024 * 1024}),
    [](const auto& info) { return std::string(info.param.strName); });

TEST(AtomicWrite, SucceedingWriterReplacesFileCompletely) {
    // The counterpart of the rows above: the same path with a writer that finishes.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString strPath = dir.filePath("target.bin");
    writeWholeFile(strPath, QByteArray(5000, 'o'));
    const QByteArray content("new");
    EXPECT_TRUE(writeFileAtomically(strPath, [&content](QIODevice& device) {
        return device.write(content) == content.size();
    }));
    EXPECT_EQ(readWholeFile(strPath), content);
    EXPECT_EQ(directoryEntries(dir.path()), QStringList{"target.bin"});
}

} // namespace
