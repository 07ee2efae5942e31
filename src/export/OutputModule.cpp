// The entry point of the output module, the one part of the program that links Qt's SVG and
// print support libraries.

#include "OutputDevices.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRect>
#include <QSize>
#include <QSvgGenerator>

namespace {

class ModuleOutputDevices : public OutputDevices {
  public:
    std::unique_ptr<QPaintDevice> createSvgGenerator(QIODevice& output, const QSize& sizePixels,
                                                     const QRect& rectViewBox,
                                                     const QString& strTitle,
                                                     const QString& strDescription) override {
        auto generator = std::make_unique<QSvgGenerator>();
        generator->setOutputDevice(&output);
        generator->setResolution(96);
        generator->setSize(sizePixels);
        generator->setViewBox(rectViewBox);
        generator->setTitle(strTitle);
        generator->setDescription(strDescription);
        return generator;
    }

    QString print(QWidget* parent, bool boolPreview, const PrintJob& job) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(job.layout);
        printer.setDocName(job.strDocName);
        printer.setCreator(QStringLiteral("Gamutrix Lite"));
        if (!boolPreview) {
            QPrintDialog dialog(&printer, parent);
            dialog.setObjectName("DlgPrint");
            return dialog.exec() == QDialog::Accepted ? job.paint(printer) : QString();
        }
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setObjectName("DlgPrintPreview");
        // A failed print from the preview ends in an empty page and leaves the error for later.
        QString strError;
        QObject::connect(
            &dialog, &QPrintPreviewDialog::paintRequested, [&job, &strError](QPrinter* target) {
                if (target == nullptr) {
                    return;
                }
                if (const QString strFailed = job.paint(*target); !strFailed.isEmpty()) {
                    strError = strFailed;
                }
            });
        dialog.exec();
        return strError;
    }
};

} // namespace

extern "C" __attribute__((visibility("default"))) OutputDevices* gamutrixCreateOutputDevices() {
    return new ModuleOutputDevices;
}
