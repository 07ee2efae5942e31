#include "QtPictureSurface.h"

#include "ClassicFonts.h"
#include "TwipsPainting.h"

#include <QColor>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cmath>

namespace {

using TwipsPainting::kDotsPerMeter;
using TwipsPainting::toPixels;
using TwipsPainting::toQColor;

int pixelsFor(int intTwips) {
    return static_cast<int>(std::lrint(toPixels(intTwips)));
}

// Twips arrive as doubles divided by 15, so one sub-pixel phase comes out a few ulps apart from
// place to place. Rounded to 2^-20 pixel, far below what antialiasing can show, equal phases
// share one sprite, and a marker looks the same whichever sprite was drawn first.
qreal subpixelPhase(qreal dblPhase) {
    constexpr int kPhaseBits = 20;
    return std::ldexp(std::round(std::ldexp(dblPhase, kPhaseBits)), -kPhaseBits);
}

} // namespace

QtPictureSurface::QtPictureSurface(int intTwipsWidth, int intTwipsHeight, qreal dblDevicePixelRatio)
    : intTwipsWidth(intTwipsWidth), intTwipsHeight(intTwipsHeight) {
    allocateImage(dblDevicePixelRatio);
    // The classic picture box starts with this font until someone picks another.
    setFont("MS Sans Serif", 8.25);
    fillBackground();
}

void QtPictureSurface::allocateImage(qreal dblDevicePixelRatio) {
    picImage =
        QImage(QSize(static_cast<int>(std::lrint(pixelsFor(intTwipsWidth) * dblDevicePixelRatio)),
                     static_cast<int>(std::lrint(pixelsFor(intTwipsHeight) * dblDevicePixelRatio))),
               QImage::Format_RGB32);
    picImage.setDevicePixelRatio(dblDevicePixelRatio);
    picImage.setDotsPerMeterX(kDotsPerMeter);
    picImage.setDotsPerMeterY(kDotsPerMeter);
}

void QtPictureSurface::setPixelRatio(qreal dblDevicePixelRatio) {
    if (dblDevicePixelRatio == picImage.devicePixelRatio()) {
        return;
    }
    endPainting();
    allocateImage(dblDevicePixelRatio);
    // The cached markers were drawn for the old resolution.
    collCircleSprites.clear();
    fillBackground();
}

QtPictureSurface::~QtPictureSurface() = default;

const QImage& QtPictureSurface::image() const {
    endPainting();
    return picImage;
}

QSize QtPictureSurface::pixelSize() const {
    return QSize(pixelsFor(intTwipsWidth), pixelsFor(intTwipsHeight));
}

QPainter& QtPictureSurface::painter() {
    if (!activePainter) {
        activePainter = std::make_unique<QPainter>(&picImage);
    }
    boolBlank = false;
    return *activePainter;
}

void QtPictureSurface::endPainting() const {
    activePainter.reset();
}

void QtPictureSurface::fillBackground() {
    endPainting();
    picImage.fill(toQColor(longBackColor));
    boolBlank = true;
}

void QtPictureSurface::clear() {
    fillBackground();
}

void QtPictureSurface::setBackColor(RgbColor longColor) {
    if (boolBlank && longColor == longBackColor) {
        return;
    }
    longBackColor = longColor;
    fillBackground();
}

void QtPictureSurface::drawLine(int x1, int y1, int x2, int y2, RgbColor longColor) {
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(longColor), intLineWidth, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QLineF(toPixels(x1, y1), toPixels(x2, y2)));
}

void QtPictureSurface::fillBox(int x1, int y1, int x2, int y2, RgbColor longColor) {
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized(), toQColor(longColor));
}

void QtPictureSurface::drawCircle(int x, int y, int intRadius, RgbColor longOutline,
                                  RgbColor longFill) {
    const qreal dblRatio = picImage.devicePixelRatio();
    const QPointF ptDevice = toPixels(x, y) * dblRatio;
    const qreal dblWholeX = std::floor(ptDevice.x());
    const qreal dblWholeY = std::floor(ptDevice.y());
    const CircleSprite& sprite =
        circleSprite(intRadius, longOutline, longFill, subpixelPhase(ptDevice.x() - dblWholeX),
                     subpixelPhase(ptDevice.y() - dblWholeY));
    QPainter& p = painter();
    p.drawImage(QPointF(dblWholeX - sprite.intExtent, dblWholeY - sprite.intExtent) / dblRatio,
                sprite.image);
}

