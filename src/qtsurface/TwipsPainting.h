#pragma once

#include "PictureSurface.h"

#include <QColor>
#include <QPointF>

// Conversions shared by every painter that draws the views' twips: the screen surface, the
// vector exporters and the picture box's overlay.
namespace TwipsPainting {

inline constexpr int kTwipsPerPixel = 15;
// 96 dots per inch, so that point sizes turn into the same pixel sizes on every device.
inline constexpr int kDotsPerMeter = 3780;

inline QColor toQColor(RgbColor longColor) {
    return QColor(longColor.red, longColor.green, longColor.blue);
}

inline qreal toPixels(int intTwips) {
    return static_cast<qreal>(intTwips) / kTwipsPerPixel;
}

inline QPointF toPixels(int x, int y) {
    return QPointF(toPixels(x), toPixels(y));
}

} // namespace TwipsPainting
