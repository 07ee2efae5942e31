#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

// Builds an interval list of the user's own, interval by interval upwards from the root, and
// names it. Positions are 1 (the root) to 16 (major seventh); the list only ever grows upwards.
// After exec() the caller reads boolNewScale() and, when it is true, strScaleCode() and
// strScaleName(). Closing the window or pressing Escape counts as "Cancel".
class FormCustomScale : public QDialog {
    Q_OBJECT

  public:
    explicit FormCustomScale(QWidget* parent = nullptr);

    bool boolNewScale() const { return boolNewScaleValue; }
    const std::string& strScaleCode() const { return strScaleCodeValue; }
    std::string strScaleName() const;
    int16_t intCurrentLastInt() const { return intCurrentLastIntValue; }

    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void fillNextCombo(int16_t intStartInt = 0);
    void BtnAdd_Click();
    void BtnReset_Click();
    void BtnOK_Click();
    void BtnCancel_Click();

    int16_t intCurrentLastIntValue = 1;
    bool boolNewScaleValue = false;
    std::string strScaleCodeValue;

    QLineEdit* TextScaleName;
    QLineEdit* TextScale;
    QComboBox* ComboNext;
    QPushButton* BtnAdd;
    QPushButton* BtnReset;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};
