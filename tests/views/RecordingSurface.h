#pragma once

#include "PictureSurface.h"

#include <ostream>
#include <string>
#include <vector>

inline std::ostream& operator<<(std::ostream& os, const RgbColor& c) {
    return os << '(' << int{c.red} << ',' << int{c.green} << ',' << int{c.blue} << ')';
}

struct RecordedLine {
    int x1, y1, x2, y2;
    RgbColor color;
    int intWidth;
};

struct RecordedBox {
    int x1, y1, x2, y2;
    RgbColor color;
};

struct RecordedCircle {
    int x, y, intRadius;
    RgbColor outline, fill;
    int intWidth;
};

struct RecordedText {
    int x, y;
    std::string strText;
    std::string strFont;
    double dblPoints;
    RgbColor color;
};

// A picture surface that keeps what is drawn on it instead of pixels. Like a real picture,
// clear() and setBackColor() erase the drawings; the call log keeps everything. Text measures
// are fractional (44.6 twips per character, 164.6 high) so that the views' rounding shows:
// a one-character code is 45 wide and 165 high, half of which rounds to 22 and 82.
class RecordingSurface : public PictureSurface {
  public:
    static constexpr double kCharWidth = 44.6;
    static constexpr double kLineHeight = 164.6;

    explicit RecordingSurface(int intWidth = 8655, int intHeight = 3375)
        : intWidth(intWidth), intHeight(intHeight) {}

    std::vector<std::string> collCalls;
    std::vector<RecordedLine> collLines;
    std::vector<RecordedBox> collBoxes;
    std::vector<RecordedCircle> collCircles;
    std::vector<RecordedText> collTexts;
    RgbColor longBackColor = kWhite;

    int outerWidth() const override { return intWidth; }
    int outerHeight() const override { return intHeight; }

    void clear() override {
        collCalls.push_back("clear");
        erase();
    }
    void setBackColor(RgbColor longColor) override {
        collCalls.push_back("setBackColor");
        longBackColor = longColor;
        erase();
    }
    void setForeColor(RgbColor longColor) override {
        collCalls.push_back("setForeColor");
        longForeColor = longColor;
    }
    RgbColor foreColor() const override { return longForeColor; }
    void setLineWidth(int intPixels) override {
        collCalls.push_back("setLineWidth");
        intLineWidth = intPixels;
    }

    void drawLine(int x1, int y1, int x2, int y2, RgbColor longColor) override {
        collCalls.push_back("drawLine");
        collLines.push_back({x1, y1, x2, y2, longColor, intLineWidth});
    }
    void fillBox(int x1, int y1, int x2, int y2, RgbColor longColor) override {
        collCalls.push_back("fillBox");
        collBoxes.push_back({x1, y1, x2, y2, longColor});
    }
    void drawCircle(int x, int y, int intRadius, RgbColor longOutline, RgbColor longFill) override {
        collCalls.push_back("drawCircle");
        collCircles.push_back({x, y, intRadius, longOutline, longFill, intLineWidth});
    }

    void setFont(const std::string& strName, double dblPoints) override {
        collCalls.push_back("setFont");
        strFont = strName;
        dblFontPoints = dblPoints;
    }
    double textWidth(const std::string& strText) const override {
        return kCharWidth * static_cast<double>(strText.size());
    }
    double textHeight(const std::string& /*strText*/) const override { return kLineHeight; }

    void setCurrentPosition(int x, int y) override {
        collCalls.push_back("setCurrentPosition");
        intX = x;
        intY = y;
    }
    int currentX() const override { return intX; }
    int currentY() const override { return intY; }
    void print(const std::string& strText) override {
        collCalls.push_back("print");
        collTexts.push_back({intX, intY, strText, strFont, dblFontPoints, longForeColor});
    }

  private:
    void erase() {
        collLines.clear();
        collBoxes.clear();
        collCircles.clear();
        collTexts.clear();
    }

    int intWidth;
    int intHeight;
    RgbColor longForeColor = kBlack;
    int intLineWidth = 1;
    std::string strFont;
    double dblFontPoints = 0;
    int intX = 0;
    int intY = 0;
};
