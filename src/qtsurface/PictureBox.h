#pragma once

#include "QtPictureSurface.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

class QPaintEvent;

// A fixed-size widget that shows a QtPictureSurface. Draw on surface(), then call update().
// The surface is rendered at the zoom times the device-pixel ratio of the screen the widget
// starts on, so a zoomed picture is drawn afresh at its size, never scaled as a bitmap.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    PictureBox(int intTwipsWidth, int intTwipsHeight, QWidget* parent = nullptr);

    QtPictureSurface& surface() { return picSurface; }
    const QtPictureSurface& surface() const { return picSurface; }

    // Widget pixels per logical pixel of the picture (1 at 100 %). A new zoom resizes the widget
    // and leaves a blank picture to be drawn again.
    qreal zoom() const { return dblZoom; }
    void setZoom(qreal dblNewZoom);

    // The one mapping between the picture's twips and the widget's pixels at the current zoom.
    QPointF toWidget(QPoint ptTwips) const;
    QPoint toTwips(QPointF ptWidget) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QtPictureSurface picSurface;
    qreal dblZoom = 1.0;
};
