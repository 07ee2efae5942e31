// The Tools menu: "Identify Notes..." names the chords and finds the scales of notes typed or
// picked on the picture; "Chords of the Scale..." lists the chords stacked in the current scale's
// thirds. Choosing a row in either window shows it here through the controls a user would click.

#include "ChordScaleIndex.h"
#include "FormGamutrix.h"
#include "FormIdentifyNotes.h"
#include "FormScaleChords.h"
#include "ScaleChords.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

void FormGamutrix::createToolsMenu() {
    auto* mnuTools = new QMenu(tr("Tools"), this);
    mnuTools->setObjectName("mnuTools");
    // Before Help, wherever the other menus stand.
    QAction* before = nullptr;
    for (QAction* action : menuBar()->actions()) {
        if (action->menu() != nullptr && action->menu()->objectName() == "mnuHelp") {
            before = action;
        }
    }
    menuBar()->insertMenu(before, mnuTools);
    // Ctrl+I and Ctrl+T: no editing key of a text box, no other item of the program.
    QAction* mnuIdentifyNotes = mnuTools->addAction(tr("Identify Notes..."));
    mnuIdentifyNotes->setObjectName("mnuIdentifyNotes");
    mnuIdentifyNotes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(mnuIdentifyNotes, &QAction::triggered, this, &FormGamutrix::mnuIdentifyNotes_Click);
    QAction* mnuScaleChords = mnuTools->addAction(tr("Chords of the Scale..."));
    mnuScaleChords->setObjectName("mnuScaleChords");
    mnuScaleChords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(mnuScaleChords, &QAction::triggered, this, &FormGamutrix::mnuScaleChords_Click);
}

const ChordScaleIndex& FormGamutrix::chordScaleIndex() {
    if (!indexChordsScales) {
        indexChordsScales = std::make_shared<ChordScaleIndex>();
    }
    return *indexChordsScales;
}

void FormGamutrix::placeBeside(QWidget* window) const {
    // To the right of the main window, else to its left, else at the screen's right edge.
    const QRect rectMain = frameGeometry();
    const QRect rectScreen = screen()->availableGeometry();
    QPoint pointAt(rectMain.right() + 8, rectMain.top());
    if (pointAt.x() + window->width() > rectScreen.right()) {
        pointAt.setX(rectMain.left() - 8 - window->width());
        if (pointAt.x() < rectScreen.left()) {
            pointAt.setX(std::max(rectScreen.left(), rectScreen.right() - window->width()));
        }
    }
    window->move(pointAt);
}

void FormGamutrix::mnuIdentifyNotes_Click() {
    if (formIdentify == nullptr) {
        formIdentify = new FormIdentifyNotes(chordScaleIndex(), this);
        connect(formIdentify, &FormIdentifyNotes::chordChosen, this,
                &FormGamutrix::showChordAsBuilt);
        connect(formIdentify, &FormIdentifyNotes::scaleChosen, this,
                &FormGamutrix::showCatalogueScale);
        placeBeside(formIdentify);
    }
    formIdentify->show();
    formIdentify->raise();
    formIdentify->activateWindow();
}

void FormGamutrix::mnuScaleChords_Click() {
    if (formScaleChords == nullptr) {
        formScaleChords = new FormScaleChords(this);
        connect(formScaleChords, &FormScaleChords::chordChosen, this,
                &FormGamutrix::showChordAsBuilt);
        placeBeside(formScaleChords);
    }
    const QString strTitle = QString::fromStdString(noteRoot->getNoteName()) + " " + strScaleName;
    formScaleChords->setChords(strTitle.trimmed(), chordsOfScale(*scaleCurrent, chordScaleIndex()));
    formScaleChords->show();
    formScaleChords->raise();
    formScaleChords->activateWindow();
}

void FormGamutrix::clickRootButtons(int intRoot) {
    const RootButtons& root = kRoots[static_cast<std::size_t>(intRoot)];
    BtnPitch_Click(root.intLetter);
    if (root.intAccidental != 0) {
        BtnPitchAdd_Click(root.intAccidental - 1);
    }
}

void FormGamutrix::showChordAsBuilt(int intRoot, const ChordChoice& choice) {
    clickRootButtons(intRoot);
    // As the "Chords" item: chord mode from the plain major triad.
    intMode = 1;
    RedrawUI();
    switchToChords();
    if (choice.intQuadriad >= 0) {
        ListQuadriad->setCurrentRow(choice.intQuadriad);
        // The additions, each with the alteration chosen in its row; sus4 is the way to a
        // natural eleventh without the third.
        if (choice.boolAdd9) {
            ChkAdd9->setChecked(true);
            OptSecond[static_cast<std::size_t>(choice.intSecond)]->setChecked(true);
        }
        if (choice.boolAdd11 && choice.boolNo3) {
            ChkSus4->setChecked(true);
        } else if (choice.boolAdd11) {
            ChkAdd11->setChecked(true);
            OptFourth[static_cast<std::size_t>(choice.intFourth)]->setChecked(true);
        }
        if (choice.boolAdd13) {
            ChkAdd13->setChecked(true);
            OptSixth[static_cast<std::size_t>(choice.intSixth)]->setChecked(true);
        }
        return;
    }
    ListTriad->setCurrentRow(choice.intTriad);
    ChkAdd9->setChecked(choice.boolAdd9);
    ChkAdd11->setChecked(choice.boolAdd11);
    ChkAdd13->setChecked(choice.boolAdd13);
    // Last, so that sus2 and sus4 show what the additions without a third amount to.
    ChkNo3->setChecked(choice.boolNo3);
}

void FormGamutrix::showCatalogueScale(int intRoot, int intCatalogue, int intCategory,
                                      int intEntry) {
    clickRootButtons(intRoot);
    loadCatalogue(static_cast<int16_t>(intCatalogue));
    ListScaleCategory->setCurrentRow(intCategory - 1);
    ListScale->setCurrentRow(intEntry);
}
