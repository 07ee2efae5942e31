#pragma once

#include "PictureSurface.h"

#include <string>
#include <tuple>
#include <vector>

// x1, y1, x2, y2 and the line width in pixels.
using RecordedLine = std::tuple<int, int, int, int, int>;
// x, y, radius, outline, fill.
using RecordedCircle = std::tuple<int, int, int, RgbColor, RgbColor>;
// Text, x, y and colour.
using RecordedText = std::tuple<std::string, int, int, RgbColor>;

// The main window's picture (8655 x 3375 twips) keeping what is drawn instead of pixels.
// Text measures are fractional, 44.6 twips a character and 164.6 high, so the views' rounding
// shows: half of a one-character code (45 x 165) is 22 x 82 only when halves go to even.
class RecordingSurface : public PictureSurface {
  public:
    std::vector<RecordedLine> lines;
    std::vector<RecordedCircle> circles;
    std::vector<RecordedText> texts;

    int outerWidth() const override { return 8655; }
    int outerHeight() const override { return 3375; }
    void clear() override { lines.clear(), circles.clear(), texts.clear(); }
    void setBackColor(RgbColor) override { clear(); }
    void setForeColor(RgbColor c) override { fore = c; }
    RgbColor foreColor() const override { return fore; }
    void setLineWidth(int w) override { width = w; }
    void drawLine(int a, int b, int c, int d, RgbColor) override {
        lines.push_back({a, b, c, d, width});
    }
    void fillBox(int, int, int, int, RgbColor) override {}
    void drawCircle(int x, int y, int r, RgbColor o, RgbColor f) override {
        circles.push_back({x, y, r, o, f});
    }
    void setFont(const std::string&, double) override {}
    double textWidth(const std::string& s) const override { return 44.6 * double(s.size()); }
    double textHeight(const std::string&) const override { return 164.6; }
    void setCurrentPosition(int x, int y) override { posX = x, posY = y; }
    int currentX() const override { return posX; }
    int currentY() const override { return posY; }
    void print(const std::string& s) override { texts.push_back({s, posX, posY, fore}); }

    RgbColor fore = kBlack;
    int width = 1, posX = 0, posY = 0;
};
