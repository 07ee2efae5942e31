#pragma once

#include "PictureSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

// A picture surface kept as a QImage. Callers draw in twips, 15 to a logical pixel (96 dpi);
// the image holds devicePixelRatio device pixels per logical pixel so it stays sharp on HiDPI
// screens. Fonts are sized at 96 logical dpi whatever the screen, so text extents do not depend
// on the machine's display. Lines and boxes are drawn aliased (crisp), circles and text
// antialiased. As on the classic picture box, setting the background colour erases the picture.
class QtPictureSurface : public PictureSurface {
  public:
    static constexpr int kTwipsPerPixel = 15;

    QtPictureSurface(int intTwipsWidth, int intTwipsHeight, qreal dblDevicePixelRatio = 1.0);
    ~QtPictureSurface() override;
    QtPictureSurface(const QtPictureSurface&) = delete;
    QtPictureSurface& operator=(const QtPictureSurface&) = delete;

    // The finished picture; drawing may continue afterwards.
    const QImage& image() const;
    // Size in logical pixels.
    QSize pixelSize() const;
    // Device pixels per logical pixel, for a zoomed or HiDPI picture. A new ratio starts a new,
    // blank picture at that resolution; the callers' twips and text measures do not change.
    void setPixelRatio(qreal dblDevicePixelRatio);

    int outerWidth() const override { return intTwipsWidth; }
    int outerHeight() const override { return intTwipsHeight; }

    void clear() override;
    void setBackColor(RgbColor longColor) override;
    void setForeColor(RgbColor longColor) override { longForeColor = longColor; }
    RgbColor foreColor() const override { return longForeColor; }
    void setLineWidth(int intPixels) override { intLineWidth = intPixels; }

    void drawLine(int x1, int y1, int x2, int y2, RgbColor longColor) override;
    void fillBox(int x1, int y1, int x2, int y2, RgbColor longColor) override;
    void drawCircle(int x, int y, int intRadius, RgbColor longOutline, RgbColor longFill) override;

    void setFont(const std::string& strName, double dblPoints) override;
    double textWidth(const std::string& strText) const override;
    double textHeight(const std::string& strText) const override;

    void setCurrentPosition(int x, int y) override;
    int currentX() const override { return intCurrentX; }
    int currentY() const override { return intCurrentY; }
    void print(const std::string& strText) override;

  private:
    struct CachedFont {
        std::string strName;
        double dblPoints;
        QFont font;
        QFontMetricsF metrics;
        // Measured widths in pixels: shaping a text again costs more than drawing it.
        mutable std::map<std::string, qreal> collWidths;
    };

    // A circle as drawn at one sub-pixel phase, ready to be copied to whole device pixels.
    // Drawing an antialiased, outlined circle is by far the dearest operation, and a redraw
    // repeats the same few markers at the same few phases.
    using CircleKey = std::tuple<int, int, uint32_t, uint32_t, qreal, qreal>;
    struct CircleSprite {
        QImage image;
        int intExtent; // device pixels from the sprite's corner to its whole-pixel centre
    };
    const CircleSprite& circleSprite(int intRadius, RgbColor longOutline, RgbColor longFill,
                                     qreal dblPhaseX, qreal dblPhaseY);

    void allocateImage(qreal dblDevicePixelRatio);
    // One painter serves a whole redraw; image() and clear() end it.
    QPainter& painter();
    void endPainting() const;
    void fillBackground();
    const CachedFont& currentFont() const;

    int intTwipsWidth;
    int intTwipsHeight;
    QImage picImage;
    mutable std::unique_ptr<QPainter> activePainter;
    // True while the picture is all background colour, so repeated erasing can be skipped.
    bool boolBlank = false;
    RgbColor longBackColor = kWhite;
    RgbColor longForeColor = kBlack;
    int intLineWidth = 1;
    int intCurrentX = 0;
    int intCurrentY = 0;
    std::vector<CachedFont> collFonts;
    std::size_t intCurrentFont = 0;
    std::map<CircleKey, CircleSprite> collCircleSprites;
};
