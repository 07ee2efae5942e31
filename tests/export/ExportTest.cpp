// Exported pictures: the markers sit where the screen picture has them, scaled, in every format;
// SVG and PDF stay vector; PDF files and printed pages are one page with the two text lines;
// a failed export leaves the folder as it was.

#include "ExportSupport.h"
#include "PictureExporter.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

using namespace ExportSupport;

namespace {

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Globals::setDefaultSettings();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString path(const QString& strName) const { return dir.filePath(strName); }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    }
    QByteArray read(const QString& strName) const {
        QFile file(path(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void exportOrFail(const PictureContent& content, const QString& strName, int intScale) const {
        QString strError;
        ASSERT_TRUE(exportPicture(content, path(strName), intScale, strError))
            << strError.toStdString();
    }

    // The corner of the picture on a page rasterised at 192 dpi, given its hand-worked left
    // edge in points. The height of the text lines above it depends on the font, so the top is
    // found from the top string line (758 twips down, 2 pixels thick) in the empty space left of
    // the twelfth fret (7000 twips across), where no marker and no fret number lies.
    static QPointF pictureCorner(const QImage& page, double dblLeftPoints) {
        const double dblLeft = dblLeftPoints * 192 / 72;
        const int intColumn = static_cast<int>(dblLeft + 7000 / 15.0 * 2);
        for (int y = 0; y < page.height(); ++y) {
            if (page.pixelColor(intColumn, y).red() < 100) {
                return QPointF(dblLeft, y - (758 / 15.0 - 1) * 2);
            }
        }
        return QPointF(dblLeft, -1);
    }

    // A PDF written by the exporter or by a printer: one page of the expected size, the title
    // and interval lines as text, no images, the picture centred below the text.
    void expectPictureOnPage(const QString& strPdf, const QString& strPageSize, double dblPageWidth,
                             const std::string& strContext) const {
        const QString strInfo = runTool("pdfinfo", {strPdf});
        EXPECT_TRUE(strInfo.contains(QRegularExpression("Pages:\\s+1\\n"))) << strContext;
        EXPECT_TRUE(strInfo.contains(strPageSize)) << strContext << strInfo.toStdString();
        const QString strText = runTool("pdftotext", {strPdf, "-"});
        EXPECT_TRUE(strText.startsWith("C Ionian\n1,2,3,4,5,6,7\n")) << strText.toStdString();
        EXPECT_TRUE(strText.contains("12")) << "the fret numbers stay text";
        // pdfimages lists a two-line header and then one line per image.
        EXPECT_EQ(runTool("pdfimages", {"-list", strPdf}).count('\n'), 2) << strContext;

        // Margins of 15 mm (42.52 pt) and a 432.75 pt wide picture, centred.
        const double dblLeft = 42.52 + (dblPageWidth - 2 * 42.52 - 432.75) / 2;
        const QImage page = rasterisePdf(strPdf, path("page"));
        const QPointF ptCorner = pictureCorner(page, dblLeft);
        // Below the margin, the 14-point title and the 11-point intervals, and 18 points more.
        EXPECT_GT(ptCorner.y(), (42.52 + 14 + 11 + 18) * 192 / 72) << strContext;
        EXPECT_LT(ptCorner.y(), (42.52 + 2 * (14 + 11) + 18) * 192 / 72) << strContext;
        expectCIonianMarkers(page, ptCorner, 2, strContext);
    }

    QTemporaryDir dir;
};

TEST_F(ExportTest, ImagesAreDrawnAtTheirScaleWithTheMarkersInPlace) {
    for (const auto& [strName, intScale] : std::initializer_list<std::pair<QString, int>>{
             {"one.bmp", 1}, {"two.PNG", 2}, {"three.bmp", 3}, {"four.png", 4}}) {
        exportOrFail(cIonian(), strName, intScale);
        const QImage image(path(strName));
        EXPECT_EQ(image.size(), QSize(577, 225) * intScale) << strName.toStdString();
        expectCIonianMarkers(image, QPointF(0, 0), intScale, strName.toStdString());
    }
    EXPECT_TRUE(read("one.bmp").startsWith("BM"));
    EXPECT_TRUE(read("two.PNG").startsWith("\x89PNG"));
}

TEST_F(ExportTest, SvgRendersBackWithTheMarkersAtItsDeclaredSize) {
    for (const int intScale : {1, 3}) {
        const QString strName = QString("picture%1.svg").arg(intScale);
        exportOrFail(cIonian(), strName, intScale);
        QSvgRenderer renderer(path(strName));
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), QSize(577, 225) * intScale);
        EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 577, 225));
        QImage image(renderer.defaultSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        expectCIonianMarkers(image, QPointF(0, 0), intScale, strName.toStdString());
    }
}

