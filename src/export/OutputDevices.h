#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

class QIODevice;
class QPaintDevice;
class QPagedPaintDevice;
class QRect;
class QSize;
class QWidget;

// The paint devices of Qt's SVG and print support libraries. They live in a module of their own,
// loaded the first time a picture is exported as SVG or printed (see ModuleLoader.h), so that the
// window does not wait for those libraries; the program draws on them as on any other device.
class OutputDevices {
  public:
    // A page to print: its layout, the document's name in the print queue, and the painting of
    // the page on the printer the user chose, which returns an error text, empty on success.
    struct PrintJob {
        QPageLayout layout;
        QString strDocName;
        std::function<QString(QPagedPaintDevice&)> paint;
    };

    virtual ~OutputDevices() = default;
    // An SVG generator writing to output at 96 dpi: sizePixels declared, rectViewBox drawn into.
    virtual std::unique_ptr<QPaintDevice>
    createSvgGenerator(QIODevice& output, const QSize& sizePixels, const QRect& rectViewBox,
                       const QString& strTitle, const QString& strDescription) = 0;
    // The print dialog, or with boolPreview the print preview, over parent; the job is painted
    // when the user prints. Returns the job's error text, empty when printed or cancelled.
    virtual QString print(QWidget* parent, bool boolPreview, const PrintJob& job) = 0;
};

inline constexpr const char* kOutputDevicesFactory = "gamutrixCreateOutputDevices";
using OutputDevicesFactoryFunction = OutputDevices* (*)();

// The module's devices, nullptr when the module cannot be loaded.
std::unique_ptr<OutputDevices> loadOutputDevices();

// What to tell the user when the module cannot be loaded.
QString missingOutputModuleText();
