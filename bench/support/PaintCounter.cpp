#include "PaintCounter.h"

#include <QEvent>
#include <QWidget>

PaintCounter::PaintCounter(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        ++longPaints;
    }
    return QObject::eventFilter(watched, event);
}
