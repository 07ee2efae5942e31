#include "PlainMessage.h"

void showPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& strTitle,
                      const QString& strText) {
    QMessageBox box(icon, strTitle, strText, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
