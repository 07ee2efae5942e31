// The main window driven as a user drives it: root buttons, lists and menu shortcuts; then what
// it shows (see summary()), its picture and its layout.

#include "WindowFixture.h"

class MainWindowTest : public WindowFixture {
  protected:
    // Clicks root buttons by caption: "C".."B" the letters, "#" and "b" the accidentals.
    void clickRoot(const QString& strClicks) const {
        for (const QChar ch : strClicks) {
            const int i = QString("CDEFGAB#b").indexOf(ch);
            clickControl(qPrintable(i < 7 ? QString("BtnPitch%1").arg(i)
                                          : QString("BtnPitchAdd%1").arg(i - 7)));
        }
    }
    void clickRow(const char* strList, int intRow) const {
        auto* list = child<QListWidget>(strList);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(intRow)).center());
    }
};

TEST_F(MainWindowTest, FirstStartAndRootButtons) {
    // Root clicks on a fresh window, and the root they end on.
    for (const auto& [strClicks, strRoot] : std::initializer_list<std::pair<QString, QString>>{
             // The first start: C Ionian on the fretboard, first category and scale.
             {"", "C"},
             // No C flat, E sharp, F flat or B sharp: the letter stays, the sign comes off.
             {"b", "C"},
             {"E#", "E"},
             {"Fb", "F"},
             {"B#", "B"},
             // The other sign takes over.
             {"D#b", "Db"},
             // A letter click starts natural, also on the letter already selected.
             {"G#G", "G"},
             {"G#D", "D"}}) {
        start();
        clickRoot(strClicks);
        expectShows(strRoot + " Ionian [1,2,3,4,5,6,7] bold " + strRoot +
                    "; fretboard; mode 0; rows 0/0");
    }
}

TEST_F(MainWindowTest, RootChangeReRootsTheScaleAndTheInstrumentKeepsBoth) {
    start();
    clickRow("ListScaleCategory", 2);
    clickRow("ListScale", 4);
    clickRoot("Bb");
    const QString strShown =
        "Bb HM5 (Phrygian Major, Harmonic Dominant) [1,b2,3,4,5,b6,b7] bold Bb;";
    expectShows(strShown + " fretboard; mode 0; rows 2/4");
    pressKey(Qt::Key_F3);
    expectShows(strShown + " keyboard; mode 0; rows 2/4");
    pressKey(Qt::Key_F2);
    expectShows(strShown + " fretboard; mode 0; rows 2/4");
}

TEST_F(MainWindowTest, CatalogueItemsResetTheListsAlsoFromChordMode) {
    // Each catalogue item opens its first category and scale, here on root D.
    for (const auto& [key, strScale] : std::initializer_list<std::pair<int, QString>>{
             {Qt::Key_F5, "D Ionian [1,2,3,4,5,6,7]"},
             {Qt::Key_F6, "D Major Pentatonic [1,2,3,5,6]"},
             {Qt::Key_F7, "D Major [1,2,3,4,5,6,7]"}}) {
        start();
        clickRoot("D");
        clickRow("ListScaleCategory", 1);
        clickRow("ListScale", 2);
        pressKey(key);
        expectShows(strScale + " bold D; fretboard; mode 0; rows 0/0");
        pressKey(Qt::Key_F9);
        ASSERT_TRUE(child<QWidget>("FrameChord")->isVisible());
        pressKey(key);
        expectShows(strScale + " bold D; fretboard; mode 0; rows 0/0");
    }
}

TEST_F(MainWindowTest, LayoutFollowsTheTwips) {
    start();
    EXPECT_EQ(window->centralWidget()->width(), 593);
    // Places in twips, 15 to the pixel, within the client area.
    for (const auto& [strName, twips] : std::initializer_list<std::pair<const char*, QRect>>{
             {"TextTitle", {120, 120, 5295, 285}},
             {"PicScaleInstrument", {120, 480, 8655, 3375}},
             {"ListScale", {2040, 4470, 6735, 1620}}}) {
        const QRect pixels(twips.topLeft() / 15, twips.size() / 15);
        EXPECT_EQ(child<QWidget>(strName)->geometry(), pixels) << strName;
    }
    // 6870 twips less the caption and borders the window manager draws (390 twips) are 432
    // pixels, in scale and chord mode alike.
    for (const int intKey : {int(Qt::Key_F5), int(Qt::Key_F9)}) {
        pressKey(intKey);
        EXPECT_EQ(window->OuterHeightTwips(), 6870);
        EXPECT_EQ(window->height(), 432);
    }
}
