#include "PictureExporter.h"

#include "AtomicFile.h"
#include "ClassicFonts.h"
#include "OutputDevices.h"
#include "PainterSurface.h"
#include "PicturePage.h"
#include "QtPictureSurface.h"
#include "ScalePicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <optional>

namespace {

constexpr int kPictureWidth = kScalePictureTwipsWidth / QtPictureSurface::kTwipsPerPixel;
constexpr int kPictureHeight = kScalePictureTwipsHeight / QtPictureSurface::kTwipsPerPixel;
// Screen pictures are tagged 96 dpi, so a scaled one keeps the same size on paper.
constexpr int kDotsPerMeter = 3780;
constexpr qreal kPageMarginMillimetres = 15.0;

std::optional<QByteArray> renderImage(const PictureContent& content, int intScaleFactor,
                                      const char* strFormat) {
    QtPictureSurface surface(kScalePictureTwipsWidth, kScalePictureTwipsHeight, intScaleFactor);
    drawScalePicture(surface, content.scale, content.intInstrument);
    QImage image = surface.image();
    if (intScaleFactor != 1) {
        image.setDotsPerMeterX(kDotsPerMeter * intScaleFactor);
        image.setDotsPerMeterY(kDotsPerMeter * intScaleFactor);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, strFormat);
    if (!writer.write(image)) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> renderSvg(const PictureContent& content, int intScaleFactor,
                                    OutputDevices& devices) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // The generator writes title and description as they are, but they are XML text.
    const std::unique_ptr<QPaintDevice> generator =
        devices.createSvgGenerator(buffer, QSize(kPictureWidth, kPictureHeight) * intScaleFactor,
                                   QRect(0, 0, kPictureWidth, kPictureHeight),
                                   QString::fromStdString(content.strTitle).toHtmlEscaped(),
                                   QString::fromStdString(content.strIntervals).toHtmlEscaped());
    QPainter painter;
    if (!painter.begin(generator.get())) {
        return std::nullopt;
    }
    PainterSurface surface(painter, kScalePictureTwipsWidth, kScalePictureTwipsHeight);
    drawScalePicture(surface, content.scale, content.intInstrument);
    painter.end();
    // The generator declares its size in millimetres, which viewers turn into differing pixel
    // counts; plain user units state the pixel size exactly.
    static const QRegularExpression reDeclaredSize(
        QStringLiteral(R"(<svg width="[0-9.]+mm" height="[0-9.]+mm")"));
    QString strSvg = QString::fromUtf8(bytes);
    strSvg.replace(reDeclaredSize, QStringLiteral(R"(<svg width="%1" height="%2")")
                                       .arg(kPictureWidth * intScaleFactor)
                                       .arg(kPictureHeight * intScaleFactor));
    return strSvg.toUtf8();
}

std::optional<QByteArray> renderPdf(const PictureContent& content) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Gamutrix Lite"));
    writer.setTitle(QString::fromStdString(content.strTitle));
    writer.setPageLayout(picturePageLayout());
    QPainter painter;
    if (!painter.begin(&writer)) {
        return std::nullopt;
    }
    PicturePage::paint(painter, content);
    if (!painter.end()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool exportPicture(const PictureContent& content, const QString& strPath, int intScaleFactor,
                   QString& strError) {
    if (intScaleFactor < 1 || intScaleFactor > 4) {
        strError = QStringLiteral("The scale factor must be a whole number from 1 to 4.");
        return false;
    }
    if (!content.scale) {
        strError = QStringLiteral("There is no scale to draw.");
        return false;
    }
    // Headless callers get the same faces as the window.
    installClassicFontSubstitutions();
    const QString strExtension = QFileInfo(strPath).suffix().toLower();
    std::optional<QByteArray> bytes;
    if (strExtension == QLatin1String("bmp")) {
        bytes = renderImage(content, intScaleFactor, "BMP");
    } else if (strExtension == QLatin1String("png")) {
        bytes = renderImage(content, intScaleFactor, "PNG");
    } else if (strExtension == QLatin1String("svg")) {
        const std::unique_ptr<OutputDevices> devices = loadOutputDevices();
        if (!devices) {
            strError = missingOutputModuleText();
            return false;
        }
        bytes = renderSvg(content, intScaleFactor, *devices);
    } else if (strExtension == QLatin1String("pdf")) {
        bytes = renderPdf(content);
    } else {
        strError = QStringLiteral("Unsupported file type \"%1\": use .bmp, .png, .svg or .pdf.")
                       .arg(strExtension.isEmpty() ? QStringLiteral("(none)") : strExtension);
        return false;
    }
    if (!bytes) {
        strError =
            QStringLiteral("The picture could not be drawn as %1.").arg(strExtension.toUpper());
        return false;
    }
    const QByteArray& data = *bytes;
    QString strReason;
    if (!writeFileAtomically(
            strPath, [&data](QIODevice& device) { return device.write(data) == data.size(); },
            &strReason)) {
        strError = QStringLiteral("%1 could not be written: %2")
                       .arg(QDir::toNativeSeparators(strPath), strReason);
        return false;
    }
    return true;
}

QPageLayout picturePageLayout() {
    return QPageLayout(QPageSize(PicturePage::defaultPageSize()), QPageLayout::Portrait,
                       QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                 kPageMarginMillimetres, kPageMarginMillimetres),
                       QPageLayout::Millimeter);
}

bool printPicture(const PictureContent& content, QPagedPaintDevice& printer, QString& strError) {
    if (!content.scale) {
        strError = QStringLiteral("There is no scale to draw.");
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        strError = QStringLiteral("The printer could not be started.");
        return false;
    }
    PicturePage::paint(painter, content);
    if (!painter.end()) {
        strError = QStringLiteral("The page could not be printed.");
        return false;
    }
    return true;
}
