#pragma once

// The main window and owner of all program state.
//
// The path of every user action to the screen:
//   1. a control's handler (BtnPitch_Click, ListScale_Click, a chord control, a menu item)
//      changes one piece of state;
//   2. it calls one change routine: ChangedPitch, ChangedInstrument, ChangedScale or ChangedChord;
//   3. the change routine brings scaleCurrent up to date (interval list, name, root);
//   4. RedrawScale writes the title and interval lines and redraws the whole picture from state
//      through a fresh FretBoard or PianoKeyboard. Nothing is ever drawn incrementally.
//
// Selection handlers are connected to Qt's change signals, which run at once and only on a real
// change, so a selection set from code runs the same chain as a click.

#include "Intervals.h"
#include "ScalePicture.h"
#include "ScaleSet.h"
#include "SimpleNote.h"
#include "StandardScale.h"
#include "ZoomLevel.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

class ChordScaleIndex;
class FormIdentifyNotes;
class FormScaleChords;
class FretBoard;
struct ChordChoice;
class PianoKeyboard;
class PictureBox;
class PlayController;
class QAction;
class QMenu;
struct PictureContent;
class QButtonGroup;
class QCheckBox;
class QDialog;
class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TuningMenu;

class FormGamutrix : public QMainWindow {
    Q_OBJECT

  public:
    // strProgramDir is where the configuration file and saved pictures live.
    explicit FormGamutrix(const QString& strProgramDir, QWidget* parent = nullptr);
    ~FormGamutrix() override;

    int16_t Mode() const { return intMode; }
    int16_t CurrentInstrument() const { return intCurrentInstrument; }
    const QString& ProgramDir() const { return strProgramDir; }
    // The outer height in twips that RedrawUI gave the window (title bar, menu and borders in).
    int OuterHeightTwips() const { return intOuterHeightTwips; }
    const PictureBox& Picture() const { return *PicScaleInstrument; }
    PictureBox& pictureBox() { return *PicScaleInstrument; }
    // The views of the last redraw; nullptr for the instrument not shown.
    const FretBoard* currentFretBoard() const;
    const PianoKeyboard* currentPianoKeyboard() const;
    std::shared_ptr<const StandardScale> currentScale() const { return scaleCurrent; }
    // The interval set that the chord builder last built.
    const Intervals& ChordIntervals() const { return chordIntervals; }
    const ZoomLevel& Zoom() const { return zoomCurrent; }
    PlayController& Player() const { return *playController; }

    void ChangedPitch();
    void ChangedInstrument();
    void ChangedScale();
    void ChangedChord();
    void RedrawScale();
    void RedrawUI();

    // Scale mode.
    void RefreshScaleLists();
    void switchToScales();

    // Chord mode.
    void switchToChords();
    void chordResetControls();

    void readConfig();
    void writeConfig();

    // Tools: a chord or a catalogue scale (root index into kRoots) shown through the controls a
    // user would click for it.
    void showChordAsBuilt(int intRoot, const ChordChoice& choice);
    void showCatalogueScale(int intRoot, int intCatalogue, int intCategory, int intEntry);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createMenus();
    void createChordFrame();
    void keepRowSelected(QListWidget* list);
    void createPlayMenu();
    void Form_Load();

    // Scale mode handlers.
    void BtnPitch_Click(int Index);
    void BtnPitchAdd_Click(int Index);
    void loadCatalogue(int16_t intCatalogue);
    void ListScaleCategory_Click();
    void ListScale_Click();
    void setCaptionBold(QPushButton* button, bool boolBold);

    // Chord builder handlers.
    void ListTriad_Click();
    void ListQuadriad_Click();
    void ChkAdd9_Click();
    void ChkAdd11_Click();
    void ChkAdd13_Click();
    void ChkNo3_Click();
    void ChkSus2_Click();
    void ChkSus4_Click();
    void OptSecond_Click(int Index);
    void OptFourth_Click(int Index);
    void OptSixth_Click(int Index);

