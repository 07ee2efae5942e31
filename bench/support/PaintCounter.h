#pragma once

#include <QObject>

class QEvent;
class QWidget;

// Counts the paint events one widget receives, so a benchmark can check that the picture it
// timed was really put on the window.
class PaintCounter : public QObject {
    Q_OBJECT

  public:
    explicit PaintCounter(QWidget* widget);

    long count() const { return longPaints; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    long longPaints = 0;
};
