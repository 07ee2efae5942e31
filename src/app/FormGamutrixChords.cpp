// Chord mode: the chord builder frame. The chord is nothing but the state of its controls;
// ChangedChord rebuilds it from them after every change. Handlers are connected to change signals,
// so a state set from code runs the control's handler at once, and only on a real change.

#include "ChordBuilderRules.h"
#include "ClassicFonts.h"
#include "DialogGeometry.h"
#include "FormGamutrix.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

using DialogGeometry::makeCaptioned;
using DialogGeometry::placeControl;
using DialogGeometry::twipsRect;

namespace {

// One row of option buttons in a container of its own; returns the buttons.
template <std::size_t N>
std::array<QRadioButton*, N>
makeOptionRow(QWidget* parent, const char* strContainer, const char* strArray, int intTop,
              const std::array<const char*, N>& captions, const std::array<int, N>& widths) {
    auto* container = new QWidget(parent);
    placeControl(container, strContainer, QString(strArray) + " options",
                 twipsRect(6720, intTop, 1815, 255));
    auto* group = new QButtonGroup(container);
    std::array<QRadioButton*, N> buttons{};
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = makeCaptioned<QRadioButton>(
            container, qPrintable(QString("%1%2").arg(strArray).arg(i)), captions[i],
            twipsRect(600 * static_cast<int>(i), 0, widths[i], 255));
        buttons[i]->setEnabled(false);
        group->addButton(buttons[i], static_cast<int>(i));
    }
    buttons[0]->setChecked(true);
    return buttons;
}

void addListItems(QListWidget* list, const auto& items) {
    list->clear();
    for (const ChordListItem& item : items) {
        list->addItem(item.strText);
    }
}

} // namespace

void FormGamutrix::createChordFrame() {
    QFont fontHeading(installedClassicFamily("MS Sans Serif"));
    fontHeading.setPointSizeF(8.25);
    fontHeading.setBold(true);
    const auto addHeading = [&](const char* strName, const QString& strCaption, int intLeft,
                                int intWidth) {
        makeCaptioned<QLabel>(FrameChord, strName, strCaption,
                              twipsRect(intLeft, 240, intWidth, 255))
            ->setFont(fontHeading);
    };
    const auto addCheck = [this](const char* strName, const QString& strCaption, int intTop,
                                 int intLeft, int intWidth) {
        return makeCaptioned<QCheckBox>(FrameChord, strName, strCaption,
                                        twipsRect(intLeft, intTop, intWidth, 255));
    };

    addHeading("Label1", tr("Triads"), 120, 1335);
    ListTriad = new QListWidget(FrameChord);
    placeControl(ListTriad, "ListTriad", tr("Triads"), twipsRect(120, 480, 1455, 1035));
    addHeading("Label2", tr("Quadriads"), 1680, 1335);
    ListQuadriad = new QListWidget(FrameChord);
    placeControl(ListQuadriad, "ListQuadriad", tr("Quadriads"), twipsRect(1680, 480, 1455, 1035));

    auto* line = new QFrame(FrameChord);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    DialogGeometry::placeTwips(line,
                               twipsRect(3240, 240, DialogGeometry::kTwipsPerPixel, 1560 - 240));

    addHeading("Label3", tr("Additions"), 3360, 1215);
    ChkAdd9 = addCheck("ChkAdd9", tr("add9 / 2"), 480, 3360, 1095);
    ChkAdd11 = addCheck("ChkAdd11", tr("add11 / 4"), 720, 3360, 1215);
    ChkAdd13 = addCheck("ChkAdd13", tr("add13 / 6"), 960, 3360, 1095);
    addHeading("Label4", tr("Alterations"), 4680, 1815);
    ChkNo3 = addCheck("ChkNo3", tr("(no3rd) / 5"), 480, 4680, 1335);
    ChkSus4 = addCheck("ChkSus4", tr("sus4 / add11 (no 3rd)"), 720, 4680, 1935);
    ChkSus2 = addCheck("ChkSus2", tr("sus2 / add9 (no 3rd)"), 960, 4680, 1815);
    ChkNo7th = addCheck("ChkNo7th", tr("no 7th"), 1200, 4680, 1815);
    ChkNo7th->setEnabled(false);

    addHeading("Label5", tr("Fifth / Options"), 6720, 1815);
    OptFifth = makeOptionRow<3>(FrameChord, "Picture4", "OptFifth", 480, {"5", "b5", "#5"},
                                {615, 495, 615});
    OptSecond = makeOptionRow<3>(FrameChord, "Picture1", "OptSecond", 720, {"9", "b9", "#9"},
                                 {495, 495, 615});
    OptFourth =
        makeOptionRow<2>(FrameChord, "Picture2", "OptFourth", 960, {"11", "#11"}, {495, 615});
    OptSixth =
        makeOptionRow<2>(FrameChord, "Picture3", "OptSixth", 1200, {"13", "b13"}, {495, 615});

    // Keyboard focus order.
    std::vector<QWidget*> focusOrder{ListTriad, ListQuadriad, ChkAdd9, ChkAdd11,
                                     ChkAdd13,  ChkNo3,       ChkSus4, ChkSus2};
    focusOrder.insert(focusOrder.end(), OptSecond.begin(), OptSecond.end());
    focusOrder.insert(focusOrder.end(), OptFourth.begin(), OptFourth.end());
    focusOrder.insert(focusOrder.end(), OptSixth.begin(), OptSixth.end());
    focusOrder.insert(focusOrder.end(), OptFifth.begin(), OptFifth.end());
    focusOrder.push_back(ChkNo7th);
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }

    connect(ListTriad, &QListWidget::currentRowChanged, this, &FormGamutrix::ListTriad_Click);
    connect(ListQuadriad, &QListWidget::currentRowChanged, this, &FormGamutrix::ListQuadriad_Click);
    connect(ChkAdd9, &QCheckBox::toggled, this, &FormGamutrix::ChkAdd9_Click);
    connect(ChkAdd11, &QCheckBox::toggled, this, &FormGamutrix::ChkAdd11_Click);
    connect(ChkAdd13, &QCheckBox::toggled, this, &FormGamutrix::ChkAdd13_Click);
    connect(ChkNo3, &QCheckBox::toggled, this, &FormGamutrix::ChkNo3_Click);
    connect(ChkSus2, &QCheckBox::toggled, this, &FormGamutrix::ChkSus2_Click);
    connect(ChkSus4, &QCheckBox::toggled, this, &FormGamutrix::ChkSus4_Click);
    const auto connectRow = [this](const auto& buttons, void (FormGamutrix::*handler)(int)) {
        QButtonGroup* group = buttons[0]->group();
        connect(group, &QButtonGroup::idToggled, this, [this, handler](int Index, bool boolOn) {
            if (boolOn) {
                (this->*handler)(Index);
            }
        });
    };
    connectRow(OptSecond, &FormGamutrix::OptSecond_Click);
    connectRow(OptFourth, &FormGamutrix::OptFourth_Click);
    connectRow(OptSixth, &FormGamutrix::OptSixth_Click);
    keepRowSelected(ListTriad);
    keepRowSelected(ListQuadriad);
    // Made after a zoom, the controls take the window's zoom like the rest.
    if (!zoomCurrent.isActualSize()) {
        DialogGeometry::zoomWindow(FrameChord, zoomCurrent.percent());
    }
}

