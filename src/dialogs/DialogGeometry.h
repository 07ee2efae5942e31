#pragma once

#include <QRect>
#include <QString>
#include <initializer_list>

class QDialog;
class QFrame;
class QWidget;

// The dialogs are laid out in twips (1440 per inch); at 96 dpi fifteen twips make one pixel.
namespace DialogGeometry {

constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int intTwips) {
    return intTwips / kTwipsPerPixel;
}

constexpr QRect twipsRect(int intLeft, int intTop, int intWidth, int intHeight) {
    return {toPixels(intLeft), toPixels(intTop), toPixels(intWidth), toPixels(intHeight)};
}

// A fixed client area and a title bar with only the close button.
void makeFixedDialog(QDialog* dialog, int intWidthTwips, int intHeightTwips,
                     const QString& strCaption);

// Names a control for look-up and for assistive tools, and puts it at its place in its parent.
void placeControl(QWidget* control, const char* strName, const QString& strAccessibleName,
                  const QRect& rectPixels);

// A control with a caption (label, button, check box, option button), named and placed in its
// parent; the caption is also what assistive tools announce.
template <typename Control>
Control* makeCaptioned(QWidget* parent, const char* strName, const QString& strCaption,
                       const QRect& rectPixels) {
    auto* control = new Control(strCaption, parent);
    placeControl(control, strName, strCaption, rectPixels);
    return control;
}

// A one-pixel horizontal line from (x1, y) to (x2, y), in twips of its parent.
QFrame* makeHorizontalLine(QWidget* parent, const char* strName, int intX1, int intX2, int intY);

// Tab moves through the widgets in the given order.
void setTabChain(std::initializer_list<QWidget*> widgets);

} // namespace DialogGeometry
