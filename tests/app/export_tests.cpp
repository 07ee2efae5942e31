// The File menu's export and print items: the file dialog's proposals, the PNG scale, the
// remembered folder, warnings for failures, and the print dialogs.

#include "ClassicFonts.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSettings>
#include <QStandardPaths>

namespace {

class ExportMenuTest : public WindowFixture {
  protected:
    void SetUp() override {
        // The exporter installs the font substitutions; the window must draw with them too.
        installClassicFontSubstitutions();
        QSettings().clear();
        ASSERT_TRUE(QDir().mkpath(picturesFolder()));
    }
    static QString picturesFolder() {
        return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    }
    static std::string proposedName(QFileDialog* dialog) {
        return dialog->findChild<QLineEdit*>("fileNameEdit")->text().toStdString();
    }
    // Ctrl+E: onDialog sees the file dialog; then a non-empty strFileName is typed as a user
    // does (selectFile leaves the name box alone once the box has the focus) and accepted, and
    // onNext sees the window that follows.
    void exportAs(const QString& strFileName, std::function<void(QFileDialog*)> onDialog,
                  std::function<void(QWidget*)> onNext = {}) const {
        whenModalShown([this, strFileName, onDialog, onNext](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            onDialog(dialog);
            if (strFileName.isEmpty()) {
                dialog->reject();
                return;
            }
            EXPECT_TRUE(QTest::qWaitFor([&] {
                dialog->setDirectory(programDir.path());
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(strFileName);
                QCoreApplication::processEvents();
                return dialog->selectedFiles() == QStringList{path(strFileName)};
            }));
            if (onNext) {
                whenModalShown(onNext);
            }
            static_cast<QDialog*>(dialog)->accept();
        });
        pressKey(Qt::Key_E, Qt::ControlModifier);
    }
};

TEST_F(ExportMenuTest, ProposesTheBitmapNameAndRemembersTheFolder) {
    start();
    exportAs("guitar-c_ionian.svg", [](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory(), QDir(picturesFolder()));
        EXPECT_EQ(proposedName(dialog), "guitar-c_ionian.png");
        // Choosing SVG renames the proposal.
        QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
        EXPECT_EQ(proposedName(dialog), "guitar-c_ionian.svg");
        EXPECT_EQ(dialog->defaultSuffix().toStdString(), "svg") << "for a name typed without one";
    });
    EXPECT_EQ(entries(), QStringList{"guitar-c_ionian.svg"});
    EXPECT_TRUE(readFile("guitar-c_ionian.svg").contains("<title>C Ionian</title>"));

    // D Ionian on the keyboard: named so, in the folder used last; cancelling writes nothing.
    clickControl("BtnPitch1");
    child<QAction>("mnuKeyboard")->trigger();
    exportAs("", [this](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory(), QDir(programDir.path()));
        EXPECT_EQ(proposedName(dialog), "piano-d_ionian.png");
    });
    EXPECT_EQ(entries(), QStringList{"guitar-c_ionian.svg"});
}

TEST_F(ExportMenuTest, PngAtTheChosenScaleFailuresWriteNothingAndPrintingPrintsThePage) {
    start();
    // 0 stands for cancelling the scale dialog that follows the file dialog.
    for (const int intScale : {0, 2}) {
        exportAs(
            QString("scale%1.png").arg(intScale), [](QFileDialog*) {},
            [intScale](QWidget* modal) {
                auto* scaleDialog = qobject_cast<QInputDialog*>(modal);
                EXPECT_EQ(scaleDialog->intMaximum(), 4);
                scaleDialog->setIntValue(intScale);
                intScale == 0 ? scaleDialog->reject() : scaleDialog->accept();
            });
    }
    // A type it cannot write is refused with a warning (the reason is pinned by the export tests).
    exportAs(
        "picture.jpg", [](QFileDialog*) {},
        [](QWidget* modal) {
            EXPECT_EQ(qobject_cast<QMessageBox*>(modal)->icon(), QMessageBox::Warning);
            qobject_cast<QMessageBox*>(modal)->accept();
        });
    EXPECT_EQ(entries(), QStringList{"scale2.png"});
    const QImage image(path("scale2.png"));
    EXPECT_EQ(image.size(), QSize(1154, 450));
    // The root C on the B string, fret 1, 7 pixels left of its centre, doubled.
    EXPECT_EQ(image.pixelColor(QPoint(80, 74) * 2), QColor(153, 0, 0));
    // The print dialog prints the page or nothing, and the preview shows it.
    for (const bool boolPrint : {false, true}) {
        whenModalShown([this, boolPrint](QWidget* modal) {
            // Without a print server the dialog offers printing to a PDF file.
            modal->findChild<QLineEdit*>("filename")->setText(path("printed.pdf"));
            boolPrint ? qobject_cast<QDialog*>(modal)->accept()
                      : qobject_cast<QDialog*>(modal)->reject();
        });
        pressKey(Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(entries().contains("printed.pdf"), boolPrint);
    }
    // What the page holds is pinned by the export tests.
    int intPages = -1;
    whenModalShown([&intPages](QWidget* modal) {
        // The preview draws its pages when it is first shown.
        QCoreApplication::processEvents();
        intPages = modal->findChild<QPrintPreviewWidget*>()->pageCount();
        qobject_cast<QDialog*>(modal)->reject();
    });
    child<QAction>("mnuPrintPreview")->trigger();
    EXPECT_EQ(intPages, 1);
}

} // namespace
