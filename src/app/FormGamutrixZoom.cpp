// The zoom: the Display menu's zoom items and laying out the whole window at a zoom. Controls,
// fonts and the picture grow together from their twips; the picture is drawn again at its new
// resolution by the one drawing path, never enlarged as a bitmap. The zoom is a preference of
// the user's, kept in QSettings; the configuration file does not know it.

#include "DialogGeometry.h"
#include "FormGamutrix.h"
#include "PictureBox.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>

namespace {

const char* const kZoomSettingKey = "display/zoomPercent";

} // namespace

void FormGamutrix::createZoomMenu(QMenu* mnuDisplay) {
    mnuDisplay->addSeparator()->setObjectName("mnuSepZoom");
    const auto addZoomItem = [this, mnuDisplay](const char* strName, const QString& strCaption,
                                                const QList<QKeySequence>& shortcuts,
                                                ZoomLevel (*target)(const ZoomLevel&)) {
        QAction* action = mnuDisplay->addAction(strCaption);
        action->setObjectName(strName);
        action->setShortcuts(shortcuts);
        connect(action, &QAction::triggered, this,
                [this, target] { changeZoom(target(zoomCurrent)); });
        return action;
    };
    mnuZoomIn =
        addZoomItem("mnuZoomIn", tr("Zoom In"),
                    {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                    [](const ZoomLevel& zoom) { return zoom.zoomedIn(); });
    mnuZoomOut = addZoomItem("mnuZoomOut", tr("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                             [](const ZoomLevel& zoom) { return zoom.zoomedOut(); });
    mnuActualSize =
        addZoomItem("mnuActualSize", tr("Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                    [](const ZoomLevel& /*zoom*/) { return ZoomLevel(); });
    updateZoomItems();
}

void FormGamutrix::restoreZoom() {
    bool boolNumber = false;
    const int intPercent = QSettings().value(kZoomSettingKey).toInt(&boolNumber);
    const ZoomLevel zoomStored = boolNumber ? ZoomLevel::fromPercent(intPercent) : ZoomLevel();
    // At the natural size nothing needs laying out again: the controls are where they were made.
    if (!zoomStored.isActualSize()) {
        zoomCurrent = zoomStored;
        applyZoom();
    }
}

void FormGamutrix::changeZoom(ZoomLevel zoomNew) {
    if (zoomNew == zoomCurrent) {
        return;
    }
    zoomCurrent = zoomNew;
    applyZoom();
    RedrawUI();
    RedrawScale();
    keepOnScreen();
}

void FormGamutrix::saveZoom() const {
    // Written once, when the window closes: a preference file is written and flushed to the
    // disk as a whole, which would slow every zoom step. A user who never zoomed gets none.
    QSettings settings;
    bool boolNumber = false;
    const int intStored = settings.value(kZoomSettingKey).toInt(&boolNumber);
    if ((boolNumber || !zoomCurrent.isActualSize()) && intStored != zoomCurrent.percent()) {
        settings.setValue(kZoomSettingKey, zoomCurrent.percent());
    }
}

void FormGamutrix::applyZoom() {
    // The picture first: its widget takes the size of the new picture, which the layout expects.
    PicScaleInstrument->setZoom(zoomCurrent.factor());
    DialogGeometry::zoomWindow(this, zoomCurrent.percent());
    updateZoomItems();
}

void FormGamutrix::updateZoomItems() {
    mnuZoomIn->setEnabled(zoomCurrent.canZoomIn());
    mnuZoomOut->setEnabled(zoomCurrent.canZoomOut());
    mnuActualSize->setEnabled(!zoomCurrent.isActualSize());
}

void FormGamutrix::keepOnScreen() {
    // At the natural size the window stays wherever it was put.
    const QScreen* screen = this->screen();
    if (screen == nullptr || zoomCurrent.isActualSize()) {
        return;
    }
    // A window that grew past the screen's edge comes back in; its top-left corner wins when it
    // is larger than the screen.
    const QRect rectAvailable = screen->availableGeometry();
    const QRect rectFrame = frameGeometry();
    const int x =
        std::max(rectAvailable.left(),
                 std::min(rectFrame.left(), rectAvailable.right() - rectFrame.width() + 1));
    const int y =
        std::max(rectAvailable.top(),
                 std::min(rectFrame.top(), rectAvailable.bottom() - rectFrame.height() + 1));
    if (x != rectFrame.left() || y != rectFrame.top()) {
        move(x, y);
    }
}

void FormGamutrix::zoomDialog(QDialog& dialog) const {
    // A dialog opened at 100 % is left exactly as it was made.
    if (!zoomCurrent.isActualSize()) {
        DialogGeometry::zoomWindow(&dialog, zoomCurrent.percent());
    }
}
