#pragma once

#include <QObject>
#include <vector>

class FormGamutrix;
class QAction;
class QMenu;

// The end of the Display menu: the "Tuning" submenu of ready-made instruments, and "Remember the
// instrument setup", which keeps the strings, tuning and fretboard options in the user's
// preferences (QSettings) for the next start. The configuration file is not involved.
class TuningMenu : public QObject {
    Q_OBJECT

  public:
    // Adds a separator, the submenu and the remember item to mnuDisplay. The window's
    // "Fretboard Setup" item must exist already.
    TuningMenu(FormGamutrix& window, QMenu& mnuDisplay);

    // At start-up, right after the defaults: when remembering is on and the preferences hold a
    // valid setup, it replaces the defaults. Anything unreadable leaves the defaults.
    void restoreInstrumentSetup();

  private:
    void mnuTuningPreset_Click(int intPreset);
    void mnuRememberSetup_Click(bool boolChecked);
    void instrumentChanged();
    void refreshMarks();
    void storeInstrumentSetup() const;

    FormGamutrix& window;
    QMenu* mnuTuning = nullptr;
    QAction* mnuRememberSetup = nullptr;
    std::vector<QAction*> mnuTuningPresets;
    // The preset chosen last, marked in preference to another one with the same strings.
    int intLastPreset = -1;
};
