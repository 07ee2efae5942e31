#pragma once

#include "PictureContent.h"

#include <QPageSize>
#include <QRectF>
#include <QSizeF>

class QPainter;

// The printed page of a picture: the title line and the interval list centred at the top, the
// picture below them, centred, at its natural size (577 x 225 pixels at 96 dpi) when it fits
// inside the printable area, otherwise shrunk to fit. All measures are in points (1/72 inch)
// from the printable area's top-left corner.
struct PicturePageLayout {
    QRectF rectTitle;
    QRectF rectIntervals;
    QRectF rectPicture;
};

namespace PicturePage {

// The picture's natural size in points.
QSizeF naturalPictureSize();

// Places the parts in a printable area of sizePrintable, given the heights the two text blocks
// take at the printable width.
PicturePageLayout layout(const QSizeF& sizePrintable, qreal dblTitleHeight,
                         qreal dblIntervalsHeight);

// The paper for new pages: Letter where the locale measures in US customary units, else A4.
QPageSize::PageSizeId defaultPageSize();

// Paints the page on a painter that is active on a paged device (PDF writer or printer), with
// its origin at the printable area's top-left corner as Qt sets it up.
void paint(QPainter& painter, const PictureContent& content);

} // namespace PicturePage
