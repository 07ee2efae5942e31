// The atomic writer when its final rename fails: no temporary file may stay behind, and the write
// is reported as failed. (A writer that fails: the file-size limit case of the atomic writer's own
// tests; the window's writers under such a limit: the end-to-end hostile-machine tests.)

#include "AtomicFile.h"
#include "WindowFixture.h"

#include <QDir>

namespace {

using FailingDisk = WindowFixture;

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
    EXPECT_TRUE(
        QDir(programDir.path()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));
}

} // namespace
