#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Product name and version, copyright, home page and licence. It has no buttons: the window's
// close button or Escape closes it. It changes no state.
class FormAbout : public QDialog {
    Q_OBJECT

  public:
    explicit FormAbout(QWidget* parent = nullptr);

    // The licence as shown, its lines joined by CR LF.
    static QString strLicenseText();

  private:
    void Form_Load();

    QGroupBox* Frame1;
    QLabel* LabelVersion;
    QLabel* LabelCopy;
    QLabel* LabelURL;
    QLineEdit* TextURL;
    QPlainTextEdit* TextLicense;
};
