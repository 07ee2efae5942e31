// The atomic writer when a write fails half-way or its final rename fails: the previous file must
// survive byte for byte, no temporary file may stay behind, and the write is reported as failed.
// (The window's writers under a file-size limit: the end-to-end hostile-machine tests.)

#include "AtomicFile.h"
#include "WindowFixture.h"

#include <QDir>

namespace {

using FailingDisk = WindowFixture;

QStringList entries(const QString& strDir) {
    return QDir(strDir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
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

// The directory the file goes to is removed while the content is written, so the final rename
// fails: the write must be reported as failed, with the reason.
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