const QtPictureSurface::CircleSprite&
QtPictureSurface::circleSprite(int intRadius, RgbColor longOutline, RgbColor longFill,
                               qreal dblPhaseX, qreal dblPhaseY) {
    const CircleKey key{
        intRadius, intLineWidth, toQColor(longOutline).rgb(), toQColor(longFill).rgb(),
        dblPhaseX, dblPhaseY};
    const auto found = collCircleSprites.find(key);
    if (found != collCircleSprites.end()) {
        return found->second;
    }
    // Each whole-pixel phase of a twip position repeats, so the cache stays small in practice;
    // the bound only guards against callers that sweep arbitrary sizes or colours.
    if (collCircleSprites.size() >= 512) {
        collCircleSprites.clear();
    }
    const qreal dblRatio = picImage.devicePixelRatio();
    const qreal dblRadius = toPixels(intRadius) * dblRatio;
    const qreal dblPen = intLineWidth * dblRatio;
    const int intExtent = static_cast<int>(std::ceil(dblRadius + dblPen / 2)) + 2;
    QImage image(2 * intExtent + 2, 2 * intExtent + 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(toQColor(longOutline), dblPen));
        p.setBrush(toQColor(longFill));
        p.drawEllipse(QPointF(intExtent + dblPhaseX, intExtent + dblPhaseY), dblRadius, dblRadius);
    }
    image.setDevicePixelRatio(dblRatio);
    return collCircleSprites.emplace(key, CircleSprite{std::move(image), intExtent}).first->second;
}

void QtPictureSurface::setFont(const std::string& strName, double dblPoints) {
    for (std::size_t i = 0; i < collFonts.size(); ++i) {
        if (collFonts[i].strName == strName && collFonts[i].dblPoints == dblPoints) {
            intCurrentFont = i;
            return;
        }
    }
    const QString strClassic = QString::fromStdString(strName);
    const std::optional<QString> strInstalled = findInstalledClassicFamily(strClassic);
    QFont font(strInstalled.value_or(strClassic));
    font.setPointSizeF(dblPoints);
    // The hint only guides the choice of a fallback. Where the family is installed it is left
    // out, so that the picture shares the window's font engine instead of loading its own.
    if (!strInstalled) {
        font.setStyleHint(QFont::SansSerif);
    }
    collFonts.push_back({strName, dblPoints, font, QFontMetricsF(font, &picImage), {}});
    intCurrentFont = collFonts.size() - 1;
}

const QtPictureSurface::CachedFont& QtPictureSurface::currentFont() const {
    return collFonts[intCurrentFont];
}

double QtPictureSurface::textWidth(const std::string& strText) const {
    const CachedFont& cached = currentFont();
    auto found = cached.collWidths.find(strText);
    if (found == cached.collWidths.end()) {
        found =
            cached.collWidths
                .emplace(strText, cached.metrics.horizontalAdvance(QString::fromStdString(strText)))
                .first;
    }
    return found->second * kTwipsPerPixel;
}

double QtPictureSurface::textHeight(const std::string& /*strText*/) const {
    // Every text is one line high in the current font.
    return currentFont().metrics.height() * kTwipsPerPixel;
}

void QtPictureSurface::setCurrentPosition(int x, int y) {
    intCurrentX = x;
    intCurrentY = y;
}

void QtPictureSurface::print(const std::string& strText) {
    const CachedFont& cached = currentFont();
    QPainter& p = painter();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(cached.font);
    p.setPen(toQColor(longForeColor));
    // Qt places text on its baseline; the caller gives the top-left corner.
    const QPointF ptBaseline =
        toPixels(intCurrentX, intCurrentY) + QPointF(0, cached.metrics.ascent());
    p.drawText(ptBaseline, QString::fromStdString(strText));
}
