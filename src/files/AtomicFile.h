#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Writes a file so that it is either completely replaced or left as it was: the content goes to a
// temporary file beside it, which is renamed over the target only after a successful write.
// On failure strError (when given) receives the reason and no partial file remains.
bool writeFileAtomically(const QString& strPath, const std::function<bool(QIODevice&)>& writer,
                         QString* strError = nullptr);
