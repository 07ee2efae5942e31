#include "FormKeyboardSetup.h"

#include "DialogGeometry.h"
#include "Globals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using DialogGeometry::placeControl;
using DialogGeometry::twipsRect;

FormKeyboardSetup::FormKeyboardSetup(QWidget* parent) : QDialog(parent) {
    DialogGeometry::makeFixedDialog(this, 4695, 1920, QStringLiteral("Keyboard Setup"));

    ComboOptions = new QComboBox(this);
    placeControl(ComboOptions, "ComboOptions", QStringLiteral("Show Options"),
                 twipsRect(1200, 120, 3375, 315));
    Frame1 = new QGroupBox(this);
    placeControl(Frame1, "Frame1", QStringLiteral("Labels"), twipsRect(120, 480, 4455, 855));
    using DialogGeometry::makeCaptioned;
    CheckShowNote = makeCaptioned<QCheckBox>(
        Frame1, "CheckShowNote", QStringLiteral("Show Notenames"), twipsRect(120, 240, 2535, 255));
    CheckShowInterval =
        makeCaptioned<QCheckBox>(Frame1, "CheckShowInterval", QStringLiteral("Show Intervals"),
                                 twipsRect(120, 480, 2175, 255));
    BtnOK = makeCaptioned<QPushButton>(this, "BtnOK", QStringLiteral("OK"),
                                       twipsRect(1800, 1440, 1335, 375));
    BtnOK->setDefault(true);
    BtnCancel = makeCaptioned<QPushButton>(this, "BtnCancel", QStringLiteral("Cancel"),
                                           twipsRect(3240, 1440, 1335, 375));
    Label1 = makeCaptioned<QLabel>(this, "Label1", QStringLiteral("Show Options"),
                                   twipsRect(120, 180, 1095, 255));
    Label1->setBuddy(ComboOptions);

    DialogGeometry::setTabChain({ComboOptions, CheckShowNote, CheckShowInterval, BtnOK, BtnCancel});

    connect(BtnOK, &QPushButton::clicked, this, &FormKeyboardSetup::BtnOK_Click);
    connect(BtnCancel, &QPushButton::clicked, this, &FormKeyboardSetup::BtnCancel_Click);

    Form_Load();
}

void FormKeyboardSetup::Form_Load() {
    FillComboOptions();
    CheckShowInterval->setChecked(Globals::ShowIntervals());
    CheckShowNote->setChecked(Globals::ShowNoteNames());
}

void FormKeyboardSetup::FillComboOptions() {
    ComboOptions->clear();
    ComboOptions->addItems({QStringLiteral("one octave higher"), QStringLiteral("in same octave"),
                            QStringLiteral("one octave lower")});
    ComboOptions->setCurrentIndex(Globals::KeyboardOctave());
}

void FormKeyboardSetup::BtnOK_Click() {
    Globals::setKeyboardOctave(static_cast<int16_t>(ComboOptions->currentIndex()));
    Globals::setShowIntervals(CheckShowInterval->isChecked());
    Globals::setShowNoteNames(CheckShowNote->isChecked());
    accept();
}

void FormKeyboardSetup::BtnCancel_Click() {
    reject();
}
