// Where the parts of a printed page go, with hand-worked measures in points.

#include "PicturePage.h"

#include <gtest/gtest.h>

namespace {

void expectRect(const QRectF& actual, const QRectF& expected, const char* strWhat) {
    EXPECT_NEAR(actual.x(), expected.x(), 0.01) << strWhat;
    EXPECT_NEAR(actual.y(), expected.y(), 0.01) << strWhat;
    EXPECT_NEAR(actual.width(), expected.width(), 0.01) << strWhat;
    EXPECT_NEAR(actual.height(), expected.height(), 0.01) << strWhat;
}

TEST(PicturePage, NaturalSizeIs577By225PixelsAt96Dpi) {
    EXPECT_DOUBLE_EQ(PicturePage::naturalPictureSize().width(), 432.75);
    EXPECT_DOUBLE_EQ(PicturePage::naturalPictureSize().height(), 168.75);
}

TEST(PicturePage, LayoutPlacesTextAboveThePictureCentred) {
    struct Case {
        const char* strWhat;
        QSizeF sizePrintable;
        qreal dblTitle;
        qreal dblIntervals;
        QRectF rectIntervals;
        QRectF rectPicture;
    };
    for (const Case& c : {
             // A4 less 15 mm margins: natural size, centred ((510.24 - 432.75) / 2), placed
             // below title 16, gap 4, intervals 13 and a gap of 18.
             Case{
                 "A4", {510.24, 756.85}, 16, 13, {0, 20, 510.24, 13}, {38.745, 51, 432.75, 168.75}},
             // Narrower than the picture: fitted to the width, 168.75 * 300 / 432.75 high.
             // Without an interval line there is no gap for it either.
             Case{"narrow", {300, 800}, 16, 0, {0, 16, 300, 0}, {0, 34, 300, 116.985}},
             // Too short for the natural height: 58 points are left below the text.
             Case{"short", {500, 100}, 10, 10, {0, 14, 500, 10}, {175.628, 42, 148.744, 58}},
         }) {
        const PicturePageLayout layout =
            PicturePage::layout(c.sizePrintable, c.dblTitle, c.dblIntervals);
        expectRect(layout.rectTitle, QRectF(0, 0, c.sizePrintable.width(), c.dblTitle), c.strWhat);
        expectRect(layout.rectIntervals, c.rectIntervals, c.strWhat);
        expectRect(layout.rectPicture, c.rectPicture, c.strWhat);
    }
}

TEST(PicturePage, NoRoomLeavesAnEmptyPictureInsteadOfANegativeOne) {
    const PicturePageLayout layout = PicturePage::layout(QSizeF(400, 30), 20, 10);
    EXPECT_EQ(layout.rectPicture.size(), QSizeF(0, 0));
}

} // namespace
