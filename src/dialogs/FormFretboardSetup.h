#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

// Sets up the stringed instrument: number of strings, the open-string pitch of each string, and
// the fretboard's display options. Reads the instrument settings when it opens and writes them
// only on OK; Cancel, Escape and the close button change nothing.
class FormFretboardSetup : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kStringLists = 7;

    explicit FormFretboardSetup(QWidget* parent = nullptr);

    // Refills the string-count list (selecting the count at opening) and the seven pitch lists
    // in the current spelling, the pitch lists without a selection.
    void FillCombo();
    // Stores the selected pitch of each string in use as the open-string note, octave 3.
    void changeGlobalTuning();

  private:
    void Form_Load();
    void selectStringCount();
    void showGlobalTuning();
    void ComboStrings_Click(int intIndex);
    void BtnToggle_Click();
    void BtnOK_Click();
    void BtnCancel_Click();

    int16_t intNumberStrings = 6;
    bool boolSharps = true;

    QComboBox* ComboStrings;
    std::array<QComboBox*, kStringLists> ComboString{};
    QGroupBox* Frame1;
    QCheckBox* CheckShowFrets;
    QCheckBox* CheckShowTuning;
    QCheckBox* CheckDisplayIntervals;
    QCheckBox* CheckLeftHand;
    QPushButton* BtnToggle;
    QPushButton* BtnOK;
    QPushButton* BtnCancel;
};
