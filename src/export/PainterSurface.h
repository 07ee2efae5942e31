#pragma once

#include "PictureSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <string>
#include <vector>

class QPainter;

// A picture surface that hands every line, box, circle and text straight to a QPainter as a
// drawing operation, so vector devices (SVG, PDF, printers) keep them as shapes and text. The
// painter's current coordinates must be logical pixels at 96 dpi (15 twips each), as on the
// screen; any further scaling belongs in the painter's transform. Text extents are measured at
// 96 dpi with the screen surface's fonts, so the views lay out exactly as in the window.
class PainterSurface : public PictureSurface {
  public:
    static constexpr int kTwipsPerPixel = 15;

    PainterSurface(QPainter& painter, int intTwipsWidth, int intTwipsHeight);

    int outerWidth() const override { return intTwipsWidth; }
    int outerHeight() const override { return intTwipsHeight; }

    void clear() override;
    // As on the classic picture box, a new background colour erases the picture.
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
    struct SurfaceFont {
        std::string strName;
        double dblPoints;
        QFont fontMeasured; // at 96 dpi, for the extents
        QFont fontDrawn;    // the same size on the painter's device
        QFontMetricsF metrics;
    };

    QPainter& painter;
    int intTwipsWidth;
    int intTwipsHeight;
    // A 96-dpi device for measuring text, the same for every output.
    QImage picMetricsDevice;
    RgbColor longBackColor = kWhite;
    RgbColor longForeColor = kBlack;
    int intLineWidth = 1;
    int intCurrentX = 0;
    int intCurrentY = 0;
    std::vector<SurfaceFont> collFonts;
    std::size_t intCurrentFont = 0;
};
