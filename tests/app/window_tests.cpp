// The main window driven as a user drives it: root buttons, lists, menu shortcuts; then the
// texts, check marks, bold captions, layout and the picture are checked.

#include "WindowFixture.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for texts.
static void PrintTo(const QString& str, std::ostream* os) {
    *os << '"' << str.toStdString() << '"';
}

namespace {

constexpr const char* kIonian = "1,2,3,4,5,6,7";
constexpr const char* kDorian = "1,2,b3,4,5,6,b7";

class MainWindowTest : public WindowFixture {
  protected:
    QString title() const { return child<QLineEdit>("TextTitle")->text(); }
    QString intervals() const { return child<QLineEdit>("TextScale")->text(); }

    // Clicks through a root given as button captions: "C".."B" the letters, "#" and "b" the
    // accidentals, e.g. "G#D" is G, then sharp, then D.
    void clickRoot(const std::string& strClicks) const {
        for (const char ch : strClicks) {
            const std::string strLetters = "CDEFGAB";
            QPushButton* button = nullptr;
            if (ch == '#' || ch == 'b') {
                button = child<QPushButton>(ch == '#' ? "BtnPitchAdd0" : "BtnPitchAdd1");
            } else {
                const auto intIndex = strLetters.find(ch);
                ASSERT_NE(intIndex, std::string::npos) << "no button " << ch;
                button = child<QPushButton>(qPrintable(QString("BtnPitch%1").arg(intIndex)));
            }
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    // The captions shown in bold among the letter buttons, then among the accidentals.
    QString boldLetters() const { return boldCaptions("BtnPitch", 7); }
    QString boldAccidentals() const { return boldCaptions("BtnPitchAdd", 2); }

    void clickRow(const char* strList, int intRow) const {
        auto* list = child<QListWidget>(strList);
        QListWidgetItem* item = list->item(intRow);
        ASSERT_NE(item, nullptr) << strList << " has no row " << intRow;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        ASSERT_EQ(list->currentRow(), intRow) << "the click missed row " << intRow;
    }

    QString currentText(const char* strList) const {
        const QListWidgetItem* item = child<QListWidget>(strList)->currentItem();
        return item != nullptr ? item->text() : QString();
    }

    void press(int intKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(intKey), modifiers);
    }

    bool checked(const char* strAction) const { return child<QAction>(strAction)->isChecked(); }

    // The picture must be exactly a fresh drawing of this scale on this root.
    void expectPicture(int intInstrument, const std::string& strIntervals, int16_t intLetter,
                       int16_t intAccidental) const {
        EXPECT_EQ(
            pictureDifference(window->Picture().surface().image(),
                              renderScale(intInstrument, strIntervals, intLetter, intAccidental)),
            "");
    }

  private:
    QString boldCaptions(const QString& strPrefix, int intCount) const {
        QString strBold;
        for (int i = 0; i < intCount; ++i) {
            const auto* button = child<QPushButton>(qPrintable(strPrefix + QString::number(i)));
            if (button->font().bold()) {
                strBold += button->text();
            }
        }
        return strBold;
    }
};

TEST_F(MainWindowTest, FirstStartShowsCIonianOnTheFretboardInScaleMode) {
    start();
    EXPECT_EQ(window->windowTitle(), "Gamutrix Lite 1.3a1");
    EXPECT_EQ(title(), "C Ionian");
    EXPECT_EQ(intervals(), kIonian);
    EXPECT_TRUE(checked("mnuFretboard"));
    EXPECT_FALSE(checked("mnuKeyboard"));
    EXPECT_EQ(window->Mode(), 0);
    EXPECT_FALSE(child<QFrame>("FrameChord")->isVisible());
    EXPECT_TRUE(child<QListWidget>("ListScale")->isVisible());
    // Catalogue 1: the four families of seven modes, the first family open.
    EXPECT_EQ(child<QListWidget>("ListScaleCategory")->count(), 4);
    EXPECT_EQ(child<QListWidget>("ListScaleCategory")->currentRow(), 0);
    EXPECT_EQ(currentText("ListScaleCategory"), "Ionian");
    EXPECT_EQ(child<QListWidget>("ListScale")->count(), 7);
    EXPECT_EQ(child<QListWidget>("ListScale")->currentRow(), 0);
    EXPECT_TRUE(child<QListWidget>("ListScale")->currentItem()->isSelected());
    EXPECT_EQ(boldLetters(), "C");
    EXPECT_EQ(boldAccidentals(), "");
    EXPECT_FALSE(child<QAction>("mnuUserScales")->isEnabled());
    expectPicture(1, kIonian, 0, 0);
}

// A sequence of root clicks on a fresh window (C Ionian) and the root it must end on.
struct RootCase {
    const char* strName;
    const char* strClicks;
    const char* strTitle;
    const char* strBoldLetter;
    const char* strBoldAccidental;
    int16_t intLetter;
    int16_t intAccidental;
};

class RootButtonsTest : public MainWindowTest, public ::testing::WithParamInterface<RootCase> {};

TEST_P(RootButtonsTest, EndsOnTheRootAndRedraws) {
    const RootCase& row = GetParam();
    start();
    clickRoot(row.strClicks);
    EXPECT_EQ(title(), row.strTitle);
    EXPECT_EQ(boldLetters(), row.strBoldLetter);
    EXPECT_EQ(boldAccidentals(), row.strBoldAccidental);
    EXPECT_EQ(intervals(), kIonian) << "a root change keeps the scale";
    expectPicture(1, kIonian, row.intLetter, row.intAccidental);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, RootButtonsTest,
    ::testing::Values(
        // There is no C flat, E sharp, F flat or B sharp: the letter stays, the sign comes off.
        RootCase{"CFlatRefused", "b", "C Ionian", "C", "", 0, 0},
        RootCase{"ESharpRefused", "E#", "E Ionian", "E", "", 2, 0},
        RootCase{"FFlatRefused", "Fb", "F Ionian", "F", "", 3, 0},
        RootCase{"BSharpRefused", "B#", "B Ionian", "B", "", 6, 0},
        // Their neighbours exist and are spelled as clicked.
        RootCase{"CSharp", "#", "C# Ionian", "C", "#", 0, 1},
        RootCase{"EFlat", "Eb", "Eb Ionian", "E", "b", 2, 2},
        RootCase{"FSharp", "F#", "F# Ionian", "F", "#", 3, 1},
        RootCase{"BFlat", "Bb", "Bb Ionian", "B", "b", 6, 2},
        RootCase{"DFlat", "Db", "Db Ionian", "D", "b", 1, 2},
        RootCase{"GSharp", "G#", "G# Ionian", "G", "#", 4, 1},
        // The other accidental takes over; the active one clicked again switches it off.
        RootCase{"SharpThenFlat", "D#b", "Db Ionian", "D", "b", 1, 2},
        RootCase{"FlatTwice", "D#bb", "D Ionian", "D", "", 1, 0},
        RootCase{"SharpTwice", "A##", "A Ionian", "A", "", 5, 0},
        // A letter click always starts natural, also on the letter already selected.
        RootCase{"SameLetterClearsSharp", "G#G", "G Ionian", "G", "", 4, 0},
        RootCase{"SameLetterClearsFlat",
                 "Ab"
                 "A",
                 "A Ionian", "A", "", 5, 0},
        RootCase{"GSharpThenD", "G#D", "D Ionian", "D", "", 1, 0},
        // A refused sign leaves nothing behind: the next sharp on C works.
        RootCase{"RefusedThenAllowed", "b#", "C# Ionian", "C", "#", 0, 1}),
    [](const ::testing::TestParamInfo<RootCase>& info) { return std::string(info.param.strName); });

TEST_F(MainWindowTest, ChoosingCategoryAndScaleByClickSetsTitleIntervalsAndPicture) {
    start();
    clickRow("ListScaleCategory", 1);
    EXPECT_EQ(currentText("ListScaleCategory"), "Melodic Minor");
    EXPECT_EQ(child<QListWidget>("ListScale")->count(), 7);
    EXPECT_EQ(child<QListWidget>("ListScale")->currentRow(), 0);
    EXPECT_EQ(title(), "C MM1 (Melodic Minor)");
    EXPECT_EQ(intervals(), "1,2,b3,4,5,6,7");
    expectPicture(1, "1,2,b3,4,5,6,7", 0, 0);

    clickRow("ListScale", 3);
    EXPECT_EQ(title(), "C MM4 (Mixolydian #11, Lydian b7, Lydian Dominant)");
    EXPECT_EQ(intervals(), "1,2,3,#4,5,6,b7");
    expectPicture(1, "1,2,3,#4,5,6,b7", 0, 0);

    // A new root re-roots the chosen scale; the lists keep their selection.
    clickRoot("Eb");
    EXPECT_EQ(title(), "Eb MM4 (Mixolydian #11, Lydian b7, Lydian Dominant)");
    EXPECT_EQ(intervals(), "1,2,3,#4,5,6,b7");
    EXPECT_EQ(child<QListWidget>("ListScale")->currentRow(), 3);
    expectPicture(1, "1,2,3,#4,5,6,b7", 2, 2);
}

TEST_F(MainWindowTest, RootChangeReRootsTheCurrentScale) {
    start();
    clickRow("ListScale", 1);
    EXPECT_EQ(title(), "C Dorian");
    const QImage imageCDorian = window->Picture().surface().image();
    clickRoot("D");
    EXPECT_EQ(title(), "D Dorian");
    EXPECT_EQ(intervals(), kDorian);
    expectPicture(1, kDorian, 1, 0);
    // D Dorian has the notes of C Ionian; only the brighter root markers move.
    EXPECT_NE(pictureDifference(window->Picture().surface().image(), renderScale(1, kIonian, 0, 0)),
              "");
    EXPECT_NE(pictureDifference(window->Picture().surface().image(), imageCDorian), "");

    // Choosing a scale keeps the root.
    clickRow("ListScale", 2);
    EXPECT_EQ(title(), "D Phrygian");
    expectPicture(1, "1,b2,b3,4,5,b6,b7", 1, 0);
}

TEST_F(MainWindowTest, SwitchingInstrumentKeepsRootAndScale) {
    start();
    clickRow("ListScaleCategory", 2);
    clickRow("ListScale", 4);
    clickRoot("Bb");
    const QString strTitle = title();
    EXPECT_EQ(strTitle, "Bb HM5 (Phrygian Major, Harmonic Dominant)");
    const std::string strIntervals = "1,b2,3,4,5,b6,b7";
    expectPicture(1, strIntervals, 6, 2);
    const QImage imageFretboard = window->Picture().surface().image();

    press(Qt::Key_F3);
    EXPECT_EQ(window->CurrentInstrument(), 2);
    EXPECT_FALSE(checked("mnuFretboard"));
    EXPECT_TRUE(checked("mnuKeyboard"));
    EXPECT_EQ(title(), strTitle);
    EXPECT_EQ(intervals(), QString::fromStdString(strIntervals));
    EXPECT_EQ(child<QListWidget>("ListScaleCategory")->currentRow(), 2);
    EXPECT_EQ(child<QListWidget>("ListScale")->currentRow(), 4);
    EXPECT_EQ(boldLetters(), "B");
    EXPECT_EQ(boldAccidentals(), "b");
    expectPicture(2, strIntervals, 6, 2);

    // The checked item chosen again stays checked: the instrument does not toggle off.
    press(Qt::Key_F3);
    EXPECT_TRUE(checked("mnuKeyboard"));
    EXPECT_FALSE(checked("mnuFretboard"));
    expectPicture(2, strIntervals, 6, 2);

    press(Qt::Key_F2);
    EXPECT_EQ(window->CurrentInstrument(), 1);
    EXPECT_TRUE(checked("mnuFretboard"));
    EXPECT_FALSE(checked("mnuKeyboard"));
    EXPECT_EQ(title(), strTitle);
    EXPECT_EQ(pictureDifference(window->Picture().surface().image(), imageFretboard), "");

    // Root changes on the keyboard redraw the keyboard.
    press(Qt::Key_F3);
    clickRoot("F#");
    EXPECT_EQ(title(), "F# HM5 (Phrygian Major, Harmonic Dominant)");
    expectPicture(2, strIntervals, 3, 1);
}

// A catalogue item and what it must show first, on the root D.
struct CatalogueCase {
    const char* strName;
    Qt::Key key;
    int intCategories;
    const char* strFirstCategory;
    const char* strFirstScale;
    const char* strIntervals;
};

class CatalogueItemsTest : public MainWindowTest,
                           public ::testing::WithParamInterface<CatalogueCase> {
  protected:
    void expectFirstEntry(const CatalogueCase& row) const {
        const auto* categories = child<QListWidget>("ListScaleCategory");
        const auto* scales = child<QListWidget>("ListScale");
        EXPECT_EQ(categories->count(), row.intCategories);
        EXPECT_EQ(categories->currentRow(), 0);
        EXPECT_EQ(currentText("ListScaleCategory"), row.strFirstCategory);
        EXPECT_EQ(scales->currentRow(), 0);
        EXPECT_EQ(currentText("ListScale"), row.strFirstScale);
        EXPECT_EQ(title(), QString("D ") + row.strFirstScale);
        EXPECT_EQ(intervals(), row.strIntervals);
        EXPECT_EQ(window->Mode(), 0);
        EXPECT_FALSE(child<QFrame>("FrameChord")->isVisible());
        expectPicture(window->CurrentInstrument(), row.strIntervals, 1, 0);
    }
};

TEST_P(CatalogueItemsTest, ResetsListsToTheFirstCategoryAndScale) {
    const CatalogueCase& row = GetParam();
    start();
    clickRoot("D");
    clickRow("ListScaleCategory", 1);
    clickRow("ListScale", 2);
    press(row.key);
    expectFirstEntry(row);

    // The same item once more, after another choice, resets again.
    clickRow("ListScaleCategory", 1);
    clickRow("ListScale", 1);
    press(row.key);
    expectFirstEntry(row);
}

TEST_P(CatalogueItemsTest, LeavesChordMode) {
    const CatalogueCase& row = GetParam();
    start();
    press(Qt::Key_F3);
    clickRoot("D");
    press(Qt::Key_F9);
    ASSERT_EQ(window->Mode(), 1);
    ASSERT_TRUE(child<QFrame>("FrameChord")->isVisible());
    press(row.key);
    expectFirstEntry(row);
    EXPECT_TRUE(child<QListWidget>("ListScale")->isVisible());
    EXPECT_TRUE(checked("mnuKeyboard"));
}

INSTANTIATE_TEST_SUITE_P(
    Menu, CatalogueItemsTest,
    ::testing::Values(CatalogueCase{"MainScalesF5", Qt::Key_F5, 4, "Ionian", "Ionian",
                                    "1,2,3,4,5,6,7"},
                      // The major pentatonic opens the scales sorted by character.
                      CatalogueCase{"SortedScalesF6", Qt::Key_F6, 6, "Major Scales",
                                    "Major Pentatonic", "1,2,3,5,6"},
                      CatalogueCase{"VariousScalesF7", Qt::Key_F7, 2, "Unsorted Scales", "Major",
                                    "1,2,3,4,5,6,7"}),
    [](const ::testing::TestParamInfo<CatalogueCase>& info) {
        return std::string(info.param.strName);
    });

// Twips of the classic layout and the pixels they become at 15 twips per pixel, relative to the
// client area below the menu bar. The row of buttons and the lists sit where the vertical layout
// puts them (3975 and 4470), not at their design positions.
struct ControlPlace {
    const char* strName;
    int intLeft;
    int intTop;
    int intWidth;
    int intHeight;
};

constexpr ControlPlace kPlaces[] = {
    {"TextTitle", 120, 120, 5295, 285},     {"TextScale", 5520, 120, 2295, 285},
    {"BtnEdit", 7920, 120, 855, 255},       {"PicScaleInstrument", 120, 480, 8655, 3375},
    {"BtnPitch0", 120, 3975, 975, 375},     {"BtnPitch3", 3360, 3975, 975, 375},
    {"BtnPitch6", 6600, 3975, 975, 375},    {"BtnPitchAdd0", 7680, 3975, 495, 375},
    {"BtnPitchAdd1", 8280, 3975, 495, 375}, {"ListScaleCategory", 120, 4470, 1815, 1620},
    {"ListScale", 2040, 4470, 6735, 1620},  {"FrameChord", 120, 4440, 8655, 1695},
};

TEST_F(MainWindowTest, LayoutFollowsTheTwipsGeometry) {
    start();
    const QWidget* client = window->centralWidget();
    ASSERT_NE(client, nullptr);
    for (const ControlPlace& place : kPlaces) {
        SCOPED_TRACE(place.strName);
        const auto* control = child<QWidget>(place.strName);
        ASSERT_EQ(control->parentWidget(), client);
        EXPECT_EQ(control->geometry(), QRect(place.intLeft / 15, place.intTop / 15,
                                             place.intWidth / 15, place.intHeight / 15));
    }
    EXPECT_EQ(client->width(), 8895 / 15);

    // The classic outer height (6870 twips) counts an 18-pixel caption and two 4-pixel borders
    // (390 twips) that the window manager draws here; what Qt sizes is the rest, menu bar
    // included: (6870 - 390) / 15 = 432 pixels. Scale and chord mode have the same height.
    for (const int intKey : {0, int(Qt::Key_F9), int(Qt::Key_F5)}) {
        SCOPED_TRACE(intKey);
        if (intKey != 0) {
            press(intKey);
        }
        EXPECT_EQ(window->OuterHeightTwips(), 6870);
        EXPECT_EQ(window->size(), QSize(593, 432));
        EXPECT_EQ(window->height(), (window->OuterHeightTwips() - 390) / 15);
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window has a fixed size";
        // Nothing that is shown may be cut off at the bottom of the client area.
        for (const char* strName : {"ListScaleCategory", "ListScale", "FrameChord"}) {
            const auto* control = child<QWidget>(strName);
            if (control->isVisible()) {
                EXPECT_LE(control->geometry().bottom(), client->height() - 1) << strName;
            }
        }
    }
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

} // namespace
