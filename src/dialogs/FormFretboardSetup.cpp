#include "FormFretboardSetup.h"

#include "DialogGeometry.h"
#include "Globals.h"
#include "SimpleNote.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <memory>

using DialogGeometry::placeControl;
using DialogGeometry::twipsRect;

namespace {

constexpr int kFewestStrings = 3;
constexpr int kPitchClasses = 12;

// The name of a pitch class spelled with a sharp (intSign 1) or a flat (intSign 2).
QString pitchName(int intPitch, int16_t intSign) {
    SimpleNote note;
    note.setPitch(static_cast<int16_t>(intPitch));
    note.setSign(intSign);
    return QString::fromStdString(note.getNoteName());
}

} // namespace

FormFretboardSetup::FormFretboardSetup(QWidget* parent) : QDialog(parent) {
    DialogGeometry::makeFixedDialog(this, 6015, 2400, QStringLiteral("Fretboard Setup"));

    ComboStrings = new QComboBox(this);
    placeControl(ComboStrings, "ComboStrings", QStringLiteral("Number of strings"),
                 twipsRect(120, 120, 5775, 315));
    for (int i = 0; i < kStringLists; ++i) {
        ComboString[static_cast<std::size_t>(i)] = new QComboBox(this);
        placeControl(ComboString[static_cast<std::size_t>(i)],
                     QStringLiteral("ComboString%1").arg(i).toLatin1().constData(),
                     QStringLiteral("Tuning of string %1").arg(i + 1),
                     twipsRect(120 + 840 * i, 600, 735, 315));
    }

    Frame1 = new QGroupBox(this);
    placeControl(Frame1, "Frame1", QStringLiteral("Display options"),
                 twipsRect(120, 960, 5775, 855));
    CheckShowFrets = DialogGeometry::makeCaptioned<QCheckBox>(Frame1, "CheckShowFrets",
                                                              QStringLiteral("Display Fretnumbers"),
                                                              twipsRect(120, 240, 1815, 255));
    CheckShowTuning = DialogGeometry::makeCaptioned<QCheckBox>(Frame1, "CheckShowTuning",
                                                               QStringLiteral("Display Tuning"),
                                                               twipsRect(120, 480, 1815, 255));
    CheckDisplayIntervals = DialogGeometry::makeCaptioned<QCheckBox>(
        Frame1, "CheckDisplayIntervals", QStringLiteral("Display Intervals"),
        twipsRect(2280, 240, 1695, 255));
    CheckLeftHand = DialogGeometry::makeCaptioned<QCheckBox>(Frame1, "CheckLeftHand",
                                                             QStringLiteral("Lefthand Instrument"),
                                                             twipsRect(2280, 480, 1815, 255));
    BtnToggle = DialogGeometry::makeCaptioned<QPushButton>(
        Frame1, "BtnToggle", QStringLiteral("# / b"), twipsRect(4800, 240, 855, 495));
    // "# / b" alone says little to a screen reader.
    BtnToggle->setAccessibleName(QStringLiteral("Toggle sharp / flat spelling"));

    BtnOK = DialogGeometry::makeCaptioned<QPushButton>(this, "BtnOK", QStringLiteral("OK"),
                                                       twipsRect(3120, 1920, 1335, 375));
    BtnOK->setDefault(true);
    BtnCancel = DialogGeometry::makeCaptioned<QPushButton>(
        this, "BtnCancel", QStringLiteral("Cancel"), twipsRect(4560, 1920, 1335, 375));

    DialogGeometry::setTabChain({ComboStrings, ComboString[0], ComboString[1], ComboString[2],
                                 ComboString[3], ComboString[4], ComboString[5], ComboString[6],
                                 CheckShowFrets, CheckShowTuning, CheckDisplayIntervals,
                                 CheckLeftHand, BtnToggle, BtnOK, BtnCancel});

    connect(ComboStrings, &QComboBox::currentIndexChanged, this,
            &FormFretboardSetup::ComboStrings_Click);
    connect(BtnToggle, &QPushButton::clicked, this, &FormFretboardSetup::BtnToggle_Click);
    connect(BtnOK, &QPushButton::clicked, this, &FormFretboardSetup::BtnOK_Click);
    connect(BtnCancel, &QPushButton::clicked, this, &FormFretboardSetup::BtnCancel_Click);

    Form_Load();
}

