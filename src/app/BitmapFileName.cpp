#include "BitmapFileName.h"

QString bitmapFileName(int intInstrument, const QString& strTitle) {
    QString strName = intInstrument == 1 ? "guitar-" : "piano-";
    for (const QChar ch : strTitle.toLower()) {
        if (ch == ' ') {
            strName += '_';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) {
            strName += ch;
        }
    }
    return strName + ".bmp";
}
