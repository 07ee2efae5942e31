// The File menu's export and print items: the file dialog's proposals, the PNG scale, the
// remembered folder, warnings for failures, and the print dialogs.

#include "ClassicFonts.h"
#include "PictureExporter.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {

class ExportMenuTest : public WindowFixture {
  protected:
    void SetUp() override {
        // The exporter installs the font substitutions; the window must draw with them too.
        installClassicFontSubstitutions();
        // Preferences of their own, so that tests running side by side cannot share a folder.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings().remove("export");
        ASSERT_TRUE(QDir().mkpath(picturesFolder()));
    }

    QTemporaryDir settingsDir;

    static QString picturesFolder() {
        return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    }
    static std::string proposedName(QFileDialog* dialog) {
        return dialog->findChild<QLineEdit*>("fileNameEdit")->text().toStdString();
    }
    QStringList files() const {
        return QDir(programDir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    // Ctrl+E; onDialog sees the file dialog and accepts or rejects it.
    void exportWith(std::function<void(QFileDialog*)> onDialog) const {
        whenModalShown([onDialog = std::move(onDialog)](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            onDialog(dialog);
        });
        pressKey(Qt::Key_E, Qt::ControlModifier);
    }
    // Chooses a file in the dialog as a user types it. (selectFile leaves the name box alone
    // once the box has the focus, which it gets at some moment after the dialog shows.)
    static void choose(QFileDialog* dialog, const QString& strPath) {
        const QFileInfo file(strPath);
        const bool boolChosen = QTest::qWaitFor(
            [&] {
                dialog->setDirectory(file.absolutePath());
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file.fileName());
                QCoreApplication::processEvents();
                return dialog->selectedFiles() == QStringList{strPath};
            },
            10000);
        EXPECT_TRUE(boolChosen) << strPath.toStdString();
    }
};

TEST_F(ExportMenuTest, FileMenuHoldsTheItemsWithTheirShortcuts) {
    start();
    QStringList collNames;
    for (const QAction* action : child<QMenu>("mnuFile")->actions()) {
        collNames << action->objectName() + (action->shortcut().isEmpty()
                                                 ? QString()
                                                 : " " + action->shortcut().toString());
    }
    EXPECT_EQ(collNames, (QStringList{"MnuSaveBitmap Ctrl+S", "mnuExportPicture Ctrl+E",
                                      "MnuExportMidi", "mnuSepFilePrint", "mnuPrint Ctrl+P",
                                      "mnuPrintPreview", "mnuSepFile1", "mnuExit Ctrl+X"}));
    EXPECT_EQ(child<QAction>("mnuExportPicture")->text(), "Export Picture...");
    EXPECT_EQ(child<QAction>("mnuPrint")->text(), "Print...");
    EXPECT_EQ(child<QAction>("mnuPrintPreview")->text(), "Print Preview...");
}

TEST_F(ExportMenuTest, ProposesTheBitmapNameAndRemembersTheFolder) {
    start();
    exportWith([this](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(),
                  QDir(picturesFolder()).absolutePath().toStdString());
        EXPECT_EQ(proposedName(dialog), "guitar-c_ionian.png");
        // Choosing SVG renames the proposal.
        QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
        EXPECT_EQ(proposedName(dialog), "guitar-c_ionian.svg");
        // A name typed without an extension gets the chosen type's.
        EXPECT_EQ(dialog->defaultSuffix().toStdString(), "svg");
        choose(dialog, path("guitar-c_ionian.svg"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(files(), QStringList{"guitar-c_ionian.svg"});
    EXPECT_TRUE(readFile("guitar-c_ionian.svg").contains("<title>C Ionian</title>"));

    // D Ionian on the keyboard: the next proposal names it, in the folder used last; cancelling
    // writes nothing.
    clickControl("BtnPitch1");
    child<QAction>("mnuKeyboard")->trigger();
    exportWith([this](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(),
                  QDir(programDir.path()).absolutePath().toStdString());
        EXPECT_EQ(proposedName(dialog), "piano-d_ionian.png");
        dialog->reject();
    });
    EXPECT_EQ(files(), QStringList{"guitar-c_ionian.svg"});
}

TEST_F(ExportMenuTest, PngIsWrittenAtTheChosenScale) {
    start();
    for (const int intScale : {2, 0}) {
        exportWith([this, intScale](QFileDialog* dialog) {
            choose(dialog, path(QString("scale%1.png").arg(intScale)));
            // The scale dialog follows the file dialog; 0 stands for cancelling it.
            whenModalShown([intScale](QWidget* modal) {
                auto* scaleDialog = qobject_cast<QInputDialog*>(modal);
                ASSERT_NE(scaleDialog, nullptr);
                EXPECT_EQ(scaleDialog->intMinimum(), 1);
                EXPECT_EQ(scaleDialog->intMaximum(), 4);
                if (intScale == 0) {
                    scaleDialog->reject();
                    return;
                }
                scaleDialog->setIntValue(intScale);
                scaleDialog->accept();
            });
            static_cast<QDialog*>(dialog)->accept();
        });
    }
    EXPECT_EQ(files(), QStringList{"scale2.png"}) << "a cancelled scale writes nothing";
    const QImage image(path("scale2.png"));
    EXPECT_EQ(image.size(), QSize(1154, 450));
    // The root C on the B string, fret 1, 7 pixels left of its centre, doubled.
    EXPECT_EQ(image.pixelColor(QPoint(80, 74) * 2), QColor(153, 0, 0));
    EXPECT_EQ(QSettings().value("export/pngScale").toInt(), 2);
}

TEST_F(ExportMenuTest, FailureShowsOnePlainLineAndWritesNothing) {
    start();
    QString strText;
    exportWith([this, &strText](QFileDialog* dialog) {
        // Chosen before the warning is awaited: choosing lets events run.
        choose(dialog, path("picture.jpg"));
        whenModalShown([&strText](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            strText = box->text();
            box->accept();
        });
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_TRUE(strText.startsWith("Unsupported file type")) << strText.toStdString();
    EXPECT_FALSE(strText.contains('\n'));
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(ExportMenuTest, BmpExportIsTheBitmapOfCtrlS) {
    start();
    whenModalShown([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->accept(); });
    pressKey(Qt::Key_S, Qt::ControlModifier);
    auto noteRoot = std::make_shared<SimpleNote>();
    auto scale = std::make_shared<StandardScale>();
    scale->setScale("1,2,3,4,5,6,7");
    scale->setRootNote(noteRoot);
    QString strError;
    ASSERT_TRUE(exportPicture(PictureContent{scale, 1, "C Ionian", "1,2,3,4,5,6,7"},
                              path("exported.bmp"), 1, strError));
    const QByteArray saved = readFile("guitar-c_ionian.bmp");
    EXPECT_FALSE(saved.isEmpty());
    EXPECT_TRUE(saved == readFile("exported.bmp")) << "the two files differ";
}

TEST_F(ExportMenuTest, PrintDialogPrintsThePageOrNothing) {
    start();
    for (const bool boolPrint : {false, true}) {
        whenModalShown([this, boolPrint](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            if (!boolPrint) {
                dialog->reject();
                return;
            }
            // Without a print server the dialog offers printing to a PDF file.
            auto* fileName = dialog->findChild<QLineEdit*>("filename");
            ASSERT_NE(fileName, nullptr);
            fileName->setText(path("printed.pdf"));
            dialog->accept();
        });
        pressKey(Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(files(), boolPrint ? QStringList{"printed.pdf"} : QStringList{});
    }
    QProcess pdfText;
    pdfText.start("pdftotext", {path("printed.pdf"), "-"});
    ASSERT_TRUE(pdfText.waitForFinished(30000));
    EXPECT_TRUE(pdfText.readAllStandardOutput().startsWith("C Ionian\n1,2,3,4,5,6,7\n"));
}

TEST_F(ExportMenuTest, PrintPreviewShowsOnePage) {
    start();
    int intPages = -1;
    whenModalShown([&intPages](QWidget* modal) {
        ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(modal), nullptr);
        // The preview draws its pages when it is first shown.
        QCoreApplication::processEvents();
        intPages = modal->findChild<QPrintPreviewWidget*>()->pageCount();
        qobject_cast<QDialog*>(modal)->reject();
    });
    child<QAction>("mnuPrintPreview")->trigger();
    EXPECT_EQ(intPages, 1);
}

} // namespace
