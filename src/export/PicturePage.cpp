#include "PicturePage.h"

#include "ClassicFonts.h"
#include "PainterSurface.h"
#include "ScalePicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace {

constexpr qreal kPointsPerPixel = 72.0 / 96.0;
constexpr qreal kTitlePoints = 14.0;
constexpr qreal kIntervalsPoints = 11.0;
constexpr qreal kGapBelowTitle = 4.0;
constexpr qreal kGapAbovePicture = 18.0;
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

// A font of dblPoints points on a painter whose units are points on a device of intDeviceDpi.
QFont pageFont(qreal dblPoints, bool boolBold, int intDeviceDpi) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(boolBold);
    font.setPointSizeF(dblPoints * 72.0 / intDeviceDpi);
    return font;
}

qreal textBlockHeight(const QFont& font, const QPaintDevice* device, qreal dblWidth,
                      const QString& strText) {
    if (strText.isEmpty()) {
        return 0;
    }
    return QFontMetricsF(font, device)
        .boundingRect(QRectF(0, 0, dblWidth, 1e6), kTextFlags, strText)
        .height();
}

} // namespace

namespace PicturePage {

QSizeF naturalPictureSize() {
    return QSizeF(static_cast<qreal>(kScalePictureTwipsWidth) / PainterSurface::kTwipsPerPixel *
                      kPointsPerPixel,
                  static_cast<qreal>(kScalePictureTwipsHeight) / PainterSurface::kTwipsPerPixel *
                      kPointsPerPixel);
}

PicturePageLayout layout(const QSizeF& sizePrintable, qreal dblTitleHeight,
                         qreal dblIntervalsHeight) {
    const qreal dblWidth = std::max<qreal>(0, sizePrintable.width());
    PicturePageLayout result;
    result.rectTitle = QRectF(0, 0, dblWidth, dblTitleHeight);
    const qreal dblIntervalsTop =
        result.rectTitle.bottom() + (dblIntervalsHeight > 0 ? kGapBelowTitle : 0);
    result.rectIntervals = QRectF(0, dblIntervalsTop, dblWidth, dblIntervalsHeight);
    const qreal dblPictureTop = result.rectIntervals.bottom() + kGapAbovePicture;
    const QSizeF sizeNatural = naturalPictureSize();
    const qreal dblRoomBelow = std::max<qreal>(0, sizePrintable.height() - dblPictureTop);
    const qreal dblFactor =
        std::min({qreal(1), dblWidth / sizeNatural.width(), dblRoomBelow / sizeNatural.height()});
    const QSizeF sizePicture = sizeNatural * dblFactor;
    result.rectPicture =
        QRectF(QPointF((dblWidth - sizePicture.width()) / 2, dblPictureTop), sizePicture);
    return result;
}

QPageSize::PageSizeId defaultPageSize() {
    // Britain measures some things in imperial units but prints on A4.
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

void paint(QPainter& painter, const PictureContent& content) {
    installClassicFontSubstitutions();
    const QPaintDevice* device = painter.device();
    const int intDpiX = std::max(1, device->logicalDpiX());
    const int intDpiY = std::max(1, device->logicalDpiY());
    const QSizeF sizePrintable(device->width() * 72.0 / intDpiX, device->height() * 72.0 / intDpiY);

    painter.save();
    painter.scale(intDpiX / 72.0, intDpiY / 72.0);
    const QFont fontTitle = pageFont(kTitlePoints, true, intDpiY);
    const QFont fontIntervals = pageFont(kIntervalsPoints, false, intDpiY);
    const QString strTitle = QString::fromStdString(content.strTitle);
    const QString strIntervals = QString::fromStdString(content.strIntervals);
    const PicturePageLayout parts =
        layout(sizePrintable, textBlockHeight(fontTitle, device, sizePrintable.width(), strTitle),
               textBlockHeight(fontIntervals, device, sizePrintable.width(), strIntervals));

    painter.setPen(Qt::black);
    painter.setFont(fontTitle);
    painter.drawText(parts.rectTitle, kTextFlags, strTitle);
    painter.setFont(fontIntervals);
    painter.drawText(parts.rectIntervals, kTextFlags, strIntervals);

    // From here on one unit is one picture pixel, as the surface expects.
    painter.translate(parts.rectPicture.topLeft());
    const qreal dblPixelScale =
        parts.rectPicture.width() / naturalPictureSize().width() * kPointsPerPixel;
    painter.scale(dblPixelScale, dblPixelScale);
    painter.setClipRect(
        QRectF(0, 0, static_cast<qreal>(kScalePictureTwipsWidth) / PainterSurface::kTwipsPerPixel,
               static_cast<qreal>(kScalePictureTwipsHeight) / PainterSurface::kTwipsPerPixel));
    PainterSurface surface(painter, kScalePictureTwipsWidth, kScalePictureTwipsHeight);
    drawScalePicture(surface, content.scale, content.intInstrument);
    painter.restore();
}

} // namespace PicturePage
