#include "PictureBox.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <cmath>

namespace {

QColor toQColor(RgbColor longColor) {
    return {longColor.red, longColor.green, longColor.blue};
}

} // namespace

PictureBox::PictureBox(int intTwipsWidth, int intTwipsHeight, QWidget* parent)
    : QWidget(parent), picSurface(intTwipsWidth, intTwipsHeight, devicePixelRatioF()) {
    setFixedSize(picSurface.pixelSize());
    // The image covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setOverlay(OverlayLayer layer, std::vector<OverlayMarker> collMarkers) {
    std::vector<OverlayMarker>& collOverlay = collOverlays[static_cast<std::size_t>(layer)];
    if (collMarkers == collOverlay) {
        return;
    }
    collOverlay = std::move(collMarkers);
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picSurface.image());
    painter.setRenderHint(QPainter::Antialiasing);
    const double dblPerTwip = 1.0 / QtPictureSurface::kTwipsPerPixel;
    for (const std::vector<OverlayMarker>& collOverlay : collOverlays) {
        for (const OverlayMarker& marker : collOverlay) {
            painter.setPen(QPen(toQColor(marker.longOutline), 2));
            painter.setBrush(toQColor(marker.longFill));
            const double dblRadius = marker.intRadius * dblPerTwip;
            painter.drawEllipse(QPointF(marker.x * dblPerTwip, marker.y * dblPerTwip), dblRadius,
                                dblRadius);
        }
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF ptPixels = event->position();
    emit pictureClicked(
        static_cast<int>(std::lround(ptPixels.x() * QtPictureSurface::kTwipsPerPixel)),
        static_cast<int>(std::lround(ptPixels.y() * QtPictureSurface::kTwipsPerPixel)));
}
