#pragma once

#include "FretBoard.h"
#include "PictureSurface.h"
#include "ScaleFixtures.h"

#include <string>
#include <tuple>
#include <vector>

// x1, y1, x2, y2 and the line width in pixels.
using RecordedLine = std::tuple<int, int, int, int, int>;
// x, y, radius, outline, fill.
using RecordedCircle = std::tuple<int, int, int, RgbColor, RgbColor>;
// Text, x, y and colour.
using RecordedText = std::tuple<std::string, int, int, RgbColor>;
// Two corners and the fill colour.
using RecordedBox = std::tuple<int, int, int, int, RgbColor>;

// The main window's picture (8655 x 3375 twips) keeping what is drawn instead of pixels.
// Text measures are fractional, 45.4 twips a character and 164.6 high, so the views' rounding
// shows: half of a one-character code (45 x 165) is 22 x 82 and half of a two-character one (91)
// is 46 only when halves go to even; rounding halves up or cutting them off gives other values.
class RecordingSurface : public PictureSurface {
  public:
    std::vector<RecordedLine> lines;
    std::vector<RecordedCircle> circles;
    std::vector<RecordedText> texts;
    std::vector<RecordedBox> boxes;

    int outerWidth() const override { return 8655; }
    int outerHeight() const override { return 3375; }
    void clear() override { lines.clear(), circles.clear(), texts.clear(), boxes.clear(); }
    void setBackColor(RgbColor) override { clear(); }
    void setForeColor(RgbColor c) override { fore = c; }
    RgbColor foreColor() const override { return fore; }
    void setLineWidth(int w) override { width = w; }
    void drawLine(int a, int b, int c, int d, RgbColor) override {
        lines.push_back({a, b, c, d, width});
    }
    void fillBox(int a, int b, int c, int d, RgbColor f) override {
        boxes.push_back({a, b, c, d, f});
    }
    void drawCircle(int x, int y, int r, RgbColor o, RgbColor f) override {
        circles.push_back({x, y, r, o, f});
    }
    void setFont(const std::string&, double) override {}
    double textWidth(const std::string& s) const override { return 45.4 * double(s.size()); }
    double textHeight(const std::string&) const override { return 164.6; }
    void setCurrentPosition(int x, int y) override { posX = x, posY = y; }
    int currentX() const override { return posX; }
    int currentY() const override { return posY; }
    void print(const std::string& s) override { texts.push_back({s, posX, posY, fore}); }

    RgbColor fore = kBlack;
    int width = 1, posX = 0, posY = 0;
};

// A board drawn as the main window redraws it: a fresh board, reset, then the scale on its root.
struct Board {
    RecordingSurface surface;
    FretBoard board;
    explicit Board(const char* codes = "1", const char* root = "E3") {
        board.setFretBoardPicBox(surface);
        board.resetFretBoard();
        board.setScaleData(scaleOn(root, codes));
        board.drawScaleData();
    }
};
