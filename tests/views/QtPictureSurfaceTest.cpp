#include "QtPictureSurface.h"

#include "ClassicFonts.h"
#include "FretBoard.h"
#include "Globals.h"
#include "PictureBox.h"
#include "ScaleFixtures.h"

#include <QApplication>
#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 8655;
constexpr int kHeight = 3375;

QColor pixelAtTwips(const QImage& image, int x, int y) {
    return image.pixelColor(x / QtPictureSurface::kTwipsPerPixel,
                            y / QtPictureSurface::kTwipsPerPixel);
}

// Device pixels in row intRow that are not white.
int inkedPixelsInRow(const QImage& image, int intRow) {
    int intCount = 0;
    for (int x = 0; x < image.width(); ++x) {
        intCount += image.pixelColor(x, intRow) != Qt::white ? 1 : 0;
    }
    return intCount;
}

class QtPictureSurfaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        installClassicFonts();
        Globals::setDefaultSettings();
    }
};

TEST_F(QtPictureSurfaceTest, DesignSizeMapsFifteenTwipsToAPixel) {
    QtPictureSurface surface(kWidth, kHeight);
    EXPECT_EQ(surface.outerWidth(), kWidth);
    EXPECT_EQ(surface.outerHeight(), kHeight);
    EXPECT_EQ(surface.pixelSize(), QSize(577, 225));
    EXPECT_EQ(surface.image().size(), QSize(577, 225));

    // On a HiDPI screen the image has more device pixels but the same logical size.
    QtPictureSurface sharp(kWidth, kHeight, 2.0);
    EXPECT_EQ(sharp.image().size(), QSize(1154, 450));
    EXPECT_EQ(sharp.pixelSize(), QSize(577, 225));
}

TEST_F(QtPictureSurfaceTest, CIonianMarkersAreRedOnWhite) {
    QtPictureSurface surface(kWidth, kHeight);
    FretBoard board;
    board.setFretBoardPicBox(surface);
    board.resetFretBoard();
    board.setScaleData(scaleOn(C, 0, kIonian));
    board.drawScaleData();
    const QImage& image = surface.image();

    const QColor kDarkRed(102, 0, 0);
    const QColor kRootRed(153, 0, 0);
    int intMarkers = 0;
    for (int i = 1; i <= 6; ++i) {
        const int y = 758 + (i - 1) * 350;
        for (int f = 0; f <= 12; ++f) {
            const int intPitch = (Globals::Tuning(i)->Pitch() + f) % 12;
            const bool boolInScale =
                intPitch != 1 && intPitch != 3 && intPitch != 6 && intPitch != 8 && intPitch != 10;
            if (!boolInScale) {
                continue;
            }
            ++intMarkers;
            // The interval code covers the exact centre; 90 twips (6 px) to its left the
            // marker shows its fill.
            const int x = 1028 + f * 550 - 275 - 90;
            EXPECT_EQ(pixelAtTwips(image, x, y), intPitch == 0 ? kRootRed : kDarkRed)
                << "string " << i << " fret " << f;
        }
    }
    EXPECT_EQ(intMarkers, 48);

    // Corners and the middle of the empty strip above the fret numbers stay background.
    for (const QPoint& pt :
         {QPoint(0, 0), QPoint(576, 0), QPoint(0, 224), QPoint(576, 224), QPoint(288, 5)}) {
        EXPECT_EQ(image.pixelColor(pt), QColor(Qt::white)) << pt.x() << ',' << pt.y();
    }
}

// Markers are copied from cached renderings; they must look as if drawn in place, whatever the
// sub-pixel position, over the string line they sit on, on normal and HiDPI screens.
TEST_F(QtPictureSurfaceTest, CachedCirclesMatchCirclesDrawnInPlace) {
    for (const qreal dblRatio : {1.0, 2.0}) {
        QtPictureSurface surface(kWidth, kHeight, dblRatio);
        QImage reference = surface.image().copy();
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::Antialiasing, true);
        surface.setLineWidth(2);
        painter.setPen(QPen(Qt::black, 2));
        for (int i = 0; i < 30; ++i) {
            // Every twip phase within a pixel, two colours.
            const int x = 300 + 451 * i + i % 15;
            const int y = 400 + 1000 * (i % 3) + i % 7;
            const RgbColor longFill = i % 2 ? RgbColor{102, 0, 0} : RgbColor{153, 0, 0};
            surface.drawLine(x - 300, y, x + 300, y, kBlack);
            surface.drawCircle(x, y, 150, kBlack, longFill);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(QLineF(x / 15.0 - 20, y / 15.0, x / 15.0 + 20, y / 15.0));
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(Qt::black, 2));
            painter.setBrush(QColor(longFill.red, longFill.green, longFill.blue));
            painter.drawEllipse(QPointF(x / 15.0, y / 15.0), 10.0, 10.0);
        }
        painter.end();
        const QImage& image = surface.image();
        ASSERT_EQ(image.size(), reference.size());
        int intWorst = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor a = image.pixelColor(x, y);
                const QColor b = reference.pixelColor(x, y);
                intWorst =
                    std::max({intWorst, std::abs(a.red() - b.red()),
                              std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            }
        }
        // Blending a cached coverage may round one step differently, never more.
        EXPECT_LE(intWorst, 1) << "ratio " << dblRatio;
    }
}

