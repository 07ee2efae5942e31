// The zoom steps 100, 125, 150, 200, 250 and 300 %, walked up and down, and what a stored value
// that is no step turns into. (That the ends grey their menu items is checked on the window.)

#include "ZoomLevel.h"

#include <gtest/gtest.h>
#include <vector>

TEST(ZoomLevelTest, WalksTheStepsAndStaysAtTheEnds) {
    ZoomLevel zoom;
    std::vector<int> collPercent;
    for (int i = 0; i < 6; ++i) {
        zoom = zoom.zoomedIn();
        collPercent.push_back(zoom.percent());
    }
    for (int i = 0; i < 6; ++i) {
        zoom = zoom.zoomedOut();
        collPercent.push_back(zoom.percent());
    }
    EXPECT_EQ(collPercent,
              (std::vector<int>{125, 150, 200, 250, 300, 300, 250, 200, 150, 125, 100, 100}));
    // A damaged or hand-edited preference: between steps, beyond them, zero, negative, huge.
    for (const int intPercent : {0, -100, 99, 101, 175, 301, 2147483647}) {
        EXPECT_EQ(ZoomLevel::fromPercent(intPercent).percent(), 100) << intPercent;
    }
}
