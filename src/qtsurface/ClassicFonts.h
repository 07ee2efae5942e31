#pragma once

#include <QString>
#include <optional>

// Lets the classic Windows faces the program asks for ("MS Sans Serif", "Tahoma", "Courier New")
// resolve to metric-compatible free fonts. Needs only Qt Gui; repeating it changes nothing.
void installClassicFontSubstitutions();

// The substitutions above, and "MS Sans Serif" 8.25 pt as the application font. Call once after
// the QApplication exists and before any widget is created.
void installClassicFonts();

// The family to ask Qt for in place of a classic one on the screen: the family itself where the
// system has it, else the first of its substitutes that the system has. The result is drawn with
// the same font either way, but a missing family sends Qt through fontconfig's whole list of
// fallbacks for every new size and weight, which costs the start-up milliseconds.
QString installedClassicFamily(const QString& strFamily);

// The same family, or nothing where the system has neither the classic family nor a substitute.
std::optional<QString> findInstalledClassicFamily(const QString& strFamily);
