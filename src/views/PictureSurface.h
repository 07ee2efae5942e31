#pragma once

#include <cstdint>
#include <string>

// A colour as red, green, blue, each 0..255.
struct RgbColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

inline constexpr RgbColor kBlack{0, 0, 0};
inline constexpr RgbColor kWhite{255, 255, 255};

// The drawing area the instrument views draw on. Coordinates and text extents are in twips
// (1440 per inch); line widths are in pixels. The image persists between drawings until clear().
class PictureSurface {
  public:
    virtual ~PictureSurface() = default;

    virtual int outerWidth() const = 0;
    virtual int outerHeight() const = 0;

    // Fills the whole picture with the background colour.
    virtual void clear() = 0;
    virtual void setBackColor(RgbColor longColor) = 0;
    virtual void setForeColor(RgbColor longColor) = 0;
    virtual RgbColor foreColor() const = 0;
    virtual void setLineWidth(int intPixels) = 0;

    virtual void drawLine(int x1, int y1, int x2, int y2, RgbColor longColor) = 0;
    // A box filled with longColor between the two corners.
    virtual void fillBox(int x1, int y1, int x2, int y2, RgbColor longColor) = 0;
    // A solidly filled circle with an outline of the current line width.
    virtual void drawCircle(int x, int y, int intRadius, RgbColor longOutline,
                            RgbColor longFill) = 0;

    virtual void setFont(const std::string& strName, double dblPoints) = 0;
    virtual double textWidth(const std::string& strText) const = 0;
    virtual double textHeight(const std::string& strText) const = 0;

    // Text is printed with its top-left corner at the current position, in the foreground colour.
    virtual void setCurrentPosition(int x, int y) = 0;
    virtual int currentX() const = 0;
    virtual int currentY() const = 0;
    virtual void print(const std::string& strText) = 0;
};
