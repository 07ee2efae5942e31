#include "PictureBox.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

// An overlay marker shows on screen over the picture but never enters the picture itself; a
// click reports its place in twips (15 to a pixel).
TEST(PictureBoxTest, OverlayShowsOnScreenOnlyAndClicksReportTwips) {
    PictureBox box(8655, 3375);
    box.surface().clear();
    const QImage before = box.surface().image().copy();
    box.setOverlay(OverlayLayer::ChosenNotes, {{1500, 1500, 150, {0, 0, 0}, {0, 120, 0}}});
    // The sounding note's layer lies over the chosen notes.
    box.setOverlay(OverlayLayer::SoundingNote, {{3000, 1500, 150, {0, 0, 0}, {200, 200, 0}}});
    box.setOverlay(OverlayLayer::ChosenNotes, {{1500, 1500, 150, {0, 0, 0}, {0, 120, 0}},
                                               {3000, 1500, 150, {0, 0, 0}, {0, 120, 0}}});
    const QImage screen = box.grab().toImage();
    EXPECT_EQ(screen.pixelColor(100, 100), QColor(0, 120, 0)); // the overlay's centre
    EXPECT_EQ(screen.pixelColor(120, 100), QColor(Qt::white)); // beyond its 10 px radius
    EXPECT_EQ(screen.pixelColor(200, 100), QColor(200, 200, 0));
    EXPECT_EQ(box.surface().image(), before);

    QSignalSpy spy(&box, &PictureBox::pictureClicked);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(50, 20));
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 10));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 750);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 300);
}
