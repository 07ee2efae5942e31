#pragma once

#include <QRect>
#include <QString>
#include <initializer_list>

class QDialog;
class QFrame;
class QWidget;

// Windows and dialogs are laid out in twips (1440 per inch); at 96 dpi and 100 % zoom fifteen
// twips make one pixel. Every placed control keeps its rectangle in twips, so that a whole window
// can be laid out again at another zoom through the one mapping below.
namespace DialogGeometry {

constexpr int kTwipsPerPixel = 15;
constexpr int kActualSizePercent = 100;

// A rectangle in twips, as the layout tables give it.
struct TwipsRect {
    int intLeft = 0;
    int intTop = 0;
    int intWidth = 0;
    int intHeight = 0;
};

constexpr TwipsRect twipsRect(int intLeft, int intTop, int intWidth, int intHeight) {
    return {intLeft, intTop, intWidth, intHeight};
}

// Twips to pixels at a zoom in percent. Parts of a pixel are dropped, as the layout always did
// at 100 %, so the natural size is unchanged by the zoom.
constexpr int toPixels(int intTwips, int intZoomPercent = kActualSizePercent) {
    return intTwips * intZoomPercent / (kTwipsPerPixel * 100);
}

constexpr QRect toPixels(const TwipsRect& rect, int intZoomPercent = kActualSizePercent) {
    return {toPixels(rect.intLeft, intZoomPercent), toPixels(rect.intTop, intZoomPercent),
            toPixels(rect.intWidth, intZoomPercent), toPixels(rect.intHeight, intZoomPercent)};
}

// A fixed client area and a title bar with only the close button.
void makeFixedDialog(QDialog* dialog, int intWidthTwips, int intHeightTwips,
                     const QString& strCaption);

// Puts a control at its place in its parent and remembers the place in twips.
void placeTwips(QWidget* control, const TwipsRect& rect, int intZoomPercent = kActualSizePercent);

// Moves a placed control to another top in twips; its left and size stay.
void moveTwipsTop(QWidget* control, int intTop, int intZoomPercent);

// Names a control for look-up and for assistive tools, and puts it at its place in its parent.
void placeControl(QWidget* control, const char* strName, const QString& strAccessibleName,
                  const TwipsRect& rect);

// A control with a caption (label, button, check box, option button), named and placed in its
// parent; the caption is also what assistive tools announce.
template <typename Control>
Control* makeCaptioned(QWidget* parent, const char* strName, const QString& strCaption,
                       const TwipsRect& rect) {
    auto* control = new Control(strCaption, parent);
    placeControl(control, strName, strCaption, rect);
    return control;
}

// A one-pixel horizontal line from (x1, y) to (x2, y), in twips of its parent.
QFrame* makeHorizontalLine(QWidget* parent, const char* strName, int intX1, int intX2, int intY);

// Tab moves through the widgets in the given order.
void setTabChain(std::initializer_list<QWidget*> widgets);

// Lays out every control placed in twips inside window again at the zoom, and sizes every font
// of the window, its menus included, to its point size at 100 % times the zoom. A fixed dialog
// gets its client size at the zoom; a main window's size is left to its owner. At 100 %
// everything is as it was before any zoom.
void zoomWindow(QWidget* window, int intZoomPercent);

} // namespace DialogGeometry
