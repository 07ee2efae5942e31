#pragma once

#include "PictureContent.h"

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

// Writes the picture in the format the extension names (.bmp .png .svg .pdf, any case), drawn by
// the views with the current Globals settings; intScaleFactor 1..4 scales BMP/PNG pixels and the
// SVG's declared size, the PDF ignores it. Writes through writeFileAtomically
// (src/files/AtomicFile.h). On failure returns false and sets strError to one line of text.
bool exportPicture(const PictureContent& content, const QString& strPath, int intScaleFactor,
                   QString& strError);

// The page the PDF export holds: its paper, portrait, its margins. A printer is set up with it.
QPageLayout picturePageLayout();

// Prints the page the PDF export holds on an already configured printer.
// On failure returns false and sets strError to one line of text.
bool printPicture(const PictureContent& content, QPagedPaintDevice& printer, QString& strError);
