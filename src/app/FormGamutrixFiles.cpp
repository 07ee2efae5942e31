// The configuration file and the picture export.

#include "AtomicFile.h"
#include "BitmapFileName.h"
#include "ConfigFile.h"
#include "FormGamutrix.h"
#include "PictureBox.h"
#include "PlainMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLineEdit>

namespace {

const char* const kConfigFileName = "gamutrix.cfg";

} // namespace

void FormGamutrix::readConfig() {
    const QString strPath = strProgramDir + "/" + kConfigFileName;
    // Only a regular file: a named pipe or device of that name would block the start-up.
    QFile file(strPath);
    if (!QFileInfo(strPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    // Never more than the bound in memory, whatever the file claims its size to be.
    constexpr auto kMaxBytes = static_cast<qint64>(ConfigFile::kMaxFileBytes);
    if (file.size() > kMaxBytes) {
        return;
    }
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxBytes) {
        return;
    }
    const std::optional<ConfigFile::Values> values = ConfigFile::parse(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!values) {
        return;
    }
    if (values->intInstrument == 1 || values->intInstrument == 2) {
        intCurrentInstrument = values->intInstrument;
    }
    if (values->intMode == 0 || values->intMode == 1) {
        intMode = values->intMode;
    }
}

void FormGamutrix::writeConfig() {
    // A failed write keeps the previous file; the settings of this run are then lost silently.
    const std::string strText = ConfigFile::format(intCurrentInstrument, intMode);
    writeFileAtomically(strProgramDir + "/" + kConfigFileName, [&strText](QIODevice& device) {
        return device.write(strText.data(), static_cast<qint64>(strText.size())) ==
               static_cast<qint64>(strText.size());
    });
}

void FormGamutrix::MnuSaveBitmap_Click() {
    const QString strPath = QDir::toNativeSeparators(
        strProgramDir + "/" + bitmapFileName(intCurrentInstrument, TextTitle->text()));
    const QImage& image = PicScaleInstrument->surface().image();
    QString strError;
    const bool boolSaved = writeFileAtomically(
        strPath,
        [&image](QIODevice& device) {
            QImageWriter writer(&device, "BMP");
            return writer.write(image);
        },
        &strError);
    if (boolSaved) {
        showPlainMessage(this, QMessageBox::Information, "GamutrixLite",
                         strPath + " has been created!");
    } else {
        showPlainMessage(this, QMessageBox::Warning, "GamutrixLite",
                         tr("%1 could not be saved: %2").arg(strPath, strError));
    }
}
