#include "PlayController.h"

#include "MarkerClick.h"
#include "MidiExport.h"
#include "PictureBox.h"
#include "PlainMessage.h"
#include "SoundEngineLoader.h"
#include "SoundFontLocator.h"
#include "SoundPreferences.h"
#include "StandardScale.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <algorithm>

namespace {

const char* const kNoSoundFont = QT_TRANSLATE_NOOP(
    "PlayController", "No General MIDI SoundFont found: install timgm6mb-soundfont");
const char* const kNoAudio = QT_TRANSLATE_NOOP("PlayController", "No audio output found");

} // namespace

PlayController::PlayController(QWidget& window, Context context, PictureBox& picture,
                               QMenuBar& menuBar, QMenu& mnuFile, QAction* beforeAction)
    : QObject(&window), window(window), context(std::move(context)), picture(picture),
      collSoundFontCandidates(standardSoundFontPaths()) {
    createActions(menuBar, mnuFile, beforeAction);
    connect(&picture, &PictureBox::pictureClicked, this, &PlayController::Picture_Click);
}

PlayController::~PlayController() = default;

void PlayController::createActions(QMenuBar& menuBar, QMenu& mnuFile, QAction* beforeAction) {
    auto* actionExport = new QAction(tr("Export MIDI..."), &mnuFile);
    actionExport->setObjectName("MnuExportMidi");
    mnuFile.insertAction(beforeAction, actionExport);
    connect(actionExport, &QAction::triggered, this, &PlayController::MnuExportMidi_Click);

    QMenu* mnuPlay = menuBar.addMenu(tr("Play"));
    mnuPlay->setObjectName("mnuPlay");
    mnuPlay->setToolTipsVisible(true);
    // F11 and Shift+F11 sit beside the program's other function keys and are free of text
    // editing; F10 is left alone, many desktops use it to open the menu bar.
    mnuPlayScale = mnuPlay->addAction(tr("Play"));
    mnuPlayScale->setObjectName("mnuPlayScale");
    mnuPlayScale->setShortcut(QKeySequence(Qt::Key_F11));
    connect(mnuPlayScale, &QAction::triggered, this, &PlayController::mnuPlay_Click);
    mnuStop = mnuPlay->addAction(tr("Stop"));
    mnuStop->setObjectName("mnuStop");
    mnuStop->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F11));
    connect(mnuStop, &QAction::triggered, this, &PlayController::mnuStop_Click);
    mnuPlay->addSeparator()->setObjectName("mnuSepPlay1");
    QAction* mnuTempo = mnuPlay->addAction(tr("Tempo..."));
    mnuTempo->setObjectName("mnuTempo");
    connect(mnuTempo, &QAction::triggered, this, &PlayController::mnuTempo_Click);

    QMenu* mnuSound = mnuPlay->addMenu(tr("Sound"));
    mnuSound->setObjectName("mnuSound");
    groupSound = new QActionGroup(mnuSound);
    for (const auto& [choice, strName, strCaption] :
         {std::tuple{SoundChoice::Guitar, "mnuSoundGuitar", tr("Guitar")},
          std::tuple{SoundChoice::Piano, "mnuSoundPiano", tr("Piano")},
          std::tuple{SoundChoice::FollowInstrument, "mnuSoundFollow",
                     tr("Follow the instrument")}}) {
        QAction* action = mnuSound->addAction(strCaption);
        action->setObjectName(strName);
        action->setCheckable(true);
        action->setData(static_cast<int>(choice));
        groupSound->addAction(action);
        connect(action, &QAction::triggered, this, [action] {
            SoundPreferences::setSoundChoice(static_cast<SoundChoice>(action->data().toInt()));
        });
    }
    // Opening the menu reads the remembered sound, and looks for the SoundFont and the audio
    // output so that it can show at once (or soon after) whether Play can work. Nothing of this
    // happens at start-up.
    connect(mnuPlay, &QMenu::aboutToShow, this, [this] {
        const SoundChoice choiceNow = SoundPreferences::soundChoice();
        for (QAction* action : groupSound->actions()) {
            action->setChecked(action->data().toInt() == static_cast<int>(choiceNow));
        }
        if (soundAvailable()) {
            player().prepare();
        }
    });
    showStatus(SoundStatus::Unknown);
}

void PlayController::setSoundFontCandidates(std::vector<std::string> collPaths) {
    collSoundFontCandidates = std::move(collPaths);
}

SoundEngine& PlayController::player() {
    if (!soundPlayer) {
        SoundPlayerOptions options = optionsPlayer;
        options.strSoundFont = findSoundFont(SoundPreferences::soundFontOverride().toStdString(),
                                             collSoundFontCandidates);
        // The listeners run on the player's threads; the work is handed to this thread.
        soundPlayer = loadSoundEngine(
            soundModulePaths(), options,
            [this](SoundStatus status) {
                QMetaObject::invokeMethod(
                    this, [this, status] { showStatus(status); }, Qt::QueuedConnection);
            },
            [this](int intIndex, bool boolOn) {
                QMetaObject::invokeMethod(
                    this, [this, intIndex, boolOn] { noteChanged(intIndex, boolOn); },
                    Qt::QueuedConnection);
            });
        if (options.strSoundFont.empty()) {
            showStatus(SoundStatus::NoSoundFont);
        }
    }
    return *soundPlayer;
}

bool PlayController::soundAvailable() {
    player();
    return soundStatus == SoundStatus::Unknown || soundStatus == SoundStatus::Ready;
}

