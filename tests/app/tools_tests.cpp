// The Tools menu: the Identify Notes window and the Chords of the Scale window, driven as a user
// would, and rows chosen in them compared with the same chord or scale clicked in the main window.

#include "Globals.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>
#include <array>

namespace {

class ToolsWindow : public WindowFixture {
  protected:
    void SetUp() override {
        Globals::setDefaultSettings();
        start();
    }

    // Ctrl+I opens Identify Notes, Ctrl+T Chords of the Scale.
    void openTool(int intKey) const {
        pressKey(intKey, Qt::ControlModifier);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the tools leave the window free";
    }
    QString notes() const { return lineText("TextNotes"); }
    void typeNotes(const QString& strNotes) const {
        child<QLineEdit>("TextNotes")->clear();
        QTest::keyClicks(child<QLineEdit>("TextNotes"), strNotes);
    }
    // Each row of a list or table of the tools, its first intColumns columns joined by " | ".
    QStringList rows(const char* strView, int intColumns = 9) const {
        const QAbstractItemModel* model = child<QAbstractItemView>(strView)->model();
        QStringList collRows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList collCells;
            for (int c = 0; c < std::min(model->columnCount(), intColumns); ++c) {
                collCells << model->index(r, c).data().toString();
            }
            collRows << collCells.join(" | ");
        }
        return collRows;
    }
    std::size_t chosenMarkers() const {
        return window->Picture().overlay(OverlayLayer::ChosenNotes).size();
    }
    // A click on the place of string intString (1 the top line) and fret intFret (0 open).
    void clickPlace(int intString, int intFret) const {
        QTest::mouseClick(&window->pictureBox(), Qt::LeftButton, {},
                          QPoint((753 + 550 * intFret) / 15, (758 + 350 * (intString - 1)) / 15));
    }

    // A user's steps in the main window: "F3".."F9" (keys), "Q2" (four-note chord row), "C0"
    // (category row), "S1" (scale row), or the name of a button or check box to click.
    void perform(const QStringList& collSteps) const {
        for (const QString& strStep : collSteps) {
            activate();
            const int intList = QString("QCS").indexOf(strStep[0]);
            if (strStep[0] == 'F') {
                QTest::keyClick(window.get(), Qt::Key(Qt::Key_F1 + strStep[1].digitValue() - 1));
            } else if (strStep.size() == 2) {
                clickRow(std::array{"ListQuadriad", "ListScaleCategory", "ListScale"}[intList],
                         strStep[1].digitValue());
            } else {
                child<QAbstractButton>(qPrintable(strStep))->click();
            }
        }
    }
    // What the user sees: the summary, the chord frame's controls and its list rows; the frame's
    // controls are made when chord mode first starts.
    QString seen() const {
        if (window->findChild<QListWidget*>("ListTriad") == nullptr) {
            return summary() + " | no chord frame yet";
        }
        return summary() + " | " + controls() +
               QString(" | %1/%2")
                   .arg(child<QListWidget>("ListTriad")->currentRow())
                   .arg(child<QListWidget>("ListQuadriad")->currentRow());
    }
};

// Choosing a row leaves the main window as the equivalent clicks do: the same title, interval
// line, root buttons, mode, lists, boxes and picture.
TEST_F(ToolsWindow, ChosenRowShowsWhatTheClicksShow) {
    // The notes typed, the chord's text or a scale's "root | scale | catalogue" to choose, and the
    // same thing clicked in the main window.
    const std::initializer_list<std::tuple<const char*, const char*, QStringList>> kRows{
        {"D F A C", "F 6", {"BtnPitch3", "F9", "ChkAdd13"}},
        {"Db F Ab", "C#", {"BtnPitch0", "BtnPitchAdd0", "F9"}},
        {"C D F G Bb", "C 7sus4/9/11", {"F9", "Q2", "ChkAdd9", "ChkSus4"}},
        {"C D G", "C sus2", {"F9", "ChkAdd9", "ChkNo3"}},
        {"G B D F Ab", "G 7/b9", {"BtnPitch4", "F9", "Q2", "ChkAdd9", "OptSecond1"}},
        {"Eb G A B D", "Eb | Lydian #5 | 2", {"BtnPitch2", "BtnPitchAdd1", "F6", "C0", "S5"}},
    };
    for (const auto& [strNotes, strRow, collSteps] : kRows) {
        window.reset();
        start();
        perform(collSteps);
        const QString strClicked = seen();
        const QImage pictureClicked = shownPicture();
        // Elsewhere first: catalogue 2 on B flat.
        perform({"F6", "BtnPitch6", "BtnPitchAdd1"});
        openTool(Qt::Key_I);
        typeNotes(strNotes);
        // The chord's row, else the scale's (whose fourth column holds the extra notes).
        for (const char* strView : {"ListChords", "TreeScales"}) {
            if (const int intRow = rows(strView, 3).indexOf(strRow); intRow >= 0) {
                clickRow(strView, intRow);
            }
        }
        EXPECT_EQ(seen(), strClicked) << strRow;
        EXPECT_EQ(pictureDifference(shownPicture(), pictureClicked), "") << strRow;
    }
}

