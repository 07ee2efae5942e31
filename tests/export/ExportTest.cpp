// PDF files and printed pages are one page with the two text lines above the
// picture. The image formats, SVG and the failure paths are tested through the
// command line.

#include "../views/ScaleFixtures.h"
#include "Globals.h"
#include "PictureExporter.h"
#include "PicturePage.h"

#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// C Ionian on the default six-string fretboard, as the window starts.
PictureContent cIonian() {
    Globals::setDefaultSettings();
    return PictureContent{scaleOn("C3", "1,2,3,4,5,6,7"), 1, "C Ionian", "1,2,3,4,5,6,7"};
}

QString runTool(const QString& strProgram, const QStringList& args) {
    QProcess process;
    process.start(strProgram, args);
    return process.waitForFinished(30000) ? QString(process.readAllStandardOutput()) : QString();
}

// A PDF written by the exporter or by a printer: one page of the expected size,
// the title and interval lines as text and the picture as vectors, no images.
// Its markers are drawn as in the SVG file, whose are probed on the command line.
void expectPictureOnPage(const QString& strPdf, const QString& strPageSize) {
    SCOPED_TRACE(strPdf.toStdString());
    const QString strInfo = runTool("pdfinfo", {strPdf});
    EXPECT_TRUE(strInfo.contains(QRegularExpression("Pages:\\s+1\\n"))) << strInfo.toStdString();
    EXPECT_TRUE(strInfo.contains(strPageSize)) << strInfo.toStdString();
    const QString strText = runTool("pdftotext", {strPdf, "-"});
    EXPECT_TRUE(strText.startsWith("C Ionian\n1,2,3,4,5,6,7\n")) << strText.toStdString();
    EXPECT_TRUE(strText.contains("12")) << "the fret numbers stay text";
    // pdfimages lists a two-line header and then one line per image.
    EXPECT_EQ(runTool("pdfimages", {"-list", strPdf}).count('\n'), 2);
}

TEST(PdfExport, OnePageWithTheTextAndThePictureOnTheLocalesPaper) {
    QTemporaryDir dir;
    for (const auto& [locale, strSize] : std::initializer_list<std::pair<QLocale, QString>>{
             {QLocale(QLocale::German, QLocale::Germany), "595 x 842 pts (A4)"},
             {QLocale(QLocale::English, QLocale::UnitedKingdom), "(A4)"},
             {QLocale(QLocale::English, QLocale::UnitedStates), "612 x 792 pts (letter)"}}) {
        QLocale::setDefault(locale);
        const QString strPdf = dir.filePath(locale.name() + ".pdf");
        QString strError;
        // The PDF ignores the scale factor.
        ASSERT_TRUE(exportPicture(cIonian(), strPdf, 3, strError)) << strError.toStdString();
        expectPictureOnPage(strPdf, strSize);
    }
    // A printer prints the same page.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QPrinter printer(QPrinter::HighResolution);
    const PictureContent content = cIonian();
    printer.setPageLayout(picturePageLayout());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    QString strError;
    ASSERT_TRUE(printPicture(content, printer, strError)) << strError.toStdString();
    expectPictureOnPage(dir.filePath("printed.pdf"), "(A4)");
    QLocale::setDefault(QLocale::c());
}

// Where the parts of a page go, in points. The picture's natural size is 577 x
// 225 pixels at 96 dpi: 432.75 x 168.75 points.
TEST(PicturePage, LayoutFitsThePictureBelowTheText) {
    // The printable size, the heights of the title and interval lines, and the picture's place.
    const std::tuple<QSizeF, qreal, qreal, QRectF> kCases[] = {
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
    for (const auto& [sizePrintable, dblTitle, dblIntervals, rectPicture] : kCases) {
        const QRectF actual =
            PicturePage::layout(sizePrintable, dblTitle, dblIntervals).rectPicture;
        EXPECT_NEAR(actual.x(), rectPicture.x(), 0.01) << sizePrintable.width();
        EXPECT_NEAR(actual.y(), rectPicture.y(), 0.01) << sizePrintable.width();
        EXPECT_NEAR(actual.width(), rectPicture.width(), 0.01) << sizePrintable.width();
        EXPECT_NEAR(actual.height(), rectPicture.height(), 0.01) << sizePrintable.width();
    }
}

} // namespace
