#include "ClassicFonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
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
    QFont fontApplication(installedClassicFamily(QStringLiteral("MS Sans Serif")));
    fontApplication.setPointSizeF(8.25);
    QApplication::setFont(fontApplication);
}

std::optional<QString> findInstalledClassicFamily(const QString& strFamily) {
    const QStringList collInstalled = QFontDatabase::families();
    if (collInstalled.contains(strFamily, Qt::CaseInsensitive)) {
        return strFamily;
    }
    const QStringList collSubstitutes = QFont::substitutes(strFamily);
    for (const QString& strSubstitute : collSubstitutes) {
        if (collInstalled.contains(strSubstitute, Qt::CaseInsensitive)) {
            return strSubstitute;
        }
    }
    return std::nullopt;
}

QString installedClassicFamily(const QString& strFamily) {
    return findInstalledClassicFamily(strFamily).value_or(strFamily);
}