void PlayController::showStatus(SoundStatus status) {
    soundStatus = status;
    QString strWhy;
    if (status == SoundStatus::NoSoundFont) {
        strWhy = tr(kNoSoundFont);
    } else if (status == SoundStatus::NoAudioOutput) {
        strWhy = tr(kNoAudio);
    }
    const bool boolUsable = strWhy.isEmpty();
    for (QAction* action : {mnuPlayScale, mnuStop}) {
        action->setEnabled(boolUsable);
    }
    mnuPlayScale->setToolTip(boolUsable ? tr("Play the scale or chord shown") : strWhy);
    mnuPlayScale->setStatusTip(mnuPlayScale->toolTip());
    mnuStop->setToolTip(boolUsable ? tr("Stop playing") : strWhy);
    mnuStop->setStatusTip(mnuStop->toolTip());
    if (!boolUsable && !collSounding.empty()) {
        collSounding.clear();
        showSounding();
    }
    emit statusChanged(status);
}

void PlayController::playNotes(std::vector<ScheduledNote> collNotes) {
    if (!soundAvailable()) {
        return;
    }
    collSchedule = collNotes;
    collSounding.clear();
    showSounding();
    const SoundChoice choice = SoundPreferences::soundChoice();
    player().play(std::move(collNotes), SoundPreferences::tempo(),
                  programFor(choice, context.instrument()));
}

void PlayController::mnuPlay_Click() {
    const std::shared_ptr<const StandardScale> scale = context.scale();
    if (!scale) {
        return;
    }
    const int intInstrument = context.instrument();
    playNotes(buildSchedule(*scale, instrumentFromGlobals(intInstrument), context.chordMode()));
}

void PlayController::mnuStop_Click() {
    if (soundPlayer) {
        soundPlayer->stop();
    }
    collSounding.clear();
    showSounding();
}

void PlayController::mnuTempo_Click() {
    QInputDialog dialog(&window);
    dialog.setObjectName("DialogTempo");
    dialog.setAccessibleName(tr("Tempo"));
    dialog.setWindowTitle(tr("Tempo"));
    dialog.setLabelText(tr("Beats per minute (%1 to %2):").arg(kMinTempo).arg(kMaxTempo));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(kMinTempo, kMaxTempo);
    dialog.setIntValue(SoundPreferences::tempo());
    if (dialog.exec() == QDialog::Accepted) {
        SoundPreferences::setTempo(dialog.intValue());
    }
}

void PlayController::MnuExportMidi_Click() {
    const QString strPath = QFileDialog::getSaveFileName(
        &window, tr("Export MIDI"), context.defaultMidiPath(), tr("MIDI files (*.mid)"));
    if (!strPath.isEmpty()) {
        exportMidiTo(strPath);
    }
}

void PlayController::exportMidiTo(const QString& strPath) {
    const std::shared_ptr<const StandardScale> scale = context.scale();
    if (!scale) {
        return;
    }
    const QString strShown = QDir::toNativeSeparators(strPath);
    QString strError;
    if (writeMidiForScale(*scale, context.instrument(), SoundPreferences::tempo(),
                          SoundPreferences::soundChoice(), context.chordMode(), strPath,
                          strError)) {
        showPlainMessage(&window, QMessageBox::Information, "GamutrixLite",
                         strShown + " has been created!");
    } else {
        showPlainMessage(&window, QMessageBox::Warning, "GamutrixLite",
                         tr("%1 could not be saved: %2").arg(strShown, strError));
    }
}

void PlayController::noteChanged(int intIndex, bool boolOn) {
    if (boolOn) {
        collSounding.push_back(intIndex);
    } else {
        std::erase(collSounding, intIndex);
    }
    showSounding();
}

void PlayController::showSounding() {
    // Bright yellow over the marker, so the note sounding stands out from the red ones.
    constexpr RgbColor kHighlight{255, 204, 0};
    std::vector<OverlayMarker> collMarkers;
    for (int intIndex : collSounding) {
        if (intIndex < 0 || intIndex >= static_cast<int>(collSchedule.size())) {
            continue;
        }
        const std::optional<MarkerClick::Highlight> highlight =
            MarkerClick::highlightFor(collSchedule[static_cast<std::size_t>(intIndex)].place,
                                      context.fretBoard(), context.pianoKeyboard());
        if (highlight) {
            collMarkers.push_back({highlight->centre.x, highlight->centre.y, highlight->intRadius,
                                   kBlack, kHighlight});
        }
    }
    if (collMarkers != picture.overlay(OverlayLayer::SoundingNote)) {
        picture.setOverlay(OverlayLayer::SoundingNote, std::move(collMarkers));
    }
}

void PlayController::Picture_Click(int x, int y) {
    const std::shared_ptr<const StandardScale> scale = context.scale();
    if (!scale) {
        return;
    }
    const InstrumentSetup setup = instrumentFromGlobals(context.instrument());
    std::optional<VoicedNote> voiced;
    if (const FretBoard* board = context.fretBoard()) {
        voiced = MarkerClick::noteAtFretboardClick(*board, *scale, setup, x, y);
    } else if (const PianoKeyboard* keyboard = context.pianoKeyboard()) {
        voiced = MarkerClick::noteAtKeyboardClick(*keyboard, *scale, setup, x, y);
    }
    if (voiced) {
        playNotes({ScheduledNote{voiced->intMidiNote, 0, 2, voiced->place}});
    }
}