void FormGamutrix::switchToChords() {
    addListItems(ListTriad, kTriadItems);
    addListItems(ListQuadriad, kQuadriadItems);
    ListTriad->setCurrentRow(0);
    ListQuadriad->setCurrentRow(-1);
    // Both lists show their first rows again, wherever they were scrolled to last time.
    ListTriad->scrollToTop();
    ListQuadriad->scrollToTop();
    ChangedChord();
}

void FormGamutrix::ChangedChord() {
    ChordChoice choice;
    choice.intTriad = ListTriad->currentRow();
    choice.intQuadriad = ListQuadriad->currentRow();
    choice.boolAdd9 = ChkAdd9->isChecked();
    choice.boolAdd11 = ChkAdd11->isChecked();
    choice.boolAdd13 = ChkAdd13->isChecked();
    choice.boolNo3 = ChkNo3->isChecked();
    const auto chosenIndex = [](const auto& row) {
        const auto found = std::find_if(
            row.begin(), row.end(), [](const QRadioButton* option) { return option->isChecked(); });
        return found == row.end() ? -1 : static_cast<int>(found - row.begin());
    };
    choice.intSecond = chosenIndex(OptSecond);
    choice.intFourth = chosenIndex(OptFourth);
    choice.intSixth = chosenIndex(OptSixth);
    chordIntervals = buildChord(choice);
    const std::string strData = chordIntervals.getScaleString();
    const std::string strSuffix = chordIntervals.getChordSuffix();
    strScaleData = QString::fromStdString(strData);
    strScaleName = QString::fromStdString(strSuffix);
    scaleCurrent = std::make_shared<StandardScale>();
    scaleCurrent->setScale(strData);
    scaleCurrent->setName(strSuffix);
    noteRoot->setPitchFromButtons(intCurrentPitchBtn, intCurrentPitchAdd);
    scaleCurrent->setRootNote(noteRoot);
    RedrawScale();
}

