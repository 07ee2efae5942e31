#include "PictureBox.h"

#include <QPainter>
#include <QRectF>
#include <cmath>

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
    return (ptWidget * QtPictureSurface::kTwipsPerPixel / dblZoom).toPoint();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    // The image has as many device pixels as the widget shows: drawn one to one.
    const QImage& image = picSurface.image();
    QPainter painter(this);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) / devicePixelRatioF()), image);
}