TEST_F(ExportTest, SvgKeepsCirclesAndTextAsElements) {
    exportOrFail(cIonian(), "picture.svg", 2);
    const QString strSvg = QString::fromUtf8(read("picture.svg"));
    EXPECT_TRUE(strSvg.contains(R"(<svg width="1154" height="450")"));
    // Every open string of the default tuning is in C major, so each of the six strings has 7
    // markers over frets 0..11 and one more at fret 12.
    EXPECT_EQ(strSvg.count("<circle"), 48);
    // 12 fret numbers, 6 tuning names and the 48 interval codes.
    EXPECT_EQ(strSvg.count("<text"), 66);
    EXPECT_FALSE(strSvg.contains("<image"));
    EXPECT_TRUE(strSvg.contains("<title>C Ionian</title>"));
}

TEST_F(ExportTest, SvgEscapesTheTitle) {
    PictureContent content = cIonian();
    content.strTitle = "C <Mine> & \"yours\"";
    exportOrFail(content, "picture.svg", 1);
    QSvgRenderer renderer(path("picture.svg"));
    EXPECT_TRUE(renderer.isValid());
    EXPECT_TRUE(read("picture.svg").contains("&lt;Mine&gt; &amp;"));
}

TEST_F(ExportTest, PdfIsOnePageWithTheTextAndThePicture) {
    for (const auto& [locale, strSize, dblWidth] :
         std::initializer_list<std::tuple<QLocale, QString, double>>{
             {QLocale(QLocale::German, QLocale::Germany), "595 x 842 pts (A4)", 595.276},
             {QLocale(QLocale::English, QLocale::UnitedKingdom), "(A4)", 595.276},
             {QLocale(QLocale::English, QLocale::UnitedStates), "612 x 792 pts (letter)", 612}}) {
        QLocale::setDefault(locale);
        const QString strName = locale.name() + ".pdf";
        // The PDF ignores the scale factor.
        exportOrFail(cIonian(), strName, 3);
        expectPictureOnPage(path(strName), strSize, dblWidth, strName.toStdString());
    }
}

TEST_F(ExportTest, PrinterPrintsThePdfPage) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QPrinter printer(QPrinter::HighResolution);
    const PictureContent content = cIonian();
    preparePicturePrinter(printer, content);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    QString strError;
    ASSERT_TRUE(printPicture(content, printer, strError)) << strError.toStdString();
    expectPictureOnPage(path("printed.pdf"), "(A4)", 595.276, "printed");
}

TEST_F(ExportTest, FailuresExplainInOneLineAndLeaveTheFolderAsItWas) {
    QFile blocker(path("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("a file where a folder should be");
    blocker.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.svg"));
    QFile previous(path("previous.png"));
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("an earlier picture");
    previous.close();
    const QStringList collBefore = entries();

    for (const auto& [strName, intScale, strReason] :
         std::initializer_list<std::tuple<QString, int, const char*>>{
             {"picture.jpg", 1, "unsupported extension"},
             {"picture", 1, "no extension"},
             {"missing/picture.png", 1, "missing folder"},
             {"blocker/picture.pdf", 1, "a file in the folder's place"},
             {"folder.svg", 1, "a folder in the file's place"},
             {"previous.png", 0, "scale too small"},
             {"previous.png", 5, "scale too large"}}) {
        QString strError;
        EXPECT_FALSE(exportPicture(cIonian(), path(strName), intScale, strError)) << strReason;
        EXPECT_FALSE(strError.isEmpty()) << strReason;
        EXPECT_FALSE(strError.contains('\n')) << strReason;
        EXPECT_EQ(entries(), collBefore) << strReason;
    }
    EXPECT_EQ(read("previous.png"), "an earlier picture");

    PictureContent empty = cIonian();
    empty.scale.reset();
    QString strError;
    EXPECT_FALSE(exportPicture(empty, path("empty.png"), 1, strError));
    EXPECT_EQ(entries(), collBefore);
}

} // namespace
