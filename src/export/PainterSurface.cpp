#include "PainterSurface.h"

#include "TwipsPainting.h"

#include <QColor>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace {

using TwipsPainting::kDotsPerMeter;
using TwipsPainting::toPixels;
using TwipsPainting::toQColor;

// As the screen surface measures its text.
constexpr double kLogicalDpi = 96.0;

} // namespace

PainterSurface::PainterSurface(QPainter& painter, int intTwipsWidth, int intTwipsHeight)
    : painter(painter), intTwipsWidth(intTwipsWidth), intTwipsHeight(intTwipsHeight),
      picMetricsDevice(1, 1, QImage::Format_RGB32) {
    picMetricsDevice.setDotsPerMeterX(kDotsPerMeter);
    picMetricsDevice.setDotsPerMeterY(kDotsPerMeter);
    // The classic picture box starts with this font until someone picks another.
    setFont("MS Sans Serif", 8.25);
}

void PainterSurface::clear() {
    painter.fillRect(QRectF(QPointF(0, 0), toPixels(intTwipsWidth, intTwipsHeight)),
                     toQColor(longBackColor));
}

void PainterSurface::setBackColor(RgbColor longColor) {
    longBackColor = longColor;
    clear();
}

void PainterSurface::drawLine(int x1, int y1, int x2, int y2, RgbColor longColor) {
    // Crisp lines and smooth circles, as on the screen.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(longColor), intLineWidth, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QLineF(toPixels(x1, y1), toPixels(x2, y2)));
}

void PainterSurface::fillBox(int x1, int y1, int x2, int y2, RgbColor longColor) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized(), toQColor(longColor));
}

void PainterSurface::drawCircle(int x, int y, int intRadius, RgbColor longOutline,
                                RgbColor longFill) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(toQColor(longOutline), intLineWidth));
    painter.setBrush(toQColor(longFill));
    painter.drawEllipse(toPixels(x, y), toPixels(intRadius), toPixels(intRadius));
    painter.setBrush(Qt::NoBrush);
}

void PainterSurface::setFont(const std::string& strName, double dblPoints) {
    for (std::size_t i = 0; i < collFonts.size(); ++i) {
        if (collFonts[i].strName == strName && collFonts[i].dblPoints == dblPoints) {
            intCurrentFont = i;
            return;
        }
    }
    QFont fontMeasured(QString::fromStdString(strName));
    fontMeasured.setPointSizeF(dblPoints);
    fontMeasured.setStyleHint(QFont::SansSerif);
    // The device turns points into its own units at its own resolution; scaled this way the
    // glyphs come out as large in logical pixels as they are on the 96-dpi screen surface.
    QFont fontDrawn(fontMeasured);
    const int intDeviceDpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
    fontDrawn.setPointSizeF(dblPoints * kLogicalDpi / (intDeviceDpi > 0 ? intDeviceDpi : 96));
    collFonts.push_back({strName, dblPoints, fontMeasured, fontDrawn,
                         QFontMetricsF(fontMeasured, &picMetricsDevice)});
    intCurrentFont = collFonts.size() - 1;
}

double PainterSurface::textWidth(const std::string& strText) const {
    return collFonts[intCurrentFont].metrics.horizontalAdvance(QString::fromStdString(strText)) *
           kTwipsPerPixel;
}

double PainterSurface::textHeight(const std::string& /*strText*/) const {
    // Every text is one line high in the current font.
    return collFonts[intCurrentFont].metrics.height() * kTwipsPerPixel;
}

void PainterSurface::setCurrentPosition(int x, int y) {
    intCurrentX = x;
    intCurrentY = y;
}

void PainterSurface::print(const std::string& strText) {
    const SurfaceFont& current = collFonts[intCurrentFont];
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(current.fontDrawn);
    painter.setPen(toQColor(longForeColor));
    // Qt places text on its baseline; the caller gives the top-left corner.
    const QPointF ptBaseline =
        toPixels(intCurrentX, intCurrentY) + QPointF(0, current.metrics.ascent());
    painter.drawText(ptBaseline, QString::fromStdString(strText));
}
