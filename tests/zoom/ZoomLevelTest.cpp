// The zoom steps: 100, 125, 150, 200, 250 and 300 %, walked up and down, and what a stored
// value that is no step turns into.

#include "ZoomLevel.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Every percentage met on the way from start, taking the steps one after the other.
std::vector<int> walk(ZoomLevel zoom, ZoomLevel (ZoomLevel::*step)() const, int intSteps) {
    std::vector<int> collPercent;
    for (int i = 0; i < intSteps; ++i) {
        zoom = (zoom.*step)();
        collPercent.push_back(zoom.percent());
    }
    return collPercent;
}

} // namespace

TEST(ZoomLevelTest, StartsAtActualSize) {
    const ZoomLevel zoom;
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_DOUBLE_EQ(zoom.factor(), 1.0);
    EXPECT_TRUE(zoom.isActualSize());
    EXPECT_TRUE(zoom.canZoomIn());
    EXPECT_FALSE(zoom.canZoomOut());
}

TEST(ZoomLevelTest, StepsUpStopAtThreeHundred) {
    // Seven steps up from 100 %: the last two stay at the largest step.
    EXPECT_EQ(walk(ZoomLevel(), &ZoomLevel::zoomedIn, 7),
              (std::vector<int>{125, 150, 200, 250, 300, 300, 300}));
    const ZoomLevel zoomLargest = ZoomLevel::fromPercent(300);
    EXPECT_FALSE(zoomLargest.canZoomIn());
    EXPECT_TRUE(zoomLargest.canZoomOut());
    EXPECT_DOUBLE_EQ(zoomLargest.factor(), 3.0);
}

TEST(ZoomLevelTest, StepsDownStopAtActualSize) {
    EXPECT_EQ(walk(ZoomLevel::fromPercent(300), &ZoomLevel::zoomedOut, 6),
              (std::vector<int>{250, 200, 150, 125, 100, 100}));
    EXPECT_EQ(ZoomLevel::fromPercent(125).zoomedOut(), ZoomLevel());
}

TEST(ZoomLevelTest, EveryStepReadsBackAsItself) {
    for (const auto& [intPercent, dblFactor] : std::initializer_list<std::pair<int, double>>{
             {100, 1.0}, {125, 1.25}, {150, 1.5}, {200, 2.0}, {250, 2.5}, {300, 3.0}}) {
        const ZoomLevel zoom = ZoomLevel::fromPercent(intPercent);
        EXPECT_EQ(zoom.percent(), intPercent);
        EXPECT_DOUBLE_EQ(zoom.factor(), dblFactor) << intPercent;
        EXPECT_EQ(zoom.isActualSize(), intPercent == 100) << intPercent;
    }
}

TEST(ZoomLevelTest, StoredValuesThatAreNoStepMeanActualSize) {
    // A damaged or hand-edited preference: between steps, beyond them, zero, negative, huge.
    for (const int intPercent : {0, -100, 99, 101, 175, 301, 400, 1000, 2147483647}) {
        EXPECT_EQ(ZoomLevel::fromPercent(intPercent).percent(), 100) << intPercent;
    }
}