void FormFretboardSetup::Form_Load() {
    intNumberStrings = Globals::NumberOfStrings();
    boolSharps = true;
    FillCombo();
    selectStringCount();
    CheckLeftHand->setChecked(Globals::LeftHand());
    CheckShowFrets->setChecked(Globals::ShowFretNumbers());
    CheckDisplayIntervals->setChecked(Globals::DisplayIntervals());
    CheckShowTuning->setChecked(Globals::ShowTuning());
    showGlobalTuning();
}

void FormFretboardSetup::FillCombo() {
    {
        // Emptying and refilling is not a choice of the user; only the selection below is.
        const QSignalBlocker blocker(ComboStrings);
        ComboStrings->clear();
        for (int n = kFewestStrings; n <= kStringLists; ++n) {
            ComboStrings->addItem(QStringLiteral("%1-stringed Instrument").arg(n));
        }
        ComboStrings->setCurrentIndex(-1);
    }
    selectStringCount();

    const int16_t intSign = boolSharps ? 1 : 2;
    for (QComboBox* combo : ComboString) {
        combo->clear();
        for (int intPitch = 0; intPitch < kPitchClasses; ++intPitch) {
            combo->addItem(pitchName(intPitch, intSign));
        }
        combo->setCurrentIndex(-1);
    }
}

void FormFretboardSetup::selectStringCount() {
    ComboStrings->setCurrentIndex(intNumberStrings - kFewestStrings);
}

void FormFretboardSetup::showGlobalTuning() {
    const int intStrings = ComboStrings->currentIndex() + kFewestStrings;
    for (int i = 1; i <= intStrings; ++i) {
        ComboString[static_cast<std::size_t>(i - 1)]->setCurrentIndex(Globals::Tuning(i)->Pitch());
    }
}

void FormFretboardSetup::ComboStrings_Click(int intIndex) {
    if (intIndex < 0) {
        return;
    }
    const int intStrings = intIndex + kFewestStrings;
    // A new string count starts every string in use from C.
    if (ComboString.front()->count() > 0) {
        for (int i = 0; i < intStrings; ++i) {
            ComboString[static_cast<std::size_t>(i)]->setCurrentIndex(0);
        }
    }
    for (int i = 0; i < kStringLists; ++i) {
        ComboString[static_cast<std::size_t>(i)]->setEnabled(i < intStrings);
    }
}

void FormFretboardSetup::BtnToggle_Click() {
    // The refill clears the pitch lists; the pitches chosen so far survive in the new spelling,
    // since a list's index is the pitch class in either spelling.
    std::array<int, kStringLists> intChosenPitch{};
    for (std::size_t i = 0; i < ComboString.size(); ++i) {
        intChosenPitch[i] = ComboString[i]->currentIndex();
    }
    boolSharps = !boolSharps;
    FillCombo();
    for (std::size_t i = 0; i < ComboString.size(); ++i) {
        if (ComboString[i]->isEnabled()) {
            ComboString[i]->setCurrentIndex(intChosenPitch[i]);
        }
    }
}

void FormFretboardSetup::BtnOK_Click() {
    Globals::setShowFretNumbers(CheckShowFrets->isChecked());
    Globals::setShowTuning(CheckShowTuning->isChecked());
    Globals::setLeftHand(CheckLeftHand->isChecked());
    Globals::setDisplayIntervals(CheckDisplayIntervals->isChecked());
    Globals::setNumberOfStrings(
        static_cast<int16_t>(ComboStrings->currentIndex() + kFewestStrings));
    changeGlobalTuning();
    accept();
}

void FormFretboardSetup::changeGlobalTuning() {
    const int intStrings = std::min<int>(Globals::NumberOfStrings(), kStringLists);
    for (int i = 1; i <= intStrings; ++i) {
        const QComboBox* combo = ComboString[static_cast<std::size_t>(i - 1)];
        // A list without a selection names no pitch: that string keeps its note.
        if (combo->currentIndex() < 0) {
            continue;
        }
        auto note = std::make_shared<SimpleNote>();
        note->setNote((combo->currentText() + QLatin1Char('3')).toStdString());
        Globals::setTuning(i, std::move(note));
    }
}

void FormFretboardSetup::BtnCancel_Click() {
    reject();
}