TEST_F(ToolsWindow, ChordsOfTheScaleBuildsTheChosenChord) {
    // Start-up shows C Ionian; the table and its messages are pinned by the identify tests. The
    // four-note chord of V: G7, as clicked.
    openTool(Qt::Key_T);
    clickRow("TreeChords", 4, 3);
    const QString strChosen = seen();
    const QImage pictureChosen = shownPicture();
    perform({"F5", "BtnPitch4", "F9", "Q2"});
    EXPECT_EQ(seen(), strChosen);
    EXPECT_EQ(pictureDifference(shownPicture(), pictureChosen), "");
    // C Gipsy Minor (catalogue 2, Minor Scales, tenth entry): F# Ab C is no third, and a dash is
    // no chord to build.
    perform({"BtnPitch0", "F6", "C1", "S9"});
    openTool(Qt::Key_T);
    EXPECT_EQ(rows("TreeChords").at(3), "IV | \u2014 | F# Ab C | \u2014 | F# Ab C Eb");
    const QString strBefore = seen();
    clickRow("TreeChords", 3, 1);
    EXPECT_EQ(seen(), strBefore);
}

// A click on a place toggles its note, marked over the picture, which itself stays as the views
// draw it. Marker centres (twips): x 753 + 550 x fret (open strings beyond the nut; left-handed
// mirrored, open strings at 7903), y 758 + 350 x (string - 1), the strings E B G D A E from the
// top; then keyboard discs of C3, C#3 (named flat: the keyboard has no spelling) and Bb4.
TEST_F(ToolsWindow, PictureClickTogglesTheNoteOfThePlaceAndChordsAreNamedFromTheBass) {
    openTool(Qt::Key_I);
    for (const auto& [intInstrument, boolLeftHand, x, y, strNote] :
         std::initializer_list<std::tuple<int, bool, int, int, const char*>>{
             {1, false, 1303, 1108, "C"},
             {1, true, 7903, 758, "E"},
             {2, false, 1328, 2363, "C"},
             {2, false, 1478, 1688, "Db"}}) {
        perform({intInstrument == 1 ? "F2" : "F3"});
        Globals::setLeftHand(boolLeftHand);
        window->RedrawScale();
        const QImage before = shownPicture();
        QTest::mouseClick(&window->pictureBox(), Qt::LeftButton, {}, QPoint(x, y) / 15);
        EXPECT_EQ(notes(), strNote) << x;
        ASSERT_EQ(chosenMarkers(), 1U) << x;
        const OverlayMarker& marker = window->Picture().overlay(OverlayLayer::ChosenNotes)[0];
        EXPECT_EQ(QPoint(marker.x, marker.y), QPoint(x, y));
        EXPECT_EQ(pictureDifference(shownPicture(), before), "");
        QTest::mouseClick(&window->pictureBox(), Qt::LeftButton, {}, QPoint(x, y) / 15);
        EXPECT_EQ(notes(), "") << x;
    }
    // F on the low string under D A C: the bass is the lowest clicked note, whatever the order.
    perform({"F2"});
    clickPlace(4, 0); // D
    clickPlace(3, 2); // A
    clickPlace(2, 1); // C
    clickPlace(6, 1); // F, the lowest
    EXPECT_EQ(notes(), "F D A C");
    EXPECT_EQ(rows("ListChords"), (QStringList{"F 6", "D m7"}));
    EXPECT_EQ(chosenMarkers(), 4U);
    // Clicks count only while the window is open; closing it takes the marks away.
    child<QWidget>("FormIdentifyNotes")->close();
    EXPECT_EQ(chosenMarkers(), 0U);
    clickPlace(1, 0);
    openTool(Qt::Key_I);
    EXPECT_EQ(notes(), "F D A C");
    // Typing replaces the clicked notes; the keyboard has none of the board's places.
    typeNotes("C E G");
    EXPECT_EQ(chosenMarkers(), 0U);
    // An unknown name is reported and leaves the answer as it was: C major first.
    QTest::keyClicks(child<QLineEdit>("TextNotes"), " H");
    EXPECT_TRUE(child<QLabel>("LabelMessage")->text().contains("\"H\""));
    EXPECT_EQ(rows("ListChords").at(0), "C");
    clickPlace(1, 0);
    EXPECT_EQ(notes(), "E");
    perform({"F3"});
    EXPECT_EQ(notes(), "");
    EXPECT_EQ(chosenMarkers(), 0U);
}

} // namespace