void FormGamutrix::chordResetControls() {
    for (QCheckBox* check : {ChkAdd9, ChkAdd11, ChkAdd13}) {
        check->setEnabled(true);
    }
    for (QCheckBox* check : {ChkAdd9, ChkAdd11, ChkAdd13}) {
        check->setChecked(false);
    }
    for (QCheckBox* check : {ChkNo3, ChkSus4, ChkSus2}) {
        check->setEnabled(true);
    }
    for (QCheckBox* check : {ChkNo3, ChkSus4, ChkSus2}) {
        check->setChecked(false);
    }
}

void FormGamutrix::ListTriad_Click() {
    const int intIndex = ListTriad->currentRow();
    // Clearing a list from code re-enters here with no selection: there is nothing to build then,
    // and the other list keeps its selection.
    if (intIndex < 0) {
        return;
    }
    ListQuadriad->setCurrentRow(-1);
    ListTriad->setCurrentRow(intIndex);
    chordResetControls();
    if (!kTriadItems[static_cast<std::size_t>(intIndex)].boolAlterations) {
        for (QCheckBox* check : {ChkSus2, ChkSus4, ChkNo3}) {
            check->setEnabled(false);
        }
    }
    OptFifth[intIndex < 2 ? 0 : static_cast<std::size_t>(intIndex - 1)]->setChecked(true);
    ChangedChord();
}

void FormGamutrix::ListQuadriad_Click() {
    const int intIndex = ListQuadriad->currentRow();
    if (intIndex < 0) {
        return;
    }
    ListTriad->setCurrentRow(-1);
    ListQuadriad->setCurrentRow(intIndex);
    chordResetControls();
    for (QCheckBox* check : {ChkNo3, ChkSus2, ChkSus4}) {
        check->setEnabled(false);
    }
    if (kQuadriadItems[static_cast<std::size_t>(intIndex)].boolAlterations) {
        ChkSus4->setEnabled(true);
    }
    ChangedChord();
}

namespace {

// In four-note mode an addition's row of alterations is usable exactly while the addition is
// checked, and starts on its natural interval.
template <std::size_t N>
void resetOptionRow(const QCheckBox* check, const std::array<QRadioButton*, N>& row) {
    for (QRadioButton* option : row) {
        option->setEnabled(check->isChecked());
    }
    row[0]->setChecked(true);
}

} // namespace

void FormGamutrix::ChkAdd9_Click() {
    if (ListTriad->currentRow() < 0) {
        resetOptionRow(ChkAdd9, OptSecond);
    }
    ChangedChord();
}

void FormGamutrix::ChkAdd11_Click() {
    if (ListTriad->currentRow() < 0) {
        resetOptionRow(ChkAdd11, OptFourth);
    }
    ChangedChord();
}

void FormGamutrix::ChkAdd13_Click() {
    if (ListTriad->currentRow() < 0) {
        resetOptionRow(ChkAdd13, OptSixth);
    }
    ChangedChord();
}

void FormGamutrix::ChkSus2_Click() {
    const bool boolOn = ChkSus2->isChecked();
    ChkAdd9->setChecked(boolOn);
    ChkNo3->setChecked(boolOn);
    ChangedChord();
}

void FormGamutrix::ChkSus4_Click() {
    const bool boolOn = ChkSus4->isChecked();
    ChkAdd11->setChecked(boolOn);
    ChkNo3->setChecked(boolOn);
    ChangedChord();
}

void FormGamutrix::ChkNo3_Click() {
    // Keeps sus2 = add9 without third and sus4 = add11 without third.
    if (!ChkNo3->isChecked()) {
        if (ChkSus2->isChecked()) {
            const bool boolAdd9 = ChkAdd9->isChecked();
            ChkSus2->setChecked(false);
            ChkAdd9->setChecked(boolAdd9);
        }
        if (ChkSus4->isChecked()) {
            const bool boolAdd11 = ChkAdd11->isChecked();
            ChkSus4->setChecked(false);
            ChkAdd11->setChecked(boolAdd11);
        }
    } else {
        if (ChkAdd9->isChecked()) {
            ChkSus2->setChecked(true);
        }
        if (ChkAdd11->isChecked()) {
            ChkSus4->setChecked(true);
        }
    }
    ChangedChord();
}

void FormGamutrix::OptSecond_Click(int /*Index*/) {
    ChangedChord();
}

void FormGamutrix::OptFourth_Click(int Index) {
    // "#11" cannot be a sus4: the fourth goes back in as a raised eleventh with the third.
    // add11 stays checked throughout: unticking it even for a moment would disable this row and
    // throw the keyboard focus out of the frame.
    if (Index == 1 && ChkSus4->isChecked()) {
        const QSignalBlocker keepAddition(ChkAdd11);
        ChkSus4->setChecked(false);
        ChkAdd11->setChecked(true);
    }
    ChangedChord();
}

void FormGamutrix::OptSixth_Click(int /*Index*/) {
    ChangedChord();
}
