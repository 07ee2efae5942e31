#pragma once

#include <QString>

// The file name a saved picture gets: "guitar" (fretboard, instrument 1) or "piano", "-", then the
// title in lower case with blanks as "_" and every character other than a-z and 0-9 dropped, and
// ".bmp". The name never holds a path separator or "..", so it always stays in its directory.
QString bitmapFileName(int intInstrument, const QString& strTitle);
