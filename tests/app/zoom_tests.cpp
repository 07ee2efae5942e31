// The zoom of the main window: the Display menu's items and keys, the whole window and its picture
// at 200 % (controls, fonts, markers, the saved bitmap), the natural size unchanged pixel for
// pixel after any zooming, and the zoom remembered between runs outside the configuration file.

#include "WindowFixture.h"

#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <map>
#include <tuple>
#include <utility>

namespace {

// The fretboard of C Ionian on the default six strings with fret numbers, in twips of the
// picture: the board is 12 frets of 550 centred in 8655, so its nut is at 4328 - 3300 = 1028;
// six strings 350 apart centred in 3375 and lowered 120 for the numbers put string 1 at
// 1688 - 1050 + 120 = 758. A marker of fret f sits at 1028 + 550 f - 275, string s at
// 758 + 350 (s - 1). Tuning from string 1: E B G D A E.
struct Place {
    const char* strWhat;
    int x;
    int y;
    QColor colour; // at a point inside the marker, clear of its interval code
};

const QColor kRootFill(153, 0, 0);
const QColor kToneFill(102, 0, 0);
const QColor kBackground(255, 255, 255);

const std::initializer_list<Place> kCIonianPlaces{
    {"root C: B string, fret 1", 1303, 1108, kRootFill},
    {"root C: A string, fret 3", 2403, 2158, kRootFill},
    {"third E: open high E", 753, 758, kToneFill},
    {"fourth F: high E, fret 1", 1303, 758, kToneFill},
    {"third E: low E, fret 12", 7353, 2508, kToneFill},
    {"no F#: high E, fret 2", 1853, 758, kBackground},
    {"no C#: B string, fret 2", 1853, 1108, kBackground},
};

// A point 60 twips left of and above a marker's centre: inside its fill at every zoom, left of
// its interval code, above the string line.
QPoint samplePixel(const Place& place, int intZoomPercent) {
    return {(place.x - 60) * intZoomPercent / 1500, (place.y - 60) * intZoomPercent / 1500};
}

} // namespace

class ZoomTest : public WindowFixture {
  protected:
    // Preferences of this test go to a folder of its own, so tests running side by side cannot
    // see each other's zoom.
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void zoomIn() const { pressKey(Qt::Key_Equal, Qt::ControlModifier); }
    void zoomOut() const { pressKey(Qt::Key_Minus, Qt::ControlModifier); }
    void actualSize() const { pressKey(Qt::Key_0, Qt::ControlModifier); }

    // Every control laid out on the client area, in the chord frame or in a row of options.
    QList<QWidget*> layoutControls() const {
        QList<QWidget*> collControls;
        for (const char* strContainer :
             {"ClientArea", "FrameChord", "Picture1", "Picture2", "Picture3", "Picture4"}) {
            for (QWidget* control :
                 child<QWidget>(strContainer)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                collControls.append(control);
            }
        }
        return collControls;
    }

    QTemporaryDir settingsDir;
};

TEST_F(ZoomTest, DisplayMenuItemsFollowTheExistingOnes) {
    start();
    QStringList collItems;
    for (const QAction* action : child<QMenu>("mnuDisplay")->actions()) {
        collItems << (action->isSeparator() ? "-" : action->text());
    }
    // The specified items first; the zoom's own section ends the menu.
    EXPECT_EQ(collItems.mid(0, 5),
              (QStringList{"Fretboard", "Keyboard", "-", "Fretboard Setup", "Keyboard Setup"}));
    EXPECT_EQ(collItems.mid(collItems.size() - 4),
              (QStringList{"-", "Zoom In", "Zoom Out", "Actual Size"}));
    EXPECT_EQ(child<QAction>("mnuZoomIn")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}));
    EXPECT_EQ(child<QAction>("mnuZoomOut")->shortcut(), QKeySequence("Ctrl+-"));
    EXPECT_EQ(child<QAction>("mnuActualSize")->shortcut(), QKeySequence("Ctrl+0"));
}

