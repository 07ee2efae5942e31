#pragma once

#include "QtPictureSurface.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>
#include <array>
#include <cstddef>
#include <vector>

class QMouseEvent;
class QPaintEvent;

// A marker drawn over the picture on screen only, in twips of the picture.
struct OverlayMarker {
    int x = 0;
    int y = 0;
    int intRadius = 0;
    RgbColor longOutline;
    RgbColor longFill;
    friend bool operator==(const OverlayMarker&, const OverlayMarker&) = default;
};

// Overlays of different features, painted in this order: a note sounding shows over the chosen
// notes.
enum class OverlayLayer { ChosenNotes, SoundingNote };

// A fixed-size widget that shows a QtPictureSurface. Draw on surface(), then call update().
// The surface is rendered at the zoom times the device-pixel ratio of the screen the widget
// starts on, so a zoomed picture is drawn afresh at its size, never scaled as a bitmap.
// Overlay markers (chosen notes, the note sounding) are painted over the image on screen and are
// never part of surface().image(), so a saved picture shows only what the views drew.
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

    void setOverlay(OverlayLayer layer, std::vector<OverlayMarker> collMarkers);
    const std::vector<OverlayMarker>& overlay(OverlayLayer layer) const {
        return collOverlays[static_cast<std::size_t>(layer)];
    }

  signals:
    // A left-button press on the picture, in twips of the picture.
    void pictureClicked(int xTwips, int yTwips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QtPictureSurface picSurface;
    qreal dblZoom = 1.0;
    std::array<std::vector<OverlayMarker>, 2> collOverlays;
};
