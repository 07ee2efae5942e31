#include "FormScaleChords.h"

#include "IdentifyCommands.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kMissing = QString::fromUtf8("\u2014");

QString notesText(const StackedChord& chord) {
    QStringList collNotes;
    for (const std::string& strNote : chord.collNotes) {
        collNotes << QString::fromStdString(strNote);
    }
    return collNotes.join(' ');
}

} // namespace

FormScaleChords::FormScaleChords(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("FormScaleChords");
    setWindowTitle(tr("Chords of the Scale"));
    auto* layout = new QVBoxLayout(this);
    LabelTitle = new QLabel;
    LabelTitle->setObjectName("LabelScaleTitle");
    LabelTitle->setAccessibleName(tr("Scale"));
    LabelTitle->setWordWrap(true);
    LabelTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(LabelTitle);
    TreeChords = new QTreeWidget;
    TreeChords->setObjectName("TreeChords");
    TreeChords->setAccessibleName(tr("Chords of the scale"));
    TreeChords->setRootIsDecorated(false);
    TreeChords->setSelectionBehavior(QAbstractItemView::SelectItems);
    TreeChords->setHeaderLabels(
        {tr("Degree"), tr("Triad"), tr("Notes"), tr("Four-note chord"), tr("Notes")});
    TreeChords->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(TreeChords, 1);
    resize(520, 300);

    // Column 1 or 2 chooses the triad, 3 or 4 the four-note chord.
    const auto choose = [this](QTreeWidgetItem* item, int intColumn) {
        const std::size_t intRow = static_cast<std::size_t>(TreeChords->indexOfTopLevelItem(item));
        if (intRow >= collShown.size() || intColumn < 1) {
            return;
        }
        const StackedChord& chord =
            intColumn <= 2 ? collShown[intRow].triad : collShown[intRow].fourNote;
        if (chord.boolBuildable) {
            emit chordChosen(chord.intRoot, chord.choice);
        }
    };
    connect(TreeChords, &QTreeWidget::itemClicked, this, choose);
    connect(TreeChords, &QTreeWidget::itemActivated, this, choose);
}

void FormScaleChords::setChords(const QString& strTitle, std::vector<DegreeChords> collChords) {
    collShown = std::move(collChords);
    TreeChords->clear();
    if (collShown.empty()) {
        LabelTitle->setText(QString::fromStdString(noStackedChordsMessage(strTitle.toStdString())));
        TreeChords->hide();
        return;
    }
    LabelTitle->setText(
        tr("Chords of %1, in its own thirds (click one to build it):").arg(strTitle));
    TreeChords->show();
    for (const DegreeChords& degree : collShown) {
        TreeChords->addTopLevelItem(new QTreeWidgetItem(
            QStringList{QString::fromUtf8(degree.strNumeral),
                        QString::fromStdString(degree.triad.name(kMissing.toStdString())),
                        notesText(degree.triad),
                        QString::fromStdString(degree.fourNote.name(kMissing.toStdString())),
                        notesText(degree.fourNote)}));
    }
}
