#pragma once

#include "ScaleChords.h"

#include <QWidget>

class QLabel;
class QTreeWidget;

// "Chords of the Scale": the triad and four-note chord on each degree of one scale, stacked in its
// own thirds. Choosing a chord asks the main window to build it.
class FormScaleChords : public QWidget {
    Q_OBJECT

  public:
    explicit FormScaleChords(QWidget* parent = nullptr);

    // Shows the chords of the scale titled strTitle ("C Ionian"); none means it has no such chords.
    void setChords(const QString& strTitle, std::vector<DegreeChords> collChords);

  signals:
    void chordChosen(int intRoot, const ChordChoice& choice);

  private:
    std::vector<DegreeChords> collShown;
    QLabel* LabelTitle = nullptr;
    QTreeWidget* TreeChords = nullptr;
};
