#include "AtomicFile.h"

#include <QSaveFile>

bool writeFileAtomically(const QString& strPath, const std::function<bool(QIODevice&)>& writer,
                         QString* strError) {
    QSaveFile file(strPath);
    const bool boolWritten =
        file.open(QIODevice::WriteOnly) && writer(file) && file.error() == QFileDevice::NoError;
    if (boolWritten && file.commit()) {
        return true;
    }
    if (strError != nullptr) {
        *strError = file.errorString();
    }
    file.cancelWriting();
    return false;
}
