#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Writes a file so that it is either completely replaced or left as it was: the content goes to a
// temporary file beside it, which is renamed over the target only after a successful write.
// On failure strError (when given) receives the reason and no partial file remains.
//
// Rules that hold for every file written this way:
// - Symbolic links are followed; the file they finally name is written and the links stay.
// - Only a regular file is ever replaced or created. When the name stands for a directory, a
//   device, a named pipe or a socket, nothing is written and the call fails.
// - An existing file keeps its permission bits, and its owner and group where the rights allow.
//   A hard link to the old file keeps the old content: the new file is a new inode.
// - The temporary file has a short name of its own, so a name of the longest allowed length can
//   be written again and again.
// - A file-size limit makes the write fail instead of ending the process (see below).
bool writeFileAtomically(const QString& strPath, const std::function<bool(QIODevice&)>& writer,
                         QString* strError = nullptr);

// Ignores the signal that a write beyond the process's file-size limit raises, so that such a
// write fails with an error instead of ending the process. Leaves a handler that someone else
// installed alone. writeFileAtomically calls it; main calls it early, for every other write.
void ignoreFileSizeLimitSignal();
