#include "ZoomLevel.h"

#include <algorithm>

ZoomLevel ZoomLevel::fromPercent(int intPercent) {
    const bool boolStep =
        std::find(kStepsPercent.begin(), kStepsPercent.end(), intPercent) != kStepsPercent.end();
    return ZoomLevel(boolStep ? intPercent : kActualSizePercent);
}

std::size_t ZoomLevel::stepIndex() const {
    return static_cast<std::size_t>(
        std::find(kStepsPercent.begin(), kStepsPercent.end(), intPercent) - kStepsPercent.begin());
}

bool ZoomLevel::canZoomIn() const {
    return stepIndex() + 1 < kStepsPercent.size();
}

bool ZoomLevel::canZoomOut() const {
    return stepIndex() > 0;
}

ZoomLevel ZoomLevel::zoomedIn() const {
    return canZoomIn() ? ZoomLevel(kStepsPercent[stepIndex() + 1]) : *this;
}

ZoomLevel ZoomLevel::zoomedOut() const {
    return canZoomOut() ? ZoomLevel(kStepsPercent[stepIndex() - 1]) : *this;
}
