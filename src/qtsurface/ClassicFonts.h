#pragma once

// Lets the classic Windows faces the program asks for ("MS Sans Serif", "Tahoma", "Courier New")
// resolve to metric-compatible free fonts. Needs only Qt Gui; repeating it changes nothing.
void installClassicFontSubstitutions();

// The substitutions above, and "MS Sans Serif" 8.25 pt as the application font. Call once after
// the QApplication exists and before any widget is created.
void installClassicFonts();
