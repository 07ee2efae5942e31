// Exporting the picture as PNG, SVG or PDF, and printing it.

#include "BitmapFileName.h"
#include "FormGamutrix.h"
#include "OutputDevices.h"
#include "PictureExporter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <array>

namespace {

const char* const kLastFolderKey = "export/lastFolder";
const char* const kLastScaleKey = "export/pngScale";

struct ExportFormat {
    const char* strFilter;
    const char* strExtension;
};
constexpr std::array<ExportFormat, 3> kFormats{{{"PNG image (*.png)", "png"},
                                                {"SVG drawing (*.svg)", "svg"},
                                                {"PDF document (*.pdf)", "pdf"}}};

QString exportFolder() {
    const QString strLast = QSettings().value(kLastFolderKey).toString();
    if (!strLast.isEmpty() && QFileInfo(strLast).isDir()) {
        return strLast;
    }
    const QString strPictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return strPictures.isEmpty() ? QDir::homePath() : strPictures;
}

// One line of plain text: a file name may hold characters that rich text would swallow.
void warnFailure(QWidget* parent, const char* strName, const QString& strError) {
    QMessageBox box(QMessageBox::Warning, "GamutrixLite", strError, QMessageBox::Ok, parent);
    box.setObjectName(strName);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString withExtension(const QString& strFileName, const char* strExtension) {
    return QFileInfo(strFileName).completeBaseName() + "." + strExtension;
}

} // namespace

void FormGamutrix::addExportItems(QMenu* mnuFile) {
    const auto addItem = [this, mnuFile](const char* strName, const QString& strCaption,
                                         const QKeySequence& shortcut,
                                         void (FormGamutrix::*handler)()) {
        QAction* action = mnuFile->addAction(strCaption);
        action->setObjectName(strName);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
    };
    addItem("mnuExportPicture", tr("Export Picture..."), QKeySequence(Qt::CTRL | Qt::Key_E),
            &FormGamutrix::mnuExportPicture_Click);
    mnuFile->addSeparator()->setObjectName("mnuSepFilePrint");
    addItem("mnuPrint", tr("Print..."), QKeySequence(Qt::CTRL | Qt::Key_P),
            &FormGamutrix::mnuPrint_Click);
    addItem("mnuPrintPreview", tr("Print Preview..."), QKeySequence(),
            &FormGamutrix::mnuPrintPreview_Click);
}

PictureContent FormGamutrix::currentPictureContent() const {
    return PictureContent{scaleCurrent, intCurrentInstrument, TextTitle->text().toStdString(),
                          TextScale->text().toStdString()};
}

void FormGamutrix::mnuExportPicture_Click() {
    const QString strProposed = bitmapFileName(intCurrentInstrument, TextTitle->text());
    QStringList collFilters;
    for (const ExportFormat& format : kFormats) {
        collFilters << tr(format.strFilter);
    }
    QFileDialog dialog(this, tr("Export Picture"), exportFolder());
    dialog.setObjectName("DlgExportPicture");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(collFilters);
    dialog.setDefaultSuffix(kFormats[0].strExtension);
    dialog.selectFile(withExtension(strProposed, kFormats[0].strExtension));
    // The dialog renames the proposal when another type is chosen; a name typed without an
    // extension gets the chosen type's.
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog, &collFilters](const QString& strFilter) {
                const auto intIndex = static_cast<std::size_t>(collFilters.indexOf(strFilter));
                if (intIndex < kFormats.size()) {
                    dialog.setDefaultSuffix(kFormats[intIndex].strExtension);
                }
            });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString strPath = dialog.selectedFiles().first();
    QSettings().setValue(kLastFolderKey, QFileInfo(strPath).absolutePath());

    int intScaleFactor = 1;
    if (QFileInfo(strPath).suffix().compare("png", Qt::CaseInsensitive) == 0) {
        QInputDialog scaleDialog(this);
        scaleDialog.setObjectName("DlgExportScale");
        scaleDialog.setWindowTitle(tr("Export Picture"));
        scaleDialog.setLabelText(tr("PNG scale (1 to 4 times the screen size):"));
        scaleDialog.setInputMode(QInputDialog::IntInput);
        scaleDialog.setIntRange(1, 4);
        scaleDialog.setIntValue(qBound(1, QSettings().value(kLastScaleKey, 1).toInt(), 4));
        if (scaleDialog.exec() != QDialog::Accepted) {
            return;
        }
        intScaleFactor = scaleDialog.intValue();
        QSettings().setValue(kLastScaleKey, intScaleFactor);
    }

    QString strError;
    if (!exportPicture(currentPictureContent(), strPath, intScaleFactor, strError)) {
        warnFailure(this, "MsgExportFailed", strError);
    }
}

void FormGamutrix::mnuPrint_Click() {
    printWithDialog(false);
}

void FormGamutrix::mnuPrintPreview_Click() {
    printWithDialog(true);
}

void FormGamutrix::printWithDialog(bool boolPreview) {
    const std::unique_ptr<OutputDevices> devices = loadOutputDevices();
    if (!devices) {
        warnFailure(this, "MsgPrintFailed", missingOutputModuleText());
        return;
    }
    const PictureContent content = currentPictureContent();
    const QString strError =
        devices->print(this, boolPreview,
                       {picturePageLayout(), QString::fromStdString(content.strTitle),
                        [&content](QPagedPaintDevice& printer) {
                            QString strFailed;
                            printPicture(content, printer, strFailed);
                            return strFailed;
                        }});
    if (!strError.isEmpty()) {
        warnFailure(this, "MsgPrintFailed", strError);
    }
}
