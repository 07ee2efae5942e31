#include "FormGamutrix.h"

#include "BuiltInCatalogue.h"
#include "ClassicFonts.h"
#include "DialogGeometry.h"
#include "Globals.h"
#include "PictureBox.h"
#include "ScalePicture.h"
#include "TuningMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using DialogGeometry::moveTwipsTop;
using DialogGeometry::placeControl;
using DialogGeometry::toPixels;
using DialogGeometry::twipsRect;

namespace {

constexpr int kClientWidthTwips = 8895;
// The classic window frame: an 18-pixel title bar and 4-pixel borders above and below. The outer
// height that the layout computes includes them; here the window manager draws them.
constexpr int kCaptionAndBordersTwips = (18 + 4 + 4) * DialogGeometry::kTwipsPerPixel;

constexpr std::array<const char*, 7> kLetterCaptions{"C", "D", "E", "F", "G", "A", "B"};
constexpr std::array<const char*, 2> kAccidentalCaptions{"#", "b"};

} // namespace

FormGamutrix::FormGamutrix(const QString& strProgramDir, QWidget* parent)
    : QMainWindow(parent), strProgramDir(strProgramDir) {
    createControls();
    createMenus();
    restoreZoom();
    PicScaleInstrument->installEventFilter(this);
    for (QListWidget* list : {ListScaleCategory, ListScale}) {
        keepRowSelected(list);
    }
    Form_Load();
}

void FormGamutrix::keepRowSelected(QListWidget* list) {
    list->installEventFilter(this);
    // Ctrl+click or Ctrl+Space on the selected row would leave the current row unselected, so
    // nothing would show what is drawn: the current row is selected again.
    connect(list, &QListWidget::itemSelectionChanged, this, [list] {
        if (list->currentItem() != nullptr && list->selectedItems().isEmpty()) {
            list->currentItem()->setSelected(true);
        }
    });
}

FormGamutrix::~FormGamutrix() = default;

void FormGamutrix::createControls() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    setCentralWidget(client);

    TextTitle = new QLineEdit(client);
    placeControl(TextTitle, "TextTitle", tr("Root and scale"), twipsRect(120, 120, 5295, 285));
    TextTitle->setReadOnly(true);
    QFont fontTitle(installedClassicFamily("MS Sans Serif"));
    fontTitle.setPointSizeF(8.25);
    fontTitle.setBold(true);
    TextTitle->setFont(fontTitle);

    TextScale = new QLineEdit(client);
    placeControl(TextScale, "TextScale", tr("Interval list"), twipsRect(5520, 120, 2295, 285));

    // The menu shortcuts win over the text boxes' own editing keys (Ctrl+X is "Exit").
    TextTitle->installEventFilter(this);
    TextScale->installEventFilter(this);

    BtnEdit = new QPushButton(tr("Custom"), client);
    placeControl(BtnEdit, "BtnEdit", tr("Custom"), twipsRect(7920, 120, 855, 255));
    connect(BtnEdit, &QPushButton::clicked, this, &FormGamutrix::BtnEdit_Click);

    PicScaleInstrument = new PictureBox(8655, 3375, client);
    placeControl(PicScaleInstrument, "PicScaleInstrument", tr("Instrument picture"),
                 twipsRect(120, 480, 8655, 3375));

    for (std::size_t i = 0; i < BtnPitch.size(); ++i) {
        BtnPitch[i] = new QPushButton(kLetterCaptions[i], client);
        const int intLeft = 120 + 1080 * static_cast<int>(i);
        placeControl(BtnPitch[i], qPrintable(QString("BtnPitch%1").arg(i)),
                     tr("Root %1").arg(kLetterCaptions[i]), twipsRect(intLeft, 3960, 975, 375));
        connect(BtnPitch[i], &QPushButton::clicked, this,
                [this, i] { BtnPitch_Click(static_cast<int>(i)); });
    }
    for (std::size_t i = 0; i < BtnPitchAdd.size(); ++i) {
        BtnPitchAdd[i] = new QPushButton(kAccidentalCaptions[i], client);
        const int intLeft = i == 0 ? 7680 : 8280;
        placeControl(BtnPitchAdd[i], qPrintable(QString("BtnPitchAdd%1").arg(i)),
                     i == 0 ? tr("Sharp") : tr("Flat"), twipsRect(intLeft, 3960, 495, 375));
        connect(BtnPitchAdd[i], &QPushButton::clicked, this,
                [this, i] { BtnPitchAdd_Click(static_cast<int>(i)); });
    }

    ListScaleCategory = new QListWidget(client);
    placeControl(ListScaleCategory, "ListScaleCategory", tr("Scale categories"),
                 twipsRect(120, 4440, 1815, 1620));
    connect(ListScaleCategory, &QListWidget::currentRowChanged, this,
            &FormGamutrix::ListScaleCategory_Click);

    ListScale = new QListWidget(client);
    placeControl(ListScale, "ListScale", tr("Scales"), twipsRect(2040, 4440, 6735, 1620));
    connect(ListScale, &QListWidget::currentRowChanged, this, &FormGamutrix::ListScale_Click);

    FrameChord = new QFrame(client);
    placeControl(FrameChord, "FrameChord", tr("Chord builder"), twipsRect(120, 4440, 8655, 1695));
    FrameChord->setFrameShape(QFrame::StyledPanel);
    FrameChord->setAutoFillBackground(true);
    FrameChord->raise();
    FrameChord->hide();
}

