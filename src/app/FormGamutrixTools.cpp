// The Tools menu: "Identify Notes..." names the chords and finds the scales of notes typed or
// picked on the picture; "Chords of the Scale..." lists the chords stacked in the current scale's
// thirds. Choosing a row in either window shows it here through the controls a user would click.

#include "ChordScaleIndex.h"
#include "FormGamutrix.h"
#include "FormIdentifyNotes.h"
#include "FormScaleChords.h"
#include "FretBoard.h"
#include "Globals.h"
#include "PianoKeyboard.h"
#include "PictureBox.h"
#include "ScaleChords.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <array>
#include <optional>

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
        connect(formIdentify, &FormIdentifyNotes::pickedNotesChanged, this,
                &FormGamutrix::showPickedNotes);
        connect(formIdentify, &FormIdentifyNotes::visibilityChanged, this,
                &FormGamutrix::showPickedNotes);
        connect(PicScaleInstrument, &PictureBox::pictureClicked, this,
                &FormGamutrix::PicScaleInstrument_Click);
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
        // Not on top of an open Identify Notes window, which sits at the same place.
        if (formIdentify != nullptr && formIdentify->isVisible()) {
            formScaleChords->move(formScaleChords->pos() +
                                  QPoint(0, formIdentify->frameGeometry().height() / 2));
        }
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

namespace {

// Chosen notes: a red disc over the note's place, drawn over the picture, never into it.
constexpr RgbColor kPickedOutline{128, 0, 0};
constexpr RgbColor kPickedFill{230, 40, 40};

// Octave * 12 + pitch class of each open string, by string number 1..7.
std::array<int, 8> openStringPitches() {
    std::array<int, 8> openPitches{};
    for (int intString = 1; intString <= Globals::NumberOfStrings(); ++intString) {
        const std::shared_ptr<SimpleNote> noteOpen = Globals::Tuning(intString);
        openPitches[static_cast<std::size_t>(intString)] =
            noteOpen->Octave() * 12 + noteOpen->Pitch();
    }
    return openPitches;
}

} // namespace

void FormGamutrix::PicScaleInstrument_Click(int xTwips, int yTwips) {
    if (formIdentify == nullptr || !formIdentify->isVisible()) {
        return;
    }
    std::optional<PickedNote> picked;
    if (const FretBoard* board = currentFretBoard()) {
        if (const std::optional<FretPosition> pos = board->positionAt(xTwips, yTwips)) {
            picked = PickedNote{1, pos->intString, pos->intFret,
                                openStringPitches()[static_cast<std::size_t>(pos->intString)] +
                                    pos->intFret};
        }
    } else if (const PianoKeyboard* keyboard = currentPianoKeyboard()) {
        if (const std::optional<SimpleNote> key = keyboard->keyAt(xTwips, yTwips)) {
            const int intPitch = key->Octave() * 12 + key->Pitch();
            picked = PickedNote{2, 0, intPitch, intPitch};
        }
    }
    if (picked) {
        ChosenNotes notes = formIdentify->pickedNotes();
        notes.toggle(*picked);
        formIdentify->setPickedNotes(notes);
    }
}

void FormGamutrix::followPickedNotes() {
    if (formIdentify == nullptr) {
        return;
    }
    // The places stay; the notes follow a new tuning, and go with their instrument or string.
    ChosenNotes notes = formIdentify->pickedNotes();
    notes.retune(intCurrentInstrument, Globals::NumberOfStrings(), openStringPitches());
    formIdentify->setPickedNotes(notes);
    showPickedNotes();
}

void FormGamutrix::showPickedNotes() {
    std::vector<OverlayMarker> collMarkers;
    if (formIdentify != nullptr && formIdentify->isVisible()) {
        for (const PickedNote& note : formIdentify->pickedNotes().notes()) {
            if (const FretBoard* board = currentFretBoard();
                board != nullptr && note.intInstrument == 1) {
                const PicturePoint centre = board->markerCentre({note.intString, note.intFret});
                collMarkers.push_back(
                    {centre.x, centre.y, FretBoard::kMarkerRadius, kPickedOutline, kPickedFill});
            } else if (const PianoKeyboard* keyboard = currentPianoKeyboard();
                       keyboard != nullptr && note.intInstrument == 2) {
                SimpleNote noteKey;
                noteKey.setPitch(static_cast<int16_t>(note.intPitch % 12));
                noteKey.setOctave(static_cast<int16_t>(note.intPitch / 12));
                const PicturePoint centre = keyboard->markerCentre(noteKey);
                collMarkers.push_back({centre.x, centre.y, keyboard->markerRadius(noteKey),
                                       kPickedOutline, kPickedFill});
            }
        }
    }
    PicScaleInstrument->setOverlay(OverlayLayer::ChosenNotes, std::move(collMarkers));
}
