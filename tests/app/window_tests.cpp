// The main window driven as a user drives it: root buttons, lists and menu shortcuts; then what
// it shows (see summary()), its picture and its layout.

#include "WindowFixture.h"

namespace {

class MainWindowTest : public WindowFixture {
  protected:
    // Clicks root buttons by caption ("C".."B", "#", "b") and rows as "category/scale".
    void click(const QString& strRoot, const char* strRows = nullptr) const {
        for (const QChar ch : strRoot) {
            const auto i = QString("CDEFGAB#b").indexOf(ch);
            clickControl(qPrintable(i < 7 ? QString("BtnPitch%1").arg(i)
                                          : QString("BtnPitchAdd%1").arg(i - 7)));
        }
        for (int i = 0; strRows != nullptr && i < 2; ++i) {
            auto* list = child<QListWidget>(i == 0 ? "ListScaleCategory" : "ListScale");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(strRows[2 * i] - '0')).center());
        }
    }
};

// Root clicks on a fresh window, and the root they end on: the first start shows C Ionian on the
// fretboard, first category and scale; E sharp is refused (the random-action test tries the
// other refused roots); the other sign takes over; a letter click starts natural, also on the
// letter already selected.
TEST_F(MainWindowTest, FirstStartAndRootButtons) {
    for (const auto& [strClicks, strRoot] : std::initializer_list<std::pair<QString, QString>>{
             {"", "C"}, {"E#", "E"}, {"D#b", "Db"}, {"G#G", "G"}}) {
        start();
        click(strClicks);
        expectShows(strRoot + " Ionian [1,2,3,4,5,6,7] bold " + strRoot +
                    "; fretboard; mode 0; rows 0/0");
    }
}

// A root click re-roots the scale; the instrument items keep root and scale.
TEST_F(MainWindowTest, RootChangeReRootsTheScaleAndTheInstrumentKeepsBoth) {
    start();
    click("Bb", "2/4");
    const QString strShown =
        "Bb HM5 (Phrygian Major, Harmonic Dominant) [1,b2,3,4,5,b6,b7] bold Bb;";
    for (const int intKey : {0, int(Qt::Key_F3), int(Qt::Key_F2)}) {
        intKey != 0 ? pressKey(intKey) : void();
        expectShows(strShown + (intKey == Qt::Key_F3 ? " keyboard" : " fretboard") +
                    "; mode 0; rows 2/4");
    }
}

// Each catalogue item opens its first category and scale, also from chord mode.
TEST_F(MainWindowTest, CatalogueItemsResetTheLists) {
    for (const auto& [key, strScale] : std::initializer_list<std::pair<int, QString>>{
             {Qt::Key_F5, "D Ionian [1,2,3,4,5,6,7]"},
             {Qt::Key_F6, "D Major Pentatonic [1,2,3,5,6]"},
             {Qt::Key_F7, "D Major [1,2,3,4,5,6,7]"}}) {
        start();
        click("D", "1/2");
        for (const int intFirst : {key, int(Qt::Key_F9)}) {
            pressKey(intFirst);
            pressKey(key);
            expectShows(strScale + " bold D; fretboard; mode 0; rows 0/0");
        }
    }
}

} // namespace
