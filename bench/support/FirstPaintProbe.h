#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QWidget;

// Tells when a window is first fully drawn. It watches one widget of the window (the one drawn
// last matters least: Qt paints a window's dirty widgets in one pass) and, once that widget has
// had its first paint event, calls onDrawn from the event loop. A zero timer started inside the
// paint pass fires only after the whole pass, and the flush to the screen that ends it, is done.
class FirstPaintProbe : public QObject {
    Q_OBJECT

  public:
    FirstPaintProbe(QWidget* widget, std::function<void()> onDrawn);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> onDrawn;
    bool boolSeen = false;
};