    // Dialogs and file output.
    void BtnEdit_Click();
    void mnuFretboardSetup_Click();
    void mnuKeyboardSetup_Click();
    void mnuAbout_Click();
    void MnuSaveBitmap_Click();
    void mnuExit_Click();

    // Export and printing (FormGamutrixExport.cpp).
    void addExportItems(QMenu* mnuFile);
    PictureContent currentPictureContent() const;
    void mnuExportPicture_Click();
    void mnuPrint_Click();
    void mnuPrintPreview_Click();
    void printWithDialog(bool boolPreview);
    // Tools menu.
    void createToolsMenu();
    void mnuIdentifyNotes_Click();
    void mnuScaleChords_Click();
    const ChordScaleIndex& chordScaleIndex();
    void placeBeside(QWidget* window) const;
    void clickRootButtons(int intRoot);
    void PicScaleInstrument_Click(int xTwips, int yTwips);
    // After every redraw: the picked notes follow the instrument as drawn.
    void followPickedNotes();
    void showPickedNotes();

    // Zoom.
    void createZoomMenu(QMenu* mnuDisplay);
    void restoreZoom();
    void saveZoom() const;
    void changeZoom(ZoomLevel zoomNew);
    void applyZoom();
    void updateZoomItems();
    void keepOnScreen();
    void zoomDialog(QDialog& dialog) const;

    // State.
    QString strProgramDir;
    int16_t intMode = 0;
    int16_t intCurrentInstrument = 1;
    int16_t intCurrentPitchBtn = 0;
    int16_t intCurrentPitchAdd = 0;
    std::shared_ptr<SimpleNote> noteRoot = std::make_shared<SimpleNote>();
    Intervals chordIntervals;
    std::shared_ptr<StandardScale> scaleCurrent = std::make_shared<StandardScale>();
    QString strScaleName;
    QString strScaleData;
    std::unique_ptr<ScaleSet> scaleSetCurrent = std::make_unique<ScaleSet>();
    ScalePictureViews viewsCurrent;
    int intOuterHeightTwips = 0;
    ZoomLevel zoomCurrent;
    bool boolConfigWritten = false;
    std::shared_ptr<ChordScaleIndex> indexChordsScales; // built at the first use of a tool
    FormIdentifyNotes* formIdentify = nullptr;          // owned as a child window
    FormScaleChords* formScaleChords = nullptr;
    // Set while Form_Load puts the window together: it draws once, at the end.
    bool boolLoading = false;

    // Controls.
    QLineEdit* TextTitle = nullptr;
    QLineEdit* TextScale = nullptr;
    QPushButton* BtnEdit = nullptr;
    PictureBox* PicScaleInstrument = nullptr;
    std::array<QPushButton*, 7> BtnPitch{};
    std::array<QPushButton*, 2> BtnPitchAdd{};
    QListWidget* ListScaleCategory = nullptr;
    QListWidget* ListScale = nullptr;
    QFrame* FrameChord = nullptr;

    // Chord controls, all inside FrameChord, made when chord mode first starts.
    QListWidget* ListTriad = nullptr;
    QListWidget* ListQuadriad = nullptr;
    QCheckBox* ChkAdd9 = nullptr;
    QCheckBox* ChkAdd11 = nullptr;
    QCheckBox* ChkAdd13 = nullptr;
    QCheckBox* ChkNo3 = nullptr;
    QCheckBox* ChkSus4 = nullptr;
    QCheckBox* ChkSus2 = nullptr;
    QCheckBox* ChkNo7th = nullptr;
    std::array<QRadioButton*, 3> OptFifth{};
    std::array<QRadioButton*, 3> OptSecond{};
    std::array<QRadioButton*, 2> OptFourth{};
    std::array<QRadioButton*, 2> OptSixth{};

    // Menu items.
    QAction* mnuFretboard = nullptr;
    QAction* mnuKeyboard = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuActualSize = nullptr;
    TuningMenu* tuningMenu = nullptr;
    PlayController* playController = nullptr;
};
