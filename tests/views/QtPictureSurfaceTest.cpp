#include "QtPictureSurface.h"

#include "FretBoard.h"
#include "Globals.h"
#include "ScaleFixtures.h"

#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

TEST(QtPictureSurfaceTest, FretBoardPictureLinesAndTextExtents) {
    Globals::setDefaultSettings();
    QtPictureSurface surface(8655, 3375);
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.resetFretBoard();
    board.setScaleData(scaleOn("C3", "1,2,3,4,5,6,7"));
    board.drawScaleData();
    // 6 px left of and 5 px above a marker's centre
    // (1028 + 550 f - 275 - 90 twips, 758 twips), beside its code: C on the top string's eighth
    // fret is the root, D on its tenth another tone.
    const auto at = [&](int f) { return surface.image().pixelColor((663 + f * 550) / 15, 45); };
    EXPECT_EQ(at(8), QColor(153, 0, 0));
    EXPECT_EQ(at(10), QColor(102, 0, 0));
    EXPECT_EQ(surface.image().pixelColor(0, 0), QColor(Qt::white));

    // Line widths are in pixels: a width-3 line across the empty strip above the fret numbers.
    surface.setLineWidth(3);
    surface.drawLine(1500, 0, 1500, 150, kBlack);
    const auto* pixels = reinterpret_cast<const QRgb*>(surface.image().constScanLine(5));
    EXPECT_EQ(std::count(pixels, pixels + 577, qRgb(0, 0, 0)), 3);

    // Text extents are in twips, 15 to the pixel: the ink of a printed "b7" fits in them with at
    // most a few pixels to spare.
    surface.clear();
    surface.setFont("Tahoma", 8);
    surface.setForeColor(kBlack);
    surface.setCurrentPosition(1500, 1500);
    surface.print("b7");
    QRect ink;
    for (int y = 0; y < surface.image().height(); ++y) {
        for (int x = 0; x < surface.image().width(); ++x) {
            ink |= surface.image().pixelColor(x, y).lightness() < 160 ? QRect(x, y, 1, 1) : QRect();
        }
    }
    EXPECT_EQ(ink.left() >= 100 && ink.top() >= 100, true) << "ink left of or above the position";
    for (const auto& [dblExtent, intInk] :
         {std::pair{surface.textWidth("b7"), ink.right() - 99},
          std::pair{surface.textHeight("b7"), ink.bottom() - 99}}) {
        EXPECT_GE(dblExtent / 15, intInk);
        EXPECT_LE(dblExtent / 15, intInk + 5);
    }
}

// Markers are copied from cached renderings; they must look as if drawn in place at every
// sub-pixel position, blended over what lies beneath, on normal and HiDPI screens.
TEST(QtPictureSurfaceTest, CachedMarkersMatchMarkersDrawnInPlace) {
    for (const qreal dblRatio : {1.0, 2.0}) {
        QtPictureSurface surface(8655, 3375, dblRatio);
        surface.setBackColor(RgbColor{200, 200, 200});
        surface.setLineWidth(2);
        QImage reference = surface.image().copy();
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 2));
        for (int i = 0; i < 30; ++i) {
            const QPoint c(300 + 451 * i + i % 15, 400 + 1000 * (i % 3) + i % 7);
            const uint8_t intRed = i % 2 ? 102 : 153;
            surface.drawCircle(c.x(), c.y(), 150, kBlack, RgbColor{intRed, 0, 0});
            painter.setBrush(QColor(intRed, 0, 0));
            painter.drawEllipse(QPointF(c) / 15.0, 10.0, 10.0);
        }
        painter.end();
        const uchar *a = surface.image().constBits(), *b = reference.constBits();
        int intWorst = 0; // blending a cached coverage may round one step differently
        for (qsizetype n = 0; n < reference.sizeInBytes(); ++n) {
            intWorst = std::max(intWorst, std::abs(a[n] - b[n]));
        }
        EXPECT_LE(intWorst, 1) << "ratio " << dblRatio;
    }
}

// A zoomed picture is the same drawing at a finer resolution: after a new pixel ratio the surface
// draws exactly what a surface made at that ratio draws, at its size, while the views' twips and
// text measures stay those of the natural size. Markers cached at the old ratio must not come back.
TEST(QtPictureSurfaceTest, NewPixelRatioDrawsAfreshAtThatResolution) {
    Globals::setDefaultSettings();
    const auto draw = [](QtPictureSurface& surface) {
        FretBoard board;
        board.setFretBoardPicBox(surface);
        board.resetFretBoard();
        board.setScaleData(scaleOn("C3", "1,2,3,4,5,6,7"));
        board.drawScaleData();
        return surface.image().copy();
    };
    QtPictureSurface surface(8655, 3375);
    draw(surface);
    surface.setFont("Tahoma", 8);
    const double dblWidth = surface.textWidth("b7");
    const double dblHeight = surface.textHeight("b7");
    for (const auto& [dblRatio, size] : std::initializer_list<std::pair<qreal, QSize>>{
             {2.0, {1154, 450}}, {3.0, {1731, 675}}, {1.25, {721, 281}}, {1.0, {577, 225}}}) {
        surface.setPixelRatio(dblRatio);
        EXPECT_EQ(surface.image().size(), size) << dblRatio;
        EXPECT_EQ(surface.image().pixelColor(100, 100), QColor(Qt::white)) << "a blank picture";
        EXPECT_EQ(surface.pixelSize(), QSize(577, 225)) << "logical size";
        surface.setFont("Tahoma", 8);
        EXPECT_EQ(surface.textWidth("b7"), dblWidth);
        EXPECT_EQ(surface.textHeight("b7"), dblHeight);
        QtPictureSurface fresh(8655, 3375, dblRatio);
        EXPECT_TRUE(draw(surface) == draw(fresh)) << dblRatio;
    }
    // A marker on whole pixels has the same sub-pixel phase at every ratio: it must be drawn at
    // the new ratio, not taken from the markers drawn before.
    const auto drawMarker = [](QtPictureSurface& target) {
        target.drawCircle(1500, 1500, 150, kBlack, RgbColor{153, 0, 0});
        return target.image().copy();
    };
    QtPictureSurface surfaceMarker(8655, 3375);
    drawMarker(surfaceMarker);
    surfaceMarker.setPixelRatio(2.0);
    QtPictureSurface freshMarker(8655, 3375, 2.0);
    EXPECT_TRUE(drawMarker(surfaceMarker) == drawMarker(freshMarker));
    // At 2: the root marker on the top string's eighth fret, centred at (1028 + 8 * 550 - 275,
    // 758) = (5153, 758) twips, is filled at (5063, 683) twips, times 2 over 15: (675, 91).
    surface.setPixelRatio(2.0);
    draw(surface);
    EXPECT_EQ(surface.image().pixelColor(675, 91), QColor(153, 0, 0));
}
