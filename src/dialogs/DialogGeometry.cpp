#include "DialogGeometry.h"

#include <QDialog>
#include <QFrame>

namespace DialogGeometry {

void makeFixedDialog(QDialog* dialog, int intWidthTwips, int intHeightTwips,
                     const QString& strCaption) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(toPixels(intWidthTwips), toPixels(intHeightTwips));
    dialog->setWindowTitle(strCaption);
    dialog->setModal(true);
}

void placeControl(QWidget* control, const char* strName, const QString& strAccessibleName,
                  const QRect& rectPixels) {
    control->setObjectName(QString::fromLatin1(strName));
    control->setAccessibleName(strAccessibleName);
    control->setGeometry(rectPixels);
}

QFrame* makeHorizontalLine(QWidget* parent, const char* strName, int intX1, int intX2, int intY) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    placeControl(line, strName, QStringLiteral("Separator line"),
                 QRect(toPixels(intX1), toPixels(intY), toPixels(intX2 - intX1) + 1, 1));
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

} // namespace DialogGeometry
