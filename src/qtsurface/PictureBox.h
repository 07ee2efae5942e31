#pragma once

#include "QtPictureSurface.h"

#include <QWidget>

class QPaintEvent;

// A fixed-size widget that shows a QtPictureSurface. Draw on surface(), then call update().
// The surface is rendered at the device-pixel ratio of the screen the widget starts on.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    PictureBox(int intTwipsWidth, int intTwipsHeight, QWidget* parent = nullptr);

    QtPictureSurface& surface() { return picSurface; }
    const QtPictureSurface& surface() const { return picSurface; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QtPictureSurface picSurface;
};
