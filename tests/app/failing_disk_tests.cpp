// Writes that fail half-way, as on a full disk: the previous file must survive byte for byte, no
// temporary file may stay behind, and a failed picture save is reported as a failure.

#include "AtomicFile.h"
#include "BitmapFileName.h"
#include "WindowFixture.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <csignal>
#include <sys/resource.h>

namespace {

// Set in a child run of this test binary to the program directory it works in.
constexpr const char* kChildDirVariable = "GAMUTRIX_FAILING_DISK_CHILD_DIR";

// From here on, a write that would make any file longer than intBytes fails with EFBIG (also for
// root), the way a full disk fails it half-way.
void limitFileSize(rlim_t intBytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{intBytes, intBytes};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

// Everything in a directory, also a temporary file left behind.
QStringList entries(const QString& strDir) {
    return QDir(strDir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
}

using FailingDisk = WindowFixture;

// The failing writes run in a child process, so that the file size limit cannot touch the test
// runner: this test binary started afresh (its own QApplication, no locks copied from Qt's threads
// as a bare fork would), filtered to this test, which then sees kChildDirVariable and does the
// child's part. The child reports through its exit status; its messages go to the shared output.
TEST_F(FailingDisk, PictureAndConfigWritesKeepThePreviousFiles) {
    // The fretboard in scale mode, so the first picture is the fretboard with "C Ionian".
    const QByteArray previousConfig("instrument = 1\r\nmode = 0\r\n");
    const QString strPicture = bitmapFileName(1, "C Ionian");
    if (const QString strDir = qEnvironmentVariable(kChildDirVariable); !strDir.isEmpty()) {
        window = std::make_unique<FormGamutrix>(strDir);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString strText;
        whenModalShown([&](QWidget* modal) {
            icon = qobject_cast<QMessageBox*>(modal)->icon();
            strText = qobject_cast<QMessageBox*>(modal)->text();
            modal->close();
        });
        // The picture is some hundred kilobytes; its write stops after 100 bytes.
        limitFileSize(100);
        window->findChild<QAction*>("MnuSaveBitmap")->trigger();
        EXPECT_EQ(icon, QMessageBox::Warning) << strText.toStdString();
        EXPECT_TRUE(strText.contains(strPicture) && !strText.contains("has been created!"))
            << strText.toStdString();
        // Still running and answering: the user picks the piano keyboard and closes the window,
        // whose configuration write of 26 bytes stops after 10 and shows nothing.
        window->findChild<QAction*>("mnuKeyboard")->trigger();
        EXPECT_EQ(window->CurrentInstrument(), 2);
        limitFileSize(10);
        EXPECT_TRUE(window->close());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return;
    }
    const QByteArray previousPicture = QByteArray("BM an earlier picture ").repeated(20);
    writeFile("gamutrix.cfg", previousConfig);
    writeFile(strPicture, previousPicture);
    // The child must neither shard the filtered run away nor overwrite our XML report.
    qunsetenv("GTEST_TOTAL_SHARDS");
    qunsetenv("GTEST_OUTPUT");
    qputenv(kChildDirVariable, programDir.path().toLocal8Bit());
    const QString strFilter =
        QString("--gtest_filter=FailingDisk.%1")
            .arg(::testing::UnitTest::GetInstance()->current_test_info()->name());
    EXPECT_EQ(QProcess::execute(QCoreApplication::applicationFilePath(), {strFilter}), 0)
        << "the child's checks failed (see its output)";
    qunsetenv(kChildDirVariable);
    EXPECT_EQ(readFile("gamutrix.cfg"), previousConfig);
    EXPECT_EQ(readFile(strPicture), previousPicture);
    EXPECT_EQ(entries(programDir.path()), (QStringList{"gamutrix.cfg", strPicture}));
}

// A writer that gives up after 10 bytes (still in the device's buffer) or after 1 MB (part of it
// already on the disk).
TEST_F(FailingDisk, AtomicWriteOfAWriterFailingHalfWay) {
    writeFile("target.bin", "previous");
    for (const qint64 intBytes : {qint64{10}, qint64{1024 * 1024}}) {
        EXPECT_FALSE(writeFileAtomically(path("target.bin"), [intBytes](QIODevice& device) {
            device.write(QByteArray(intBytes, 'x'));
            return false;
        }));
        EXPECT_EQ(readFile("target.bin"), "previous") << intBytes;
        EXPECT_EQ(entries(programDir.path()), QStringList{"target.bin"}) << intBytes;
    }
}

// The final rename fails: the directory the file goes to is removed while the content is written.
// The write must be reported as failed, with the reason.
TEST_F(FailingDisk, AtomicWriteWhoseRenameFails) {
    const QString strDir = path("gone");
    ASSERT_TRUE(QDir().mkdir(strDir));
    QString strError;
    EXPECT_FALSE(writeFileAtomically(
        strDir + "/target.bin",
        [&strDir](QIODevice& device) {
            return device.write("content") == 7 && QDir(strDir).removeRecursively();
        },
        &strError));
    EXPECT_FALSE(strError.isEmpty());
    EXPECT_EQ(entries(programDir.path()), QStringList());
}

} // namespace
