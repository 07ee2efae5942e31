#include "PictureBox.h"

#include "TwipsPainting.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <cmath>

using TwipsPainting::toQColor;

PictureBox::PictureBox(int intTwipsWidth, int intTwipsHeight, QWidget* parent)
    : QWidget(parent), picSurface(intTwipsWidth, intTwipsHeight, devicePixelRatioF()) {
    setFixedSize(picSurface.pixelSize());
    // The image covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setZoom(qreal dblNewZoom) {
    dblZoom = dblNewZoom;
    const qreal dblScreenRatio = devicePixelRatioF();
    picSurface.setPixelRatio(dblScreenRatio * dblZoom);
    const QSize sizeDevice = picSurface.image().size();
    setFixedSize(static_cast<int>(std::lrint(sizeDevice.width() / dblScreenRatio)),
                 static_cast<int>(std::lrint(sizeDevice.height() / dblScreenRatio)));
}

QPointF PictureBox::toWidget(QPoint ptTwips) const {
    return QPointF(ptTwips) * dblZoom / QtPictureSurface::kTwipsPerPixel;
}

QPoint PictureBox::toTwips(QPointF ptWidget) const {
    const QPointF ptTwips = ptWidget * QtPictureSurface::kTwipsPerPixel / dblZoom;
    return {static_cast<int>(std::lround(ptTwips.x())), static_cast<int>(std::lround(ptTwips.y()))};
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
    // The image has as many device pixels as the widget shows: drawn one to one.
    const QImage& image = picSurface.image();
    QPainter painter(this);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) / devicePixelRatioF()), image);
    // Markers grow with the zoom like the picture's own, outline included.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const std::vector<OverlayMarker>& collOverlay : collOverlays) {
        for (const OverlayMarker& marker : collOverlay) {
            painter.setPen(QPen(toQColor(marker.longOutline), 2 * dblZoom));
            painter.setBrush(toQColor(marker.longFill));
            const double dblRadius = toWidget(QPoint(marker.intRadius, 0)).x();
            painter.drawEllipse(toWidget(QPoint(marker.x, marker.y)), dblRadius, dblRadius);
        }
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint ptTwips = toTwips(event->position());
    emit pictureClicked(ptTwips.x(), ptTwips.y());
}
