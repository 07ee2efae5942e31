#include "FormIdentifyNotes.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kHint = QObject::tr("Type note names (e.g. D F A C) or click notes on the picture.");

template <typename Control>
Control* named(Control* control, const char* strName, const QString& strAccessible) {
    control->setObjectName(strName);
    control->setAccessibleName(strAccessible);
    return control;
}

QString joined(const std::vector<std::string>& collNames) {
    QStringList collParts;
    for (const std::string& strName : collNames) {
        collParts << QString::fromStdString(strName);
    }
    return collParts.join(' ');
}

} // namespace

FormIdentifyNotes::FormIdentifyNotes(const ChordScaleIndex& index, QWidget* parent)
    : QWidget(parent, Qt::Window), indexChordsScales(index) {
    setObjectName("FormIdentifyNotes");
    setWindowTitle(tr("Identify Notes"));
    auto* layout = new QVBoxLayout(this);

    auto* rowNotes = new QHBoxLayout;
    auto* labelNotes = named(new QLabel(tr("Notes:")), "LabelNotes", tr("Notes"));
    TextNotes = named(new QLineEdit, "TextNotes", tr("Notes"));
    labelNotes->setBuddy(TextNotes);
    auto* btnClear = named(new QPushButton(tr("Clear")), "BtnClearNotes", tr("Clear the notes"));
    rowNotes->addWidget(labelNotes);
    rowNotes->addWidget(TextNotes, 1);
    rowNotes->addWidget(btnClear);
    layout->addLayout(rowNotes);

    LabelMessage = named(new QLabel(kHint), "LabelMessage", tr("Message"));
    LabelMessage->setWordWrap(true);
    layout->addWidget(LabelMessage);

    layout->addWidget(named(new QLabel(tr("Chords (bass first):")), "LabelChords", tr("Chords")));
    ListChords = named(new QListWidget, "ListChords", tr("Chords"));
    ListChords->setMaximumHeight(110);
    layout->addWidget(ListChords);

    layout->addWidget(
        named(new QLabel(tr("Scales holding every note:")), "LabelScales", tr("Scales")));
    TreeScales = named(new QTreeWidget, "TreeScales", tr("Scales"));
    TreeScales->setRootIsDecorated(false);
    TreeScales->setHeaderLabels({tr("Root"), tr("Scale"), tr("Catalogue"), tr("Extra notes")});
    TreeScales->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(TreeScales, 1);
    resize(560, 520);

    connect(TextNotes, &QLineEdit::textEdited, this, &FormIdentifyNotes::TextNotes_Edited);
    connect(btnClear, &QPushButton::clicked, this, [this] {
        notesPicked.clear();
        TextNotes->clear();
        LabelMessage->setText(kHint);
        showAnswer(0, -1);
        emit pickedNotesChanged();
    });
    const auto chooseChord = [this](const QListWidgetItem* item) {
        const std::size_t intRow = static_cast<std::size_t>(ListChords->row(item));
        if (intRow < answerShown.collChords.size()) {
            const ChordRow& chord = *answerShown.collChords[intRow];
            emit chordChosen(chord.intRoot, chord.choice);
        }
    };
    connect(ListChords, &QListWidget::itemClicked, this, chooseChord);
    connect(ListChords, &QListWidget::itemActivated, this, chooseChord);
    const auto chooseScale = [this](QTreeWidgetItem* item) {
        const std::size_t intRow = static_cast<std::size_t>(TreeScales->indexOfTopLevelItem(item));
        if (intRow < answerShown.collScales.size()) {
            const ScaleRow& row = *answerShown.collScales[intRow].row;
            emit scaleChosen(row.intRoot, row.intCatalogue, row.intCategory, row.intEntry);
        }
    };
    connect(TreeScales, &QTreeWidget::itemClicked, this, chooseScale);
    connect(TreeScales, &QTreeWidget::itemActivated, this, chooseScale);
}

void FormIdentifyNotes::setPickedNotes(const ChosenNotes& notes) {
    if (notes == notesPicked) {
        return;
    }
    notesPicked = notes;
    showPickedNotes();
    emit pickedNotesChanged();
}

void FormIdentifyNotes::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit visibilityChanged();
}

void FormIdentifyNotes::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit visibilityChanged();
}

void FormIdentifyNotes::showPickedNotes() {
    TextNotes->setText(QString::fromStdString(notesPicked.text()));
    LabelMessage->setText(kHint);
    showAnswer(notesPicked.mask(), notesPicked.bass());
}

void FormIdentifyNotes::TextNotes_Edited() {
    const TypedNotes typed = parseNoteNames(TextNotes->text().toStdString());
    if (!typed.strUnknown.empty()) {
        // The previous answer stays until the notes make sense again.
        LabelMessage->setText(tr("Unknown note name \"%1\": use C, C#, Db, D, D#, Eb, E, F, F#, "
                                 "Gb, G, G#, Ab, A, A#, Bb or B.")
                                  .arg(QString::fromStdString(typed.strUnknown)));
        return;
    }
    LabelMessage->setText(kHint);
    if (!notesPicked.empty()) {
        notesPicked.clear();
        emit pickedNotesChanged();
    }
    PitchMask mask = 0;
    for (const int intRoot : typed.collRoots) {
        mask = static_cast<PitchMask>(mask |
                                      pitchBit(kRoots[static_cast<std::size_t>(intRoot)].intPitch));
    }
    showAnswer(mask, typed.collRoots.empty()
                         ? -1
                         : kRoots[static_cast<std::size_t>(typed.collRoots.front())].intPitch);
}

void FormIdentifyNotes::showAnswer(PitchMask mask, int intBass) {
    answerShown = indexChordsScales.identify(mask, intBass);
    ListChords->clear();
    for (const ChordRow* chord : answerShown.collChords) {
        ListChords->addItem(QString::fromStdString(chord->name()));
    }
    TreeScales->clear();
    QList<QTreeWidgetItem*> collItems;
    for (const ScaleMatch& match : answerShown.collScales) {
        const ScaleRow& row = *match.row;
        collItems << new QTreeWidgetItem(QStringList{
            kRoots[static_cast<std::size_t>(row.intRoot)].strName,
            QString::fromUtf8(row.strName.data(), static_cast<qsizetype>(row.strName.size())),
            QString::number(row.intCatalogue), joined(match.extraNotes.names())});
    }
    TreeScales->addTopLevelItems(collItems);
}
