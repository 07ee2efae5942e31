#include "DialogGeometry.h"

#include <QDialog>
#include <QFrame>
#include <QSize>
#include <QVariant>

namespace DialogGeometry {

namespace {

// Where a control keeps its twips rectangle and its font size at 100 %.
constexpr const char* kTwipsProperty = "gamutrixTwipsRect";
constexpr const char* kPointsProperty = "gamutrixPointsAtActualSize";
// A fixed dialog's client size in twips.
constexpr const char* kClientSizeProperty = "gamutrixTwipsClientSize";

TwipsRect storedTwips(const QWidget* control) {
    const QRect rect = control->property(kTwipsProperty).toRect();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Remembered before the first zoom: a font set on a window passes on to its children at once.
// A control made after a zoom inherits its parent's zoomed font; at 100 % it has the parent's.
void rememberActualFontSize(QWidget* widget) {
    if (widget->property(kPointsProperty).isValid()) {
        return;
    }
    const QWidget* parent = widget->parentWidget();
    const bool boolInherited = !widget->isWindow() && !widget->testAttribute(Qt::WA_SetFont) &&
                               parent != nullptr && parent->property(kPointsProperty).isValid();
    widget->setProperty(kPointsProperty, boolInherited ? parent->property(kPointsProperty)
                                                       : QVariant(widget->font().pointSizeF()));
}

void zoomFont(QWidget* widget, int intZoomPercent) {
    QFont font = widget->font();
    font.setPointSizeF(widget->property(kPointsProperty).toDouble() * intZoomPercent / 100);
    widget->setFont(font);
}

} // namespace

void makeFixedDialog(QDialog* dialog, int intWidthTwips, int intHeightTwips,
                     const QString& strCaption) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setProperty(kClientSizeProperty, QSize(intWidthTwips, intHeightTwips));
    dialog->setFixedSize(toPixels(intWidthTwips), toPixels(intHeightTwips));
    dialog->setWindowTitle(strCaption);
    dialog->setModal(true);
}

void placeTwips(QWidget* control, const TwipsRect& rect, int intZoomPercent) {
    control->setProperty(kTwipsProperty,
                         QRect(rect.intLeft, rect.intTop, rect.intWidth, rect.intHeight));
    control->setGeometry(toPixels(rect, intZoomPercent));
}

void moveTwipsTop(QWidget* control, int intTop, int intZoomPercent) {
    TwipsRect rect = storedTwips(control);
    rect.intTop = intTop;
    placeTwips(control, rect, intZoomPercent);
}

void placeControl(QWidget* control, const char* strName, const QString& strAccessibleName,
                  const TwipsRect& rect) {
    control->setObjectName(QString::fromLatin1(strName));
    control->setAccessibleName(strAccessibleName);
    placeTwips(control, rect);
}

QFrame* makeHorizontalLine(QWidget* parent, const char* strName, int intX1, int intX2, int intY) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    // One pixel longer than the distance, and one pixel high, at 100 %.
    placeControl(line, strName, QStringLiteral("Separator line"),
                 twipsRect(intX1, intY, intX2 - intX1 + kTwipsPerPixel, kTwipsPerPixel));
    return line;
}

void setTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void zoomWindow(QWidget* window, int intZoomPercent) {
    QList<QWidget*> collWidgets = window->findChildren<QWidget*>();
    collWidgets.prepend(window);
    for (QWidget* widget : collWidgets) {
        rememberActualFontSize(widget);
    }
    const QSize sizeClient = window->property(kClientSizeProperty).toSize();
    if (sizeClient.isValid()) {
        window->setFixedSize(toPixels(sizeClient.width(), intZoomPercent),
                             toPixels(sizeClient.height(), intZoomPercent));
    }
    for (QWidget* widget : collWidgets) {
        zoomFont(widget, intZoomPercent);
        if (widget->property(kTwipsProperty).isValid()) {
            placeTwips(widget, storedTwips(widget), intZoomPercent);
        }
    }
}

} // namespace DialogGeometry