TEST_F(QtPictureSurfaceTest, LineWidthIsInPixels) {
    for (const qreal dblRatio : {1.0, 2.0}) {
        QtPictureSurface surface(kWidth, kHeight, dblRatio);
        surface.setLineWidth(3);
        surface.drawLine(1500, 150, 1500, 3000, kBlack); // x = 100 px
        surface.setLineWidth(2);
        surface.drawLine(4500, 150, 4500, 3000, kBlack); // x = 300 px
        const QImage& image = surface.image();
        const int intRow = static_cast<int>(100 * dblRatio);
        EXPECT_EQ(inkedPixelsInRow(image, intRow), static_cast<int>(5 * dblRatio))
            << "ratio " << dblRatio;
        int intLeftmost = 0;
        while (image.pixelColor(intLeftmost, intRow) == Qt::white) {
            ++intLeftmost;
        }
        for (int x = intLeftmost; x < intLeftmost + static_cast<int>(3 * dblRatio); ++x) {
            EXPECT_EQ(image.pixelColor(x, intRow), QColor(Qt::black));
        }
        EXPECT_NEAR(intLeftmost / dblRatio, 100, 2);
    }
}

TEST_F(QtPictureSurfaceTest, TextExtentsComeBackInTwipsWhateverTheScreen) {
    QtPictureSurface surface(kWidth, kHeight);
    surface.setFont("Tahoma", 8);
    // 8 point at 96 dpi is about 10.7 px; a line is a bit more, about 12 to 14 px.
    const double dblHeight = surface.textHeight("b7");
    EXPECT_GT(dblHeight, 150);
    EXPECT_LT(dblHeight, 250);
    const double dblWidth = surface.textWidth("b7");
    EXPECT_GT(dblWidth, 75);
    EXPECT_LT(dblWidth, 300);
    EXPECT_EQ(surface.textWidth(""), 0);

    // A bigger font measures bigger; going back to the first font gives the first measures.
    surface.setFont("MS Sans Serif", 16);
    EXPECT_GT(surface.textWidth("b7"), 1.5 * dblWidth);
    surface.setFont("Tahoma", 8);
    EXPECT_EQ(surface.textWidth("b7"), dblWidth);

    QtPictureSurface sharp(kWidth, kHeight, 2.0);
    sharp.setFont("Tahoma", 8);
    EXPECT_EQ(sharp.textWidth("b7"), dblWidth);
    EXPECT_EQ(sharp.textHeight("b7"), dblHeight);
}

TEST_F(QtPictureSurfaceTest, TextHangsBelowAndRightOfTheCurrentPosition) {
    QtPictureSurface surface(kWidth, kHeight);
    surface.setFont("Tahoma", 8);
    surface.setForeColor(kBlack);
    surface.setCurrentPosition(1500, 1500); // 100 px, 100 px
    EXPECT_EQ(surface.currentX(), 1500);
    EXPECT_EQ(surface.currentY(), 1500);
    surface.print("E");
    const QImage& image = surface.image();
    int intTop = image.height();
    int intBottom = -1;
    int intLeft = image.width();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != Qt::white) {
                intTop = std::min(intTop, y);
                intBottom = std::max(intBottom, y);
                intLeft = std::min(intLeft, x);
            }
        }
    }
    const double dblLinePixels = surface.textHeight("E") / QtPictureSurface::kTwipsPerPixel;
    ASSERT_GE(intBottom, 0) << "nothing printed";
    EXPECT_GE(intTop, 100);
    EXPECT_LE(intBottom, 100 + dblLinePixels);
    EXPECT_GE(intLeft, 100);
    EXPECT_LE(intLeft, 103);
}

TEST_F(QtPictureSurfaceTest, NewBackgroundColourErasesThePicture) {
    QtPictureSurface surface(kWidth, kHeight);
    surface.fillBox(0, 0, 3000, 3000, kBlack);
    EXPECT_EQ(surface.image().pixelColor(10, 10), QColor(Qt::black));
    surface.setBackColor(RgbColor{0, 0, 255});
    EXPECT_EQ(surface.image().pixelColor(10, 10), QColor(Qt::blue));
    surface.fillBox(0, 0, 3000, 3000, kBlack);
    surface.clear();
    EXPECT_EQ(surface.image().pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(surface.image().pixelColor(576, 224), QColor(Qt::blue));
}

TEST_F(QtPictureSurfaceTest, PictureBoxShowsItsSurface) {
    PictureBox box(kWidth, kHeight);
    EXPECT_EQ(box.size(), QSize(577, 225));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    box.surface().clear();
    box.surface().fillBox(1500, 1500, 3000, 3000, RgbColor{0, 128, 0});
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(150 * shown.width() / 577, 150 * shown.height() / 225),
              QColor(0, 128, 0));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(QtPictureSurfaceTest, ClassicFacesFallBackToLiberation) {
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(QApplication::font().pointSizeF(), 8.25);
    // Qt keeps substitute names in lower case.
    EXPECT_EQ(QFont::substitutes(QStringLiteral("Tahoma")),
              QStringList({QStringLiteral("liberation sans"), QStringLiteral("dejavu sans")}));
    EXPECT_EQ(QFont::substitutes(QStringLiteral("Courier New")).value(0),
              QStringLiteral("liberation mono"));
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        GTEST_SKIP() << "Liberation fonts are not installed";
    }
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(),
              QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Tahoma"))).family(),
              QStringLiteral("Liberation Sans"));
}

} // namespace