void FormGamutrix::createMenus() {
    const auto addItem = [this](QMenu* menu, const char* strName, const QString& strCaption,
                                const QKeySequence& shortcut, void (FormGamutrix::*handler)()) {
        QAction* action = menu->addAction(strCaption);
        action->setObjectName(strName);
        action->setShortcut(shortcut);
        if (handler != nullptr) {
            connect(action, &QAction::triggered, this, handler);
        }
        return action;
    };
    const auto addSeparator = [](QMenu* menu, const char* strName) {
        menu->addSeparator()->setObjectName(strName);
    };

    QMenu* mnuFile = menuBar()->addMenu(tr("File"));
    mnuFile->setObjectName("mnuFile");
    addItem(mnuFile, "MnuSaveBitmap", tr("Save As Bitmap"), QKeySequence(Qt::CTRL | Qt::Key_S),
            &FormGamutrix::MnuSaveBitmap_Click);
    addExportItems(mnuFile);
    addSeparator(mnuFile, "mnuSepFile1");
    addItem(mnuFile, "mnuExit", tr("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X),
            &FormGamutrix::mnuExit_Click);

    QMenu* mnuScaleSet = menuBar()->addMenu(tr("ScaleSet"));
    mnuScaleSet->setObjectName("mnuScaleSet");
    connect(addItem(mnuScaleSet, "mnuScalesMain", tr("Main Scales"), Qt::Key_F5, nullptr),
            &QAction::triggered, this, [this] { loadCatalogue(1); });
    connect(addItem(mnuScaleSet, "mnuScalesSorted", tr("Sorted Scales"), Qt::Key_F6, nullptr),
            &QAction::triggered, this, [this] { loadCatalogue(2); });
    connect(addItem(mnuScaleSet, "mnuScalesVarious", tr("Various Scales / Chords"), Qt::Key_F7,
                    nullptr),
            &QAction::triggered, this, [this] { loadCatalogue(3); });
    addItem(mnuScaleSet, "mnuUserScales", tr("User-defined Scales"), Qt::Key_F8, nullptr)
        ->setEnabled(false);
    addSeparator(mnuScaleSet, "mnuScaleSep1");
    connect(addItem(mnuScaleSet, "mnuChords", tr("Chords"), Qt::Key_F9, nullptr),
            &QAction::triggered, this, [this] {
                intMode = 1;
                RedrawUI();
                switchToChords();
            });
    addSeparator(mnuScaleSet, "mnuScaleSep2");
    addItem(mnuScaleSet, "mnuCustomScale", tr("Custom Chord/Scale"), Qt::Key_F12,
            &FormGamutrix::BtnEdit_Click);

    QMenu* mnuDisplay = menuBar()->addMenu(tr("Display"));
    mnuDisplay->setObjectName("mnuDisplay");
    mnuFretboard = addItem(mnuDisplay, "mnuFretboard", tr("Fretboard"), Qt::Key_F2, nullptr);
    mnuKeyboard = addItem(mnuDisplay, "mnuKeyboard", tr("Keyboard"), Qt::Key_F3, nullptr);
    for (QAction* action : {mnuFretboard, mnuKeyboard}) {
        action->setCheckable(true);
        const int16_t intInstrument = action == mnuFretboard ? 1 : 2;
        connect(action, &QAction::triggered, this, [this, intInstrument] {
            intCurrentInstrument = intInstrument;
            ChangedInstrument();
        });
    }
    mnuFretboard->setChecked(true);
    addSeparator(mnuDisplay, "mnuSepDis2");
    addItem(mnuDisplay, "mnuFretboardSetup", tr("Fretboard Setup"),
            QKeySequence(Qt::CTRL | Qt::Key_F2), &FormGamutrix::mnuFretboardSetup_Click);
    addItem(mnuDisplay, "mnuKeyboardSetup", tr("Keyboard Setup"),
            QKeySequence(Qt::CTRL | Qt::Key_F3), &FormGamutrix::mnuKeyboardSetup_Click);
    tuningMenu = new TuningMenu(*this, *mnuDisplay);
    createZoomMenu(mnuDisplay);
    createPlayMenu();

    QMenu* mnuHelp = menuBar()->addMenu(tr("Help"));
    mnuHelp->setObjectName("mnuHelp");
    addItem(mnuHelp, "mnuAbout", tr("About Gamutrix Lite..."), QKeySequence(),
            &FormGamutrix::mnuAbout_Click);
    createToolsMenu();
}

void FormGamutrix::Form_Load() {
    boolLoading = true;
    Globals::setDefaultSettings();
    setWindowTitle("Gamutrix Lite 1.3a1");
    intCurrentPitchBtn = 0;
    intCurrentPitchAdd = 0;
    setCaptionBold(BtnPitch[0], true);
    intCurrentInstrument = 1;
    intMode = 0;
    readConfig();
    tuningMenu->restoreInstrumentSetup();
    ChangedPitch();
    ChangedInstrument();
    RedrawUI();
    scaleSetCurrent = std::make_unique<ScaleSet>();
    scaleSetCurrent->LoadScalesFromCollection(getBuiltInCatalogue(1));
    RefreshScaleLists();
    if (intMode == 1) {
        switchToChords();
    }
    boolLoading = false;
    RedrawScale();
    // Open centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect rectWindow(QPoint(), size());
        rectWindow.moveCenter(screen->availableGeometry().center());
        move(rectWindow.topLeft());
    }
    keepOnScreen();
}

