#pragma once

#include <array>

// The window's zoom: one of a few fixed steps, in percent of the window's natural size. A value
// from outside (stored preferences) that is not a step reads as the natural size, so a damaged
// preference can never make the window huge, tiny or unusable.
class ZoomLevel {
  public:
    static constexpr std::array<int, 6> kStepsPercent{100, 125, 150, 200, 250, 300};
    static constexpr int kActualSizePercent = 100;

    ZoomLevel() = default;
    static ZoomLevel fromPercent(int intPercent);

    int percent() const { return intPercent; }
    double factor() const { return intPercent / 100.0; }
    bool isActualSize() const { return intPercent == kActualSizePercent; }

    bool canZoomIn() const;
    bool canZoomOut() const;
    // The next step up or down; the largest and smallest step stay where they are.
    ZoomLevel zoomedIn() const;
    ZoomLevel zoomedOut() const;

    bool operator==(const ZoomLevel&) const = default;

  private:
    explicit ZoomLevel(int intPercent) : intPercent(intPercent) {}
    std::size_t stepIndex() const;

    int intPercent = kActualSizePercent;
};
