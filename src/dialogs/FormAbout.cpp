#include "FormAbout.h"

#include "DialogGeometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using DialogGeometry::placeControl;
using DialogGeometry::twipsRect;

namespace {

constexpr double kFontPoints = 8.25;
const auto kProductLine = QStringLiteral("Gamutrix Lite 1.3a1");
const auto kCopyrightLine = QStringLiteral("Copyright (c) 2026 The Gamutrix Lite developers");
const auto kHomePage = QStringLiteral("https://gamutrix-lite.example.org");
const auto kDisclaimer = QStringLiteral(
    "This software is provided as is, without warranty of any kind, express or implied, "
    "including any warranty that it is fit for sale or for a particular purpose and that it "
    "infringes no rights of others. In no event shall the authors or the holders of the "
    "copyright be liable for any claim, damages or other liability, whether in contract, tort "
    "or otherwise, arising from the software, its use or other dealings in it.");

QLabel* makeLabel(QWidget* parent, const char* strName, const QString& strAccessibleName,
                  const DialogGeometry::TwipsRect& rect) {
    auto* label = new QLabel(parent);
    placeControl(label, strName, strAccessibleName, rect);
    return label;
}

} // namespace

FormAbout::FormAbout(QWidget* parent) : QDialog(parent) {
    DialogGeometry::makeFixedDialog(this, 7455, 3615, QStringLiteral("About"));

    Frame1 = new QGroupBox(this);
    placeControl(Frame1, "Frame1", QStringLiteral("Product"), twipsRect(120, 0, 7215, 1215));
    LabelVersion = makeLabel(Frame1, "LabelVersion", QStringLiteral("Product and version"),
                             twipsRect(120, 240, 4215, 255));
    QFont fontVersion(QStringLiteral("MS Sans Serif"));
    fontVersion.setPointSizeF(kFontPoints);
    fontVersion.setBold(true);
    LabelVersion->setFont(fontVersion);
    DialogGeometry::makeHorizontalLine(Frame1, "Line1", 120, 7080, 480);
    LabelCopy =
        makeLabel(Frame1, "LabelCopy", QStringLiteral("Copyright"), twipsRect(120, 600, 6735, 255));
    LabelURL = makeLabel(Frame1, "LabelURL", QStringLiteral("Official Homepage:"),
                         twipsRect(120, 840, 1455, 255));
    LabelURL->setText(QStringLiteral("Official Homepage:"));
    TextURL = new QLineEdit(Frame1);
    TextURL->setReadOnly(true);
    TextURL->setFrame(false);
    placeControl(TextURL, "TextURL", QStringLiteral("Official Homepage"),
                 twipsRect(1560, 840, 4095, 285));

    TextLicense = new QPlainTextEdit(this);
    TextLicense->setReadOnly(true);
    TextLicense->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextLicense->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextLicense->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Without a "Courier New" on the system the type-writer hint still finds a monospace font.
    QFont fontLicense(QStringLiteral("Courier New"));
    fontLicense.setStyleHint(QFont::TypeWriter);
    fontLicense.setPointSizeF(kFontPoints);
    TextLicense->setFont(fontLicense);
    placeControl(TextLicense, "TextLicense", QStringLiteral("License"),
                 twipsRect(120, 1800, 7215, 1695));

    QWidget::setTabOrder(TextURL, TextLicense);

    Form_Load();
}

QString FormAbout::strLicenseText() {
    const auto strCrLf = QStringLiteral("\r\n");
    return QStringLiteral("MIT License") + strCrLf + QString(34, QLatin1Char('=')) + strCrLf +
           kCopyrightLine + strCrLf + strCrLf + kDisclaimer;
}

void FormAbout::Form_Load() {
    LabelVersion->setText(kProductLine);
    LabelCopy->setText(kCopyrightLine);
    TextURL->setText(kHomePage);
    TextLicense->setPlainText(strLicenseText());
}
