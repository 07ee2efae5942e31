#pragma once

#include "ChordScaleIndex.h"
#include "ChosenNotes.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

// "Identify Notes": the user types note names or picks notes on the main window's picture, and the
// window lists the chords the chord builder makes of exactly these notes and the catalogue scales
// that hold them all. Choosing a row asks the main window to show it.
class FormIdentifyNotes : public QWidget {
    Q_OBJECT

  public:
    FormIdentifyNotes(const ChordScaleIndex& index, QWidget* parent = nullptr);

    // A note picked on the picture (a second pick of its place takes it off); typed names give
    // way to the picked notes.
    void toggleNote(const PickedNote& note);
    // Drops picked notes that no longer lie on the instrument shown.
    void keepInstrument(int intInstrument);
    const ChosenNotes& pickedNotes() const { return notesPicked; }

  signals:
    void chordChosen(int intRoot, const ChordChoice& choice);
    void scaleChosen(int intRoot, int intCatalogue, int intCategory, int intEntry);
    void pickedNotesChanged();

  private:
    void TextNotes_Edited();
    void showPickedNotes();
    void showAnswer(PitchMask mask, int intBass);

    const ChordScaleIndex& indexChordsScales;
    ChosenNotes notesPicked;
    Identification answerShown;

    QLineEdit* TextNotes = nullptr;
    QLabel* LabelMessage = nullptr;
    QListWidget* ListChords = nullptr;
    QTreeWidget* TreeScales = nullptr;
};
