// Vector exports: SVG keeps circles and text as elements; PDF files and printed
// pages are one page with the two text lines above the picture, whose markers
// sit where the screen has them. The image formats, SVG drawn back and the
// failure paths are tested through the command line.

#include "Globals.h"
#include "PictureExporter.h"
#include "PicturePage.h"
#include "SimpleNote.h"
#include "StandardScale.h"

#include <QColor>
#include <QImage>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// C Ionian on the default six-string fretboard, as the window starts.
PictureContent cIonian() {
    Globals::setDefaultSettings();
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(0, 0);
    auto scale = std::make_shared<StandardScale>();
    scale->setScale("1,2,3,4,5,6,7");
    scale->setRootNote(noteRoot);
    return PictureContent{scale, 1, "C Ionian", "1,2,3,4,5,6,7"};
}

QString runTool(const QString& strProgram, const QStringList& args) {
    QProcess process;
    process.start(strProgram, args);
    return process.waitForFinished(30000) ? QString(process.readAllStandardOutput()) : QString();
}

// The corner of the picture on a page rasterised at 192 dpi (a picture pixel,
// 0.75 pt, is two raster pixels), given its hand-worked left edge in points.
// The height of the text lines above it depends on the font, so the top is
// found from the top string line (758 twips down, 2 pixels thick) left of the
// twelfth fret (7000 twips across), where no marker and no fret number lies.
QPointF pictureCorner(const QImage& page, double dblLeftPoints) {
    const double dblLeft = dblLeftPoints * 192 / 72;
    for (int y = 0; y < page.height(); ++y) {
        if (page.pixelColor(static_cast<int>(dblLeft + 7000 / 15.0 * 2), y).red() < 100) {
            return QPointF(dblLeft, y - (758 / 15.0 - 1) * 2);
        }
    }
    return QPointF(dblLeft, -1);
}

// A PDF written by the exporter or by a printer: one page of the expected size,
// the title and interval lines as text, no images, the picture centred below
// the text with its markers.
void expectPictureOnPage(const QString& strPdf, const QString& strPageSize, double dblPageWidth) {
    SCOPED_TRACE(strPdf.toStdString());
    const QString strInfo = runTool("pdfinfo", {strPdf});
    EXPECT_TRUE(strInfo.contains(QRegularExpression("Pages:\\s+1\\n"))) << strInfo.toStdString();
    EXPECT_TRUE(strInfo.contains(strPageSize)) << strInfo.toStdString();
    const QString strText = runTool("pdftotext", {strPdf, "-"});
    EXPECT_TRUE(strText.startsWith("C Ionian\n1,2,3,4,5,6,7\n")) << strText.toStdString();
    EXPECT_TRUE(strText.contains("12")) << "the fret numbers stay text";
    // pdfimages lists a two-line header and then one line per image.
    EXPECT_EQ(runTool("pdfimages", {"-list", strPdf}).count('\n'), 2);

    // Margins of 15 mm (42.52 pt) and a 432.75 pt wide picture, centred.
    runTool("pdftoppm", {"-r", "192", "-png", "-singlefile", strPdf, strPdf});
    const QImage page(strPdf + ".png");
    const QPointF ptCorner = pictureCorner(page, 42.52 + (dblPageWidth - 2 * 42.52 - 432.75) / 2);
    // Below the margin, the 14-point title and the 11-point intervals, and 18
    // points more.
    EXPECT_GT(ptCorner.y(), (42.52 + 14 + 11 + 18) * 192 / 72);
    EXPECT_LT(ptCorner.y(), (42.52 + 2 * (14 + 11) + 18) * 192 / 72);
    // Marker centres in twips on the default board (nut at 1028, a marker at 753
    // + 550 f, the high E string at y 758, the B string at 1108, the low E at
    // 2508), each looked at 6 pixels left of and 5 above its centre: C on the B
    // string at fret 1, E open and A on the low E string at fret 5, F# on the
    // high E string at fret 2, which is not in the scale.
    const struct {
        int intX;
        int intY;
        QColor colour;
    } kMarkers[] = {{1303, 1108, QColor(153, 0, 0)},
                    {753, 758, QColor(102, 0, 0)},
                    {3503, 2508, QColor(102, 0, 0)},
                    {1853, 758, QColor(255, 255, 255)}};
    for (const auto& marker : kMarkers) {
        const QPointF pt = ptCorner + QPointF(marker.intX / 15.0 - 6, marker.intY / 15.0 - 5) * 2;
        const QColor actual = page.pixelColor(static_cast<int>(pt.x()), static_cast<int>(pt.y()));
        // Within what antialiasing and rasterising leave.
        EXPECT_LE(std::max({std::abs(actual.red() - marker.colour.red()),
                            std::abs(actual.green() - marker.colour.green()),
                            std::abs(actual.blue() - marker.colour.blue())}),
                  24)
            << marker.intX << ", " << marker.intY << ": " << actual.name().toStdString();
    }
}

