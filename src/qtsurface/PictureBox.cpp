#include "PictureBox.h"

#include <QPainter>
#include <QPoint>

PictureBox::PictureBox(int intTwipsWidth, int intTwipsHeight, QWidget* parent)
    : QWidget(parent), picSurface(intTwipsWidth, intTwipsHeight, devicePixelRatioF()) {
    setFixedSize(picSurface.pixelSize());
    // The image covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picSurface.image());
}