void FormGamutrix::ChangedPitch() {
    // There is no C flat, E sharp, F flat or B sharp: the accidental comes off again.
    const bool boolRefused = (intCurrentPitchBtn == 0 && intCurrentPitchAdd == 2) ||
                             (intCurrentPitchBtn == 2 && intCurrentPitchAdd == 1) ||
                             (intCurrentPitchBtn == 3 && intCurrentPitchAdd == 2) ||
                             (intCurrentPitchBtn == 6 && intCurrentPitchAdd == 1);
    if (boolRefused) {
        setCaptionBold(BtnPitchAdd[intCurrentPitchAdd == 2 ? 1 : 0], false);
        intCurrentPitchAdd = 0;
    }
    noteRoot->setPitchFromButtons(intCurrentPitchBtn, intCurrentPitchAdd);
    scaleCurrent->setRootNote(noteRoot);
    RedrawScale();
}

void FormGamutrix::ChangedInstrument() {
    mnuFretboard->setChecked(intCurrentInstrument == 1);
    mnuKeyboard->setChecked(intCurrentInstrument == 2);
    RedrawScale();
}

void FormGamutrix::ChangedScale() {
    const auto intCategory = static_cast<int16_t>(ListScaleCategory->currentRow() + 1);
    const auto intScale = static_cast<int16_t>(ListScale->currentRow());
    std::string strName = strScaleName.toStdString();
    std::string strData = strScaleData.toStdString();
    scaleSetCurrent->getScaleInfo(intCategory, intScale, strName, strData);
    strScaleName = QString::fromStdString(strName);
    strScaleData = QString::fromStdString(strData);
    scaleCurrent->setScale(strData);
    noteRoot->setPitchFromButtons(intCurrentPitchBtn, intCurrentPitchAdd);
    scaleCurrent->setRootNote(noteRoot);
    RedrawScale();
}