TEST_F(ZoomTest, KeysWalkTheStepsAndTheEndsDisableTheirItems) {
    start();
    const auto state = [this] {
        return QString("%1% in %2 out %3 actual %4")
            .arg(window->Zoom().percent())
            .arg(child<QAction>("mnuZoomIn")->isEnabled())
            .arg(child<QAction>("mnuZoomOut")->isEnabled())
            .arg(child<QAction>("mnuActualSize")->isEnabled())
            .toStdString();
    };
    EXPECT_EQ(state(), "100% in 1 out 0 actual 0");
    for (const auto& [intKey, strAfter] : std::initializer_list<std::pair<int, std::string>>{
             {Qt::Key_Equal, "125% in 1 out 1 actual 1"},
             // Ctrl and the plus key as well as Ctrl and "=" (the same key unshifted).
             {Qt::Key_Plus, "150% in 1 out 1 actual 1"},
             {Qt::Key_Equal, "200% in 1 out 1 actual 1"},
             {Qt::Key_Equal, "250% in 1 out 1 actual 1"},
             {Qt::Key_Equal, "300% in 0 out 1 actual 1"},
             // Nothing beyond the largest step.
             {Qt::Key_Plus, "300% in 0 out 1 actual 1"},
             {Qt::Key_Minus, "250% in 1 out 1 actual 1"},
             {Qt::Key_0, "100% in 1 out 0 actual 0"},
             {Qt::Key_Minus, "100% in 1 out 0 actual 0"},
             {Qt::Key_Plus, "125% in 1 out 1 actual 1"},
             {Qt::Key_Minus, "100% in 1 out 0 actual 0"}}) {
        pressKey(intKey, Qt::ControlModifier);
        EXPECT_EQ(state(), strAfter);
    }
}

TEST_F(ZoomTest, TwoHundredPercentDoublesEveryControlAndFont) {
    start();
    // The chord frame shows its controls too.
    pressKey(Qt::Key_F9);
    std::map<QWidget*, std::pair<QRect, qreal>> collAtActualSize;
    const auto collFontWidgets = window->findChildren<QWidget*>();
    for (QWidget* widget : collFontWidgets) {
        collAtActualSize[widget] = {widget->geometry(), widget->font().pointSizeF()};
    }
    const QList<QWidget*> collControls = layoutControls();
    ASSERT_GE(collControls.size(), 44);
    const QSize sizeClient = window->centralWidget()->size();
    const QSize sizeWindow = window->size();

    zoomIn();
    zoomIn();
    zoomIn();
    ASSERT_EQ(window->Zoom().percent(), 200);
    for (QWidget* control : collControls) {
        const QRect rect = collAtActualSize[control].first;
        EXPECT_EQ(control->geometry(), QRect(rect.topLeft() * 2, rect.size() * 2))
            << control->objectName().toStdString();
    }
    for (QWidget* widget : collFontWidgets) {
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), 2 * collAtActualSize[widget].second)
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
    // The client area's height is what the menu bar, whose font grew, leaves of the window.
    EXPECT_EQ(window->centralWidget()->width(), sizeClient.width() * 2);
    EXPECT_EQ(window->size(), sizeWindow * 2);

    // The same in numbers: twips times 2 over 15, fractions dropped.
    for (const auto& [strName, rect] : std::initializer_list<std::pair<const char*, QRect>>{
             {"TextTitle", {16, 16, 706, 38}},            // 120, 120, 5295, 285
             {"TextScale", {736, 16, 306, 38}},           // 5520, 120, 2295, 285
             {"BtnEdit", {1056, 16, 114, 34}},            // 7920, 120, 855, 255
             {"PicScaleInstrument", {16, 64, 1154, 450}}, // 120, 480, 8655, 3375
             {"BtnPitch0", {16, 530, 130, 50}},           // 120, 3975, 975, 375
             {"BtnPitch6", {880, 530, 130, 50}},          // 6600, 3975, 975, 375
             {"BtnPitchAdd1", {1104, 530, 66, 50}},       // 8280, 3975, 495, 375
             {"ListScaleCategory", {16, 596, 242, 216}},  // 120, 4470, 1815, 1620
             {"ListScale", {272, 596, 898, 216}},         // 2040, 4470, 6735, 1620
             {"FrameChord", {16, 592, 1154, 226}},        // 120, 4440, 8655, 1695
             {"ChkSus4", {624, 96, 258, 34}},             // 4680, 720, 1935, 255 in the frame
             {"Line1", {432, 32, 2, 176}}}) {             // 3240, 240, 15, 1320 in the frame
        EXPECT_EQ(child<QWidget>(strName)->geometry(), rect) << strName;
    }
    // 8895 twips of client width; 6870 twips of outer height less 390 for caption and borders.
    EXPECT_EQ(window->centralWidget()->width(), 1186);
    EXPECT_EQ(window->height(), 864);
}

