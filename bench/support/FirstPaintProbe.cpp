#include "FirstPaintProbe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

FirstPaintProbe::FirstPaintProbe(QWidget* widget, std::function<void()> onDrawn)
    : QObject(widget), onDrawn(std::move(onDrawn)) {
    widget->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !boolSeen) {
        boolSeen = true;
        QTimer::singleShot(0, this, [this] { onDrawn(); });
    }
    return QObject::eventFilter(watched, event);
}
