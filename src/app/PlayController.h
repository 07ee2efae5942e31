#pragma once

// The Play menu, "Export MIDI..." and the sound behind them. The window hands in how to read
// its current state; this class turns it into a schedule and gives it to the player, which loads
// the synthesizer on its own thread on first use. Nothing here ever waits for sound.

#include "Performance.h"
#include "SoundEngine.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class FretBoard;
class PianoKeyboard;
class PictureBox;
class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;

class PlayController : public QObject {
    Q_OBJECT

  public:
    // What the controller reads of the window, each time it is needed.
    struct Context {
        std::function<std::shared_ptr<const StandardScale>()> scale;
        std::function<int()> instrument; // 1 fretboard, 2 keyboard
        std::function<bool()> chordMode;
        std::function<QString()> defaultMidiPath;
        // The views of the last redraw; nullptr for the instrument not shown.
        std::function<const FretBoard*()> fretBoard;
        std::function<const PianoKeyboard*()> pianoKeyboard;
    };

    // Adds the Play menu at the end of menuBar and "Export MIDI..." to mnuFile before beforeAction.
    // Clicks on picture play the marker under them; the sounding note is highlighted on it.
    PlayController(QWidget& window, Context context, PictureBox& picture, QMenuBar& menuBar,
                   QMenu& mnuFile, QAction* beforeAction);
    ~PlayController() override;

    // Before the first use only: where SoundFonts are looked for (after the preference), and
    // how the player opens its output (the SoundFont itself is filled in then).
    void setSoundFontCandidates(std::vector<std::string> collPaths);
    SoundPlayerOptions& playerOptions() { return optionsPlayer; }

    // Writes the MIDI file and shows the same messages as saving the picture.
    void exportMidiTo(const QString& strPath);

    SoundStatus status() const { return soundStatus; }
    // The schedule last handed to the player.
    const std::vector<ScheduledNote>& lastSchedule() const { return collSchedule; }

  signals:
    void statusChanged(SoundStatus status);

  private:
    void createActions(QMenuBar& menuBar, QMenu& mnuFile, QAction* beforeAction);
    SoundEngine& player();
    bool soundAvailable();
    void showStatus(SoundStatus status);
    void mnuPlay_Click();
    void mnuStop_Click();
    void mnuTempo_Click();
    void MnuExportMidi_Click();
    void playNotes(std::vector<ScheduledNote> collNotes);
    void noteChanged(int intIndex, bool boolOn);
    void Picture_Click(int x, int y);
    void showSounding();

    QWidget& window;
    Context context;
    PictureBox& picture;
    std::vector<std::string> collSoundFontCandidates;
    SoundPlayerOptions optionsPlayer;
    std::unique_ptr<SoundEngine> soundPlayer;
    SoundStatus soundStatus = SoundStatus::Unknown;
    std::vector<ScheduledNote> collSchedule;
    std::vector<int> collSounding;

    QAction* mnuPlayScale = nullptr;
    QAction* mnuStop = nullptr;
    QActionGroup* groupSound = nullptr;
};