TEST_F(ZoomTest, TwoHundredPercentPictureIsDrawnAtTwiceTheSize) {
    start();
    for (int i = 0; i < 3; ++i) {
        zoomIn();
    }
    const PictureBox& picture = window->Picture();
    const QImage image = shownPicture();
    const qreal dblScreenRatio = picture.devicePixelRatioF();
    EXPECT_EQ(picture.size(), QSize(1154, 450));
    EXPECT_EQ(image.size(), QSize(1154, 450) * dblScreenRatio);
    for (const Place& place : kCIonianPlaces) {
        EXPECT_EQ(image.pixelColor(samplePixel(place, 200) * dblScreenRatio), place.colour)
            << place.strWhat;
    }
    // The widget shows the picture one to one, not squeezed back to its natural size.
    const QImage imageWidget = child<PictureBox>("PicScaleInstrument")->grab().toImage();
    EXPECT_EQ(pictureDifference(imageWidget, image), "");
    // The same places at 100 % after coming back.
    actualSize();
    const QImage imageActual = shownPicture();
    EXPECT_EQ(imageActual.size(), QSize(577, 225) * dblScreenRatio);
    for (const Place& place : kCIonianPlaces) {
        EXPECT_EQ(imageActual.pixelColor(samplePixel(place, 100) * dblScreenRatio), place.colour)
            << place.strWhat;
    }
}

TEST_F(ZoomTest, PictureMapsTwipsToWidgetPixelsAtItsZoom) {
    start();
    const PictureBox& picture = window->Picture();
    EXPECT_EQ(picture.zoom(), 1.0);
    EXPECT_EQ(picture.toWidget(QPoint(1500, 750)), QPointF(100, 50));
    zoomIn();
    EXPECT_EQ(picture.zoom(), 1.25);
    EXPECT_EQ(picture.toWidget(QPoint(1500, 750)), QPointF(125, 62.5));
    EXPECT_EQ(picture.toTwips(QPointF(125, 62.5)), QPoint(1500, 750));
    zoomIn();
    zoomIn();
    EXPECT_EQ(picture.toWidget(QPoint(1303, 1108)), QPointF(1303 * 2 / 15.0, 1108 * 2 / 15.0));
    EXPECT_EQ(picture.toTwips(QPointF(20, 30)), QPoint(150, 225));

    // Overlay markers and clicks go through the same mapping: at 200 % a marker of radius 150
    // at (1500, 1500) twips is 20 pixels round (200, 200), and a click at (100, 40) is at
    // (750, 300) twips.
    auto* box = child<PictureBox>("PicScaleInstrument");
    box->setOverlay(OverlayLayer::ChosenNotes, {{1500, 1500, 150, {0, 0, 0}, {0, 120, 0}}});
    const QImage screen = box->grab().toImage();
    EXPECT_EQ(screen.pixelColor(QPoint(214, 200) * box->devicePixelRatioF()), QColor(0, 120, 0));
    EXPECT_EQ(screen.pixelColor(QPoint(200, 226) * box->devicePixelRatioF()), QColor(Qt::white));
    QSignalSpy spy(box, &PictureBox::pictureClicked);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(100, 40));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 750);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 300);
}

TEST_F(ZoomTest, NaturalSizeIsPixelIdenticalAfterZooming) {
    // A window that never zoomed, in a state reached through roots, instruments and chords.
    const auto drive = [this] {
        clickControl("BtnPitch4");
        clickControl("BtnPitchAdd1");
        pressKey(Qt::Key_F9);
        clickControl("BtnPitch1");
    };
    start();
    drive();
    const QImage imageNeverZoomed = window->grab().toImage();
    const QImage pictureNeverZoomed = shownPicture();
    window.reset();

    start();
    zoomIn();
    zoomIn();
    drive();
    pressKey(Qt::Key_F3);
    zoomIn();
    pressKey(Qt::Key_F2);
    zoomOut();
    actualSize();
    EXPECT_EQ(window->Zoom().percent(), 100);
    EXPECT_EQ(pictureDifference(window->grab().toImage(), imageNeverZoomed), "");
    EXPECT_EQ(pictureDifference(shownPicture(), pictureNeverZoomed), "");
    // The picture widget shows its image one to one.
    const QImage imageWidget = child<PictureBox>("PicScaleInstrument")->grab().toImage();
    EXPECT_EQ(pictureDifference(imageWidget, pictureNeverZoomed), "");
    // And the picture is what a fresh surface draws for this state.
    expectShows("D  [1,3,5] bold D; fretboard; mode 1 frame; rows 0/0");
}

TEST_F(ZoomTest, CtrlSSavesThePictureAtTheSizeShown) {
    start();
    zoomIn();
    zoomIn();
    zoomIn();
    whenModalShown([](QWidget* modal) {
        QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok),
                          Qt::LeftButton);
    });
    pressKey(Qt::Key_S, Qt::ControlModifier);
    const QImage saved(path("guitar-c_ionian.bmp"), "BMP");
    EXPECT_EQ(saved.size(), QSize(1154, 450) * window->Picture().devicePixelRatioF());
    EXPECT_EQ(pictureDifference(saved, shownPicture()), "");
    EXPECT_EQ(saved.pixelColor(samplePixel(*kCIonianPlaces.begin(), 200)), kRootFill);
}

