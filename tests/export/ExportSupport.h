#pragma once

#include "Globals.h"
#include "PictureContent.h"
#include "SimpleNote.h"
#include "StandardScale.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace ExportSupport {

// C Ionian on the default six-string fretboard, as the window starts.
inline PictureContent cIonian() {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(0, 0);
    auto scale = std::make_shared<StandardScale>();
    scale->setScale("1,2,3,4,5,6,7");
    scale->setRootNote(noteRoot);
    return PictureContent{scale, 1, "C Ionian", "1,2,3,4,5,6,7"};
}

// Marker centres on the default board, worked out by hand in twips: the board is 12 frets of 550
// wide, centred in the 8655-twip picture, so it starts at 4328 - 3300 = 1028; a marker sits in the
// middle of its fret space (1028 + 550 f - 275). Six strings 350 apart, centred on 1688 and moved
// down 120 for the fret numbers: the top (high E) string lies at 758, the B string at 1108, the
// low E string at 2508. Each check looks 6 pixels left of and 5 above the centre, inside the
// circle (radius 10) and clear of its white interval code; where there is no marker it sees the
// white background above the string line.
struct Marker {
    int intX;
    int intY;
    QColor color;
    const char* strWhat;
};
inline const QColor kRoot(153, 0, 0);
inline const QColor kOther(102, 0, 0);
inline const QColor kNone(255, 255, 255);
inline const std::array<Marker, 7> kCIonianMarkers{{
    {1303, 1108, kRoot, "C on the B string, fret 1"},
    {5153, 758, kRoot, "C on the high E string, fret 8"},
    {753, 758, kOther, "E on the open high E string"},
    {3503, 2508, kOther, "A on the low E string, fret 5"},
    {5703, 1808, kOther, "B on the D string, fret 9"},
    {1853, 758, kNone, "F# on the high E string, fret 2"},
    {4053, 2158, kNone, "D# on the A string, fret 6"},
}};

// The pixel that checks a marker in a picture drawn at dblScale device pixels per picture pixel,
// with the picture's corner at ptOrigin.
inline QColor markerSample(const QImage& image, QPointF ptOrigin, double dblScale,
                           const Marker& marker) {
    const QPointF ptSample =
        ptOrigin + QPointF(marker.intX / 15.0 - 6, marker.intY / 15.0 - 5) * dblScale;
    return image.pixelColor(static_cast<int>(std::floor(ptSample.x())),
                            static_cast<int>(std::floor(ptSample.y())));
}

// Colours agree within what antialiasing and rasterising leave.
inline bool similar(const QColor& actual, const QColor& expected) {
    return std::abs(actual.red() - expected.red()) <= 24 &&
           std::abs(actual.green() - expected.green()) <= 24 &&
           std::abs(actual.blue() - expected.blue()) <= 24;
}

inline void expectCIonianMarkers(const QImage& image, QPointF ptOrigin, double dblScale,
                                 const std::string& strContext) {
    ASSERT_FALSE(image.isNull()) << strContext;
    for (const Marker& marker : kCIonianMarkers) {
        const QColor actual = markerSample(image, ptOrigin, dblScale, marker);
        EXPECT_TRUE(similar(actual, marker.color))
            << strContext << ": " << marker.strWhat << " is " << actual.name().toStdString()
            << ", expected " << marker.color.name().toStdString();
    }
}

// Runs a poppler tool and returns its standard output; empty if it failed.
inline QString runTool(const QString& strProgram, const QStringList& collArguments) {
    QProcess process;
    process.start(strProgram, collArguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A one-page PDF's page at 192 dpi, where a picture pixel (0.75 pt) is exactly two raster pixels.
inline QImage rasterisePdf(const QString& strPdf, const QString& strPrefix) {
    runTool("pdftoppm", {"-r", "192", "-png", "-singlefile", strPdf, strPrefix});
    return QImage(strPrefix + ".png");
}

} // namespace ExportSupport
