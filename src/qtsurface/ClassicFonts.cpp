#include "ClassicFonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

void installClassicFontSubstitutions() {
    const QStringList sansSerif{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sansSerif);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sansSerif);
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
}

void installClassicFonts() {
    installClassicFontSubstitutions();
    QFont fontApplication(QStringLiteral("MS Sans Serif"));
    fontApplication.setPointSizeF(8.25);
    QApplication::setFont(fontApplication);
}