TEST_F(ZoomTest, RememberedBetweenRunsButNotInTheConfigurationFile) {
    start();
    zoomIn();
    zoomIn();
    pressKey(Qt::Key_F3);
    window->close();
    EXPECT_EQ(readFile("gamutrix.cfg"), "instrument = 2\r\nmode = 0\r\n");

    start();
    EXPECT_EQ(window->Zoom().percent(), 150);
    EXPECT_TRUE(child<QAction>("mnuKeyboard")->isChecked());
    // 120, 120, 5295, 285 twips times 1.5 over 15, fractions dropped.
    EXPECT_EQ(child<QWidget>("TextTitle")->geometry(), QRect(12, 12, 529, 28));
    EXPECT_EQ(window->Picture().size(), QSize(866, 338)) << "577 x 225 times 1.5, rounded";
    expectShows("C Ionian [1,2,3,4,5,6,7] bold C; keyboard; mode 0; rows 0/0");

    // Only closing the window keeps a new zoom.
    zoomIn();
    window.reset();
    start();
    EXPECT_EQ(window->Zoom().percent(), 150);
    actualSize();
    window->close();
    start();
    EXPECT_EQ(window->Zoom().percent(), 100);
    EXPECT_EQ(window->centralWidget()->width(), 593);
}

TEST_F(ZoomTest, NoPreferenceFileForAUserWhoEndsAtNaturalSize) {
    start();
    zoomIn();
    actualSize();
    window->close();
    EXPECT_EQ(QDir(settingsDir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
}

TEST_F(ZoomTest, StoredZoomThatIsNoStepStartsAtNaturalSize) {
    for (const auto& [value, intPercent] :
         std::initializer_list<std::pair<QVariant, int>>{{QVariant(300), 300},
                                                         {QVariant("250"), 250},
                                                         {QVariant(5000), 100},
                                                         {QVariant(0), 100},
                                                         {QVariant(-200), 100},
                                                         {QVariant(175), 100},
                                                         {QVariant("huge"), 100},
                                                         {QVariant(QStringList{"2", "3"}), 100}}) {
        QSettings().setValue("display/zoomPercent", value);
        start();
        EXPECT_EQ(window->Zoom().percent(), intPercent) << value.toString().toStdString();
        EXPECT_EQ(window->centralWidget()->width(), 8895 * intPercent / 1500);
        // Even when larger than the screen, it opens with its title bar on it.
        EXPECT_TRUE(
            window->screen()->availableGeometry().contains(window->frameGeometry().topLeft()));
        window.reset();
    }
}

TEST_F(ZoomTest, DialogsOpenAtTheWindowsZoom) {
    // (dialog size, its OK button) in pixels when opened at each zoom. Keyboard setup: client
    // 4695 x 1920 twips, OK at 1800, 1440, 1335, 375; times the zoom over 15, fractions dropped.
    for (const auto& [intZoomIns, sizeDialog, rectOk] :
         std::initializer_list<std::tuple<int, QSize, QRect>>{
             {0, {313, 128}, {120, 96, 89, 25}},
             {3, {626, 256}, {240, 192, 178, 50}},
             {5, {939, 384}, {360, 288, 267, 75}}}) {
        start();
        for (int i = 0; i < intZoomIns; ++i) {
            zoomIn();
        }
        QSize sizeSeen;
        QRect rectSeen;
        whenModalShown([&](QWidget* modal) {
            sizeSeen = modal->size();
            auto* button = modal->findChild<QPushButton*>("BtnCancel");
            rectSeen = modal->findChild<QWidget*>("BtnOK")->geometry();
            QTest::mouseClick(button, Qt::LeftButton);
        });
        pressKey(Qt::Key_F3, Qt::ControlModifier);
        EXPECT_EQ(sizeSeen, sizeDialog) << intZoomIns;
        EXPECT_EQ(rectSeen, rectOk) << intZoomIns;
        window.reset();
    }
}

TEST_F(ZoomTest, GrownWindowStaysOnTheScreen) {
    start();
    const QRect rectScreen = window->screen()->availableGeometry();
    ASSERT_TRUE(rectScreen.contains(window->frameGeometry())) << "starts centred";
    // 125 %: 741 x 540 pixels, which still fit on the test screen but not where the window
    // was centred at 100 %.
    zoomIn();
    ASSERT_LE(window->frameGeometry().width(), rectScreen.width());
    EXPECT_TRUE(rectScreen.contains(window->frameGeometry()));
    // Larger than the screen: the top-left corner stays on it.
    zoomIn();
    zoomIn();
    EXPECT_EQ(window->frameGeometry().topLeft(), rectScreen.topLeft());
}