TEST(PdfExport, OnePageWithTheTextAndThePictureOnTheLocalesPaper) {
    QTemporaryDir dir;
    for (const auto& [locale, strSize, dblWidth] :
         std::initializer_list<std::tuple<QLocale, QString, double>>{
             {QLocale(QLocale::German, QLocale::Germany), "595 x 842 pts (A4)", 595.276},
             {QLocale(QLocale::English, QLocale::UnitedKingdom), "(A4)", 595.276},
             {QLocale(QLocale::English, QLocale::UnitedStates), "612 x 792 pts (letter)", 612}}) {
        QLocale::setDefault(locale);
        const QString strPdf = dir.filePath(locale.name() + ".pdf");
        QString strError;
        // The PDF ignores the scale factor.
        ASSERT_TRUE(exportPicture(cIonian(), strPdf, 3, strError)) << strError.toStdString();
        expectPictureOnPage(strPdf, strSize, dblWidth);
    }
    // A printer prints the same page.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QPrinter printer(QPrinter::HighResolution);
    const PictureContent content = cIonian();
    preparePicturePrinter(printer, content);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    QString strError;
    ASSERT_TRUE(printPicture(content, printer, strError)) << strError.toStdString();
    expectPictureOnPage(dir.filePath("printed.pdf"), "(A4)", 595.276);
    QLocale::setDefault(QLocale::c());
}

// Where the parts of a page go, in points. The picture's natural size is 577 x
// 225 pixels at 96 dpi: 432.75 x 168.75 points; the page test above has it at
// that size, centred.
TEST(PicturePage, LayoutFitsThePictureBelowTheText) {
    const struct {
        QSizeF sizePrintable;
        qreal dblTitle;
        qreal dblIntervals;
        QRectF rectPicture;
    } kCases[] = {
        // Narrower than the picture: fitted to the width, 168.75 * 300 / 432.75
        // high, below
        // title 16 and a gap of 18 (no interval line, so no gap for it either).
        {{300, 800}, 16, 0, {0, 34, 300, 116.985}},
        // Too short for the natural height: 58 points are left below title 10,
        // gap 4,
        // intervals 10 and 18; the width follows, centred.
        {{500, 100}, 10, 10, {175.628, 42, 148.744, 58}},
        // No room at all: an empty picture, never a negative one.
        {{400, 30}, 20, 10, {200, 52, 0, 0}},
    };
    for (const auto& c : kCases) {
        const QRectF actual =
            PicturePage::layout(c.sizePrintable, c.dblTitle, c.dblIntervals).rectPicture;
        EXPECT_NEAR(actual.x(), c.rectPicture.x(), 0.01) << c.sizePrintable.width();
        EXPECT_NEAR(actual.y(), c.rectPicture.y(), 0.01) << c.sizePrintable.width();
        EXPECT_NEAR(actual.width(), c.rectPicture.width(), 0.01) << c.sizePrintable.width();
        EXPECT_NEAR(actual.height(), c.rectPicture.height(), 0.01) << c.sizePrintable.width();
    }
}

} // namespace
