#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// Sets the piano keyboard's octave placement and whether it prints note names and interval
// codes. Writes the settings only on OK; Cancel, Escape and the close button change nothing.
class FormKeyboardSetup : public QDialog {
    Q_OBJECT

  public:
    explicit FormKeyboardSetup(QWidget* parent = nullptr);

    // Offers the three octave placements and selects the current one.
    void FillComboOptions();

  private:
    void Form_Load();
    void BtnOK_Click();
    void BtnCancel_Click();

    QComboBox* ComboOptions;
    QGroupBox* Frame1;
    QCheckBox* CheckShowNote;
    QCheckBox* CheckShowInterval;
    QPushButton* BtnOK;
    QPushButton* BtnCancel;
    QLabel* Label1;
};