void FormGamutrix::RedrawScale() {
    if (boolLoading) {
        return;
    }
    TextTitle->setText(QString::fromStdString(noteRoot->getNoteName()) + " " + strScaleName);
    TextTitle->setCursorPosition(0);
    TextScale->setText(strScaleData);
    TextScale->setCursorPosition(0);
    viewsCurrent =
        drawScalePicture(PicScaleInstrument->surface(), scaleCurrent, intCurrentInstrument);
    PicScaleInstrument->update();
    followPickedNotes();
}

const FretBoard* FormGamutrix::currentFretBoard() const {
    return viewsCurrent.viewFretBoard.get();
}

const PianoKeyboard* FormGamutrix::currentPianoKeyboard() const {
    return viewsCurrent.viewPianoKeyboard.get();
}

void FormGamutrix::RedrawUI() {
    const int intZoom = zoomCurrent.percent();
    int y = 480;
    moveTwipsTop(PicScaleInstrument, y, intZoom);
    PicScaleInstrument->show();
    y += 3375 + 120;
    for (QPushButton* button : BtnPitch) {
        moveTwipsTop(button, y, intZoom);
    }
    for (QPushButton* button : BtnPitchAdd) {
        moveTwipsTop(button, y, intZoom);
    }
    y += 375 + 120;
    moveTwipsTop(ListScaleCategory, y, intZoom);
    moveTwipsTop(ListScale, y, intZoom);
    intOuterHeightTwips = y + 1620 + 780;

    // Qt sizes the client area (menu bar and central widget); the window manager adds the frame.
    const int intClientHeight = toPixels(intOuterHeightTwips - kCaptionAndBordersTwips, intZoom);
    setFixedSize(toPixels(kClientWidthTwips, intZoom), intClientHeight);
    // The frame's controls are made when it is first shown: a window that opens on a scale need
    // not wait for them. Made before the frame shows, they show with it.
    if (intMode == 1 && ListTriad == nullptr) {
        createChordFrame();
    }
    FrameChord->setVisible(intMode == 1);
    // Behind the chord frame the scale lists are out of the user's sight, so they must be out of
    // reach of the keyboard too.
    ListScaleCategory->setEnabled(intMode == 0);
    ListScale->setEnabled(intMode == 0);
}

void FormGamutrix::setCaptionBold(QPushButton* button, bool boolBold) {
    QFont font = button->font();
    font.setBold(boolBold);
    button->setFont(font);
}

void FormGamutrix::closeEvent(QCloseEvent* event) {
    if (!boolConfigWritten) {
        writeConfig();
        boolConfigWritten = true;
    }
    saveZoom();
    event->accept();
}

void FormGamutrix::mnuExit_Click() {
    writeConfig();
    boolConfigWritten = true;
    close();
    QCoreApplication::quit();
}

bool FormGamutrix::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PicScaleInstrument && event->type() == QEvent::Paint) {
        // The icon needs the SVG icon engine, which nothing else loads: it is set once the
        // picture has been drawn for the first time, so that the window does not wait for it.
        PicScaleInstrument->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(":/gamutrix-lite.svg")); });
    }
    if (event->type() == QEvent::FocusIn) {
        // A list view picks its first row when it gains the focus without a current row (after a
        // dialog, on Tab). Here only the user chooses rows: that would change the scale or turn
        // the triad into a four-note chord. The list just shows that it has the focus.
        auto* list = qobject_cast<QListWidget*>(watched);
        if (list != nullptr && list->currentRow() < 0) {
            list->viewport()->update();
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(keyEvent->keyCombination());
        const auto actions = findChildren<QAction*>();
        for (const QAction* action : actions) {
            if (action->shortcuts().contains(pressed)) {
                // Not accepting the override lets the menu shortcut fire.
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
