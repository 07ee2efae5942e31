#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// A modal message box with an OK button whose text is shown exactly as given: a path or a name
// that looks like markup (a directory called "<b>x</b>") must not be rendered as rich text.
void showPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& strTitle,
                      const QString& strText);
