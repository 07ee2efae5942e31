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

    // The notes picked on the picture; typed names give way to them.
    void setPickedNotes(const ChosenNotes& notes);
    const ChosenNotes& pickedNotes() const { return notesPicked; }

  signals:
    void chordChosen(int intRoot, const ChordChoice& choice);
    void scaleChosen(int intRoot, int intCatalogue, int intCategory, int intEntry);
    void pickedNotesChanged();
    // Shown or hidden: picked notes are marked on the picture only while the window is open.
    void visibilityChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

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
