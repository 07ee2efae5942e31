#pragma once

#include "QtPictureSurface.h"

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
// The surface is rendered at the device-pixel ratio of the screen the widget starts on.
// Overlay markers (chosen notes, the note sounding) are painted over the image on screen and are
// never part of surface().image(), so a saved picture shows only what the views drew.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    PictureBox(int intTwipsWidth, int intTwipsHeight, QWidget* parent = nullptr);

    QtPictureSurface& surface() { return picSurface; }
    const QtPictureSurface& surface() const { return picSurface; }

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
    std::array<std::vector<OverlayMarker>, 2> collOverlays;
};
