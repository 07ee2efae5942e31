#include "AtomicFile.h"

#include <QSaveFile>

bool writeFileAtomically(const QString& strPath, const std::function<bool(QIODevice&)>& writer,
                         QString* strError) {
    QSaveFile file(strPath);
    // Flushed here because commit() does not fail when its own final flush does (Qt 6.4): a full
    // disk would otherwise rename a truncated file over the old one and report success.
    const bool boolWritten = file.open(QIODevice::WriteOnly) && writer(file) && file.flush() &&
                             file.error() == QFileDevice::NoError;
    if (boolWritten && file.commit()) {
        return true;
    }
    if (strError != nullptr) {
        *strError = file.errorString();
    }
    file.cancelWriting();
    return false;
}
