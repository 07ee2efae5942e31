// The picture drawn in pixels (15 twips to a pixel) and the box that shows it.

#include "FretBoard.h"
#include "Globals.h"
#include "PictureBox.h"
#include "QtPictureSurface.h"
#include "ScaleFixtures.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// C Ionian on the default board: 6 px left of and 5 px above each marker centre on the top
// string (753 + 550 x fret, 758 twips), beside its code, the root's red or the other tones'.
TEST(QtPictureSurfaceTest, MarkersOfCIonianOnTheBoardAndLinesInPixels) {
    Globals::setDefaultSettings();
    QtPictureSurface surface(8655, 3375);
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.resetFretBoard();
    board.setScaleData(scaleOn("C3", "1,2,3,4,5,6,7"));
    // After a new pixel ratio (a zoom) the picture is drawn afresh at that resolution.
    for (const int ratio : {1, 2, 1}) {
        surface.setPixelRatio(ratio);
        board.resetFretBoard();
        board.drawScaleData();
        EXPECT_EQ(surface.image().size(), QSize(577 * ratio, 225 * ratio));
        for (const int fret : {0, 1, 3, 5, 7, 8, 10, 12}) {
            const QColor red = fret == 8 ? QColor(153, 0, 0) : QColor(102, 0, 0);
            const QPoint pixel((663 + fret * 550) * ratio / 15, 683 * ratio / 15);
            EXPECT_EQ(surface.image().pixelColor(pixel), red) << fret << " at " << ratio;
        }
    }
    EXPECT_EQ(surface.image().pixelColor(0, 0), QColor(Qt::white));
    // Line widths are in pixels: a width-3 line across the empty strip above the fret numbers.
    surface.setLineWidth(3);
    surface.drawLine(4500, 0, 4500, 150, kBlack);
    const auto* row = reinterpret_cast<const QRgb*>(surface.image().constScanLine(5));
    EXPECT_EQ(std::count(row, row + 577, qRgb(0, 0, 0)), 3);
}

// Markers are copied from cached renderings; they must look as if drawn in place at every
// sub-pixel position, blended over what lies beneath, on normal and HiDPI screens. The first
// lies on whole pixels at both ratios: after a zoom it is drawn anew, not taken from the cache.
TEST(QtPictureSurfaceTest, CachedMarkersMatchMarkersDrawnInPlace) {
    QtPictureSurface surface(8655, 3375);
    for (const qreal ratio : {1.0, 2.0}) {
        surface.setPixelRatio(ratio);
        surface.setBackColor(RgbColor{200, 200, 200});
        surface.setLineWidth(2);
        QImage reference = surface.image().copy();
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 2));
        for (int i = 0; i < 30; ++i) {
            const QPoint c(300 + 451 * i + i % 15, 405 + 1000 * (i % 3) + i % 7);
            const uint8_t red = i % 2 ? 102 : 153;
            surface.drawCircle(c.x(), c.y(), 150, kBlack, RgbColor{red, 0, 0});
            painter.setBrush(QColor(red, 0, 0));
            painter.drawEllipse(QPointF(c) / 15.0, 10.0, 10.0);
        }
        painter.end();
        // Blending a cached coverage may round one step differently.
        const uchar* bits = surface.image().constBits();
        EXPECT_TRUE(std::equal(bits, bits + reference.sizeInBytes(), reference.constBits(),
                               [](int a, int b) { return std::abs(a - b) <= 1; }))
            << "ratio " << ratio;
    }
}

// An overlay marker shows on screen over the picture but never enters the picture itself; a
// left click reports its place in twips.
TEST(PictureBoxTest, OverlayShowsOnScreenOnlyAndClicksReportTwips) {
    PictureBox box(8655, 3375);
    const QImage before = box.surface().image().copy();
    box.setOverlay(OverlayLayer::ChosenNotes, {{1500, 1500, 150, kBlack, {0, 120, 0}}});
    const QImage screen = box.grab().toImage();
    EXPECT_EQ(screen.pixelColor(100, 100), QColor(0, 120, 0));
    EXPECT_EQ(screen.pixelColor(120, 100), QColor(Qt::white)); // beyond its 10 px radius
    EXPECT_EQ(box.surface().image(), before);
    QSignalSpy spy(&box, &PictureBox::pictureClicked);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(50, 20));
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 10));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 750);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 300);
}

} // namespace
