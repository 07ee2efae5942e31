#include "FormCustomScale.h"

#include "DialogGeometry.h"
#include "IntervalTable.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

using DialogGeometry::placeControl;
using DialogGeometry::twipsRect;

namespace {

constexpr int16_t kFirstPosition = 2;
constexpr int16_t kLastPosition = 16;

// Captions of positions 2..16; position p appends the token of interval slot p - 1.
constexpr std::array<const char*, 15> kPositionCaptions{
    "Minor Second (b2)",
    "Major Second (2)",
    "Augmented Second (#2)",
    "Minor Third (b3)",
    "Major Third (3)",
    "(Perfect) Fourth (4)",
    "Augmented Fourth (Tritone) (#4)",
    "Diminished Fifth (Tritone) (b5)",
    "(Perfect) Fifth (5)",
    "Augmented Fifth (#5)",
    "Minor Sixth (b6)",
    "Major Sixth (6)",
    "Diminished Seventh (bb7)",
    "Minor Seventh (b7)",
    "Major Seventh (7)",
};
static_assert(kPositionCaptions.size() == kIntervalSlots.size());

QString positionToken(int16_t intPosition) {
    const std::string_view token =
        kIntervalSlots[static_cast<std::size_t>(intPosition - kFirstPosition)].canonical;
    return QString::fromLatin1(token.data(), static_cast<qsizetype>(token.size()));
}

QPushButton* makeButton(QWidget* parent, const char* strName, const QString& strCaption,
                        const DialogGeometry::TwipsRect& rect) {
    auto* button = DialogGeometry::makeCaptioned<QPushButton>(parent, strName, strCaption, rect);
    // No button of this dialog answers Enter on its own: a name typed and confirmed with Enter
    // must not add an interval or close the dialog.
    button->setAutoDefault(false);
    return button;
}

} // namespace

FormCustomScale::FormCustomScale(QWidget* parent) : QDialog(parent) {
    DialogGeometry::makeFixedDialog(this, 4935, 1935,
                                    QStringLiteral("Generate Custom Scale / Chord"));

    DialogGeometry::makeCaptioned<QLabel>(this, "Label3", QStringLiteral("Scale Name"),
                                          twipsRect(120, 180, 1095, 255));
    TextScaleName = new QLineEdit(this);
    placeControl(TextScaleName, "TextScaleName", QStringLiteral("Scale Name"),
                 twipsRect(1320, 120, 3495, 285));
    DialogGeometry::makeCaptioned<QLabel>(this, "Label1", QStringLiteral("Current Scale"),
                                          twipsRect(120, 540, 1095, 255));
    TextScale = new QLineEdit(this);
    TextScale->setReadOnly(true);
    placeControl(TextScale, "TextScale", QStringLiteral("Current Scale"),
                 twipsRect(1320, 480, 3495, 285));
    DialogGeometry::makeHorizontalLine(this, "Line1", 120, 4800, 840);
    DialogGeometry::makeCaptioned<QLabel>(this, "Label2", QStringLiteral("Next Interval"),
                                          twipsRect(120, 1020, 1095, 255));
    ComboNext = new QComboBox(this);
    placeControl(ComboNext, "ComboNext", QStringLiteral("Next Interval"),
                 twipsRect(1320, 960, 3495, 315));
    BtnAdd = makeButton(this, "BtnAdd", QStringLiteral("Add"), twipsRect(120, 1440, 1095, 375));
    BtnReset =
        makeButton(this, "BtnReset", QStringLiteral("Reset"), twipsRect(1320, 1440, 1095, 375));
    BtnOk = makeButton(this, "BtnOk", QStringLiteral("OK"), twipsRect(2520, 1440, 1095, 375));
    BtnCancel =
        makeButton(this, "BtnCancel", QStringLiteral("Cancel"), twipsRect(3720, 1440, 1095, 375));

    DialogGeometry::setTabChain(
        {TextScaleName, TextScale, ComboNext, BtnAdd, BtnReset, BtnOk, BtnCancel});

    connect(BtnAdd, &QPushButton::clicked, this, &FormCustomScale::BtnAdd_Click);
    connect(BtnReset, &QPushButton::clicked, this, &FormCustomScale::BtnReset_Click);
    connect(BtnOk, &QPushButton::clicked, this, &FormCustomScale::BtnOK_Click);
    connect(BtnCancel, &QPushButton::clicked, this, &FormCustomScale::BtnCancel_Click);

    Form_Load();
}

std::string FormCustomScale::strScaleName() const {
    return TextScaleName->text().toStdString();
}

void FormCustomScale::Form_Load() {
    intCurrentLastIntValue = 1;
    TextScaleName->setText(QStringLiteral("User-defined Scale"));
    TextScale->setText(QStringLiteral("1"));
    fillNextCombo(1);
}

void FormCustomScale::fillNextCombo(int16_t intStartInt) {
    ComboNext->clear();
    for (int16_t intPosition = kFirstPosition; intPosition <= kLastPosition; ++intPosition) {
        if (intPosition > intStartInt) {
            ComboNext->addItem(QString::fromLatin1(
                kPositionCaptions[static_cast<std::size_t>(intPosition - kFirstPosition)]));
        }
    }
    ComboNext->setCurrentIndex(0);
}

void FormCustomScale::BtnAdd_Click() {
    // The list starts with the position just above the last one added.
    const int intIndex = ComboNext->currentIndex();
    const auto intPosition = static_cast<int16_t>(intCurrentLastIntValue + 1 + intIndex);
    if (intIndex < 0 || intPosition > kLastPosition) {
        return;
    }
    TextScale->setText(TextScale->text() + QLatin1Char(',') + positionToken(intPosition));
    intCurrentLastIntValue = intPosition;
    if (intCurrentLastIntValue >= kLastPosition) {
        ComboNext->setEnabled(false);
        BtnAdd->setEnabled(false);
    } else {
        fillNextCombo(intCurrentLastIntValue);
    }
}

void FormCustomScale::BtnReset_Click() {
    ComboNext->setEnabled(true);
    BtnAdd->setEnabled(true);
    intCurrentLastIntValue = 1;
    TextScale->setText(QStringLiteral("1"));
    fillNextCombo(1);
}

void FormCustomScale::BtnOK_Click() {
    boolNewScaleValue = true;
    strScaleCodeValue = TextScale->text().toStdString();
    accept();
}

void FormCustomScale::BtnCancel_Click() {
    reject();
}

void FormCustomScale::keyPressEvent(QKeyEvent* event) {
    // The buttons are no auto-default buttons (see makeButton), so Enter on a focused one reaches
    // the dialog; it presses that button as on any desktop. Enter in the name box still presses
    // nothing.
    const bool boolEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); boolEnter && button != nullptr) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormCustomScale::reject() {
    // Cancel, Escape and the window's close button all end here: nothing was confirmed.
    boolNewScaleValue = false;
    QDialog::reject();
}
