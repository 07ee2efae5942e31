// The main window driven as a user drives it: root buttons, lists and menu shortcuts; then what
// it shows (see summary()), its picture, the bitmap's name and what it tells a screen reader.

#include "BitmapFileName.h"
#include "FormAbout.h"
#include "FormCustomScale.h"
#include "FormFretboardSetup.h"
#include "FormKeyboardSetup.h"
#include "WindowFixture.h"

namespace {

class MainWindowTest : public WindowFixture {
  protected:
    // Clicks root buttons by caption ("C".."B", "#", "b") and rows as "category/scale".
    void click(const QString& strRoot, const char* strRows = nullptr) const {
        for (const QChar ch : strRoot) {
            const auto i = QString("CDEFGAB#b").indexOf(ch);
            clickControl(qPrintable(QString(i < 7 ? "BtnPitch%1" : "BtnPitchAdd%1").arg(i % 7)));
        }
        for (int i = 0; strRows != nullptr && i < 2; ++i) {
            clickRow(i == 0 ? "ListScaleCategory" : "ListScale", strRows[2 * i] - '0');
        }
    }
};

// Root clicks on a fresh window, and the root they end on: the first start shows C Ionian on the
// fretboard, first category and scale; E sharp is refused (the random-action test tries the
// other refused roots); the other sign takes over; a letter click starts natural, also on the
// letter already selected.
TEST_F(MainWindowTest, FirstStartAndRootButtons) {
    const std::pair<QString, QString> rows[] = {
        {"", "C"}, {"E#", "E"}, {"D#b", "Db"}, {"G#G", "G"}};
    for (const auto& [strClicks, strRoot] : rows) {
        start();
        click(strClicks);
        expectShows(strRoot + " Ionian [1,2,3,4,5,6,7] bold " + strRoot +
                    "; fretboard; mode 0; rows 0/0");
    }
}

// A root click re-roots the scale; the instrument items keep root and scale. Each catalogue
// item opens its first category and scale, also from chord mode.
TEST_F(MainWindowTest, InstrumentItemsKeepTheScaleAndCatalogueItemsResetIt) {
    start();
    click("Bb", "2/4");
    const QString strShown =
        "Bb HM5 (Phrygian Major, Harmonic Dominant) [1,b2,3,4,5,b6,b7] bold Bb;";
    for (const int intKey : {0, int(Qt::Key_F3), int(Qt::Key_F2)}) {
        intKey != 0 ? pressKey(intKey) : void();
        expectShows(strShown + (intKey == Qt::Key_F3 ? " keyboard" : " fretboard") +
                    "; mode 0; rows 2/4");
    }
    const std::pair<int, QString> rows[] = {{Qt::Key_F5, "Ionian [1,2,3,4,5,6,7]"},
                                            {Qt::Key_F6, "Major Pentatonic [1,2,3,5,6]"},
                                            {Qt::Key_F7, "Major [1,2,3,4,5,6,7]"}};
    for (const auto& [key, strScale] : rows) {
        for (const int intFirst : {key, int(Qt::Key_F9)}) {
            pressKey(Qt::Key_F5);
            click("", "1/2");
            pressKey(intFirst);
            pressKey(key);
            expectShows("Bb " + strScale + " bold Bb; fretboard; mode 0; rows 0/0");
        }
    }
}

// Every control a user can reach or read must announce itself to a screen reader.
TEST_F(MainWindowTest, EveryControlOfTheWindowAndItsDialogsHasAnAccessibleName) {
    start();
    const FormCustomScale custom;
    const FormFretboardSetup fretboard;
    const FormKeyboardSetup keyboard;
    const FormAbout about;
    for (const QWidget* widget : QApplication::allWidgets()) {
        // A combo box's own parts are announced through it; Qt's internal widgets start "qt_".
        const bool boolControl =
            !widget->objectName().startsWith("qt_") && widget->parentWidget() != nullptr &&
            !widget->parentWidget()->inherits("QComboBox") &&
            (widget->inherits("QAbstractButton") || widget->inherits("QAbstractItemView") ||
             widget->inherits("QLineEdit") || widget->inherits("QComboBox") ||
             widget->inherits("QPlainTextEdit") || widget->inherits("PictureBox"));
        EXPECT_FALSE(boolControl && widget->accessibleName().trimmed().isEmpty())
            << widget->objectName().toStdString();
    }
}

// Saving the picture: the file name made from the title. (Ctrl+S with the file it writes and the
// message it shows: the zoom tests, at 200 %; a save that fails: the end-to-end hostile-machine
// tests.)
TEST(BitmapFileName, FiltersTheTitle) {
    // The sharp is dropped, so C# and C share a name; the flat keeps its "b". Brackets, commas,
    // signs and slashes vanish; any other instrument is the piano. A typed custom name cannot
    // lead out of the program directory.
    for (const auto& [intInstrument, strTitle, strFileName] :
         std::initializer_list<std::tuple<int, QString, QString>>{
             {1, "C# Ionian", "guitar-c_ionian.bmp"},
             {1, "Db Dorian", "guitar-db_dorian.bmp"},
             {2, "A MM4 (Mixolydian #11, Lydian b7)", "piano-a_mm4_mixolydian_11_lydian_b7.bmp"},
             {1, "C ../x", "guitar-c_x.bmp"},
             {1, "C /etc/passwd", "guitar-c_etcpasswd.bmp"}}) {
        EXPECT_EQ(bitmapFileName(intInstrument, strTitle), strFileName);
    }
}

} // namespace
