// The zoom of the main window: its keys and steps, the window, picture, overlays, clicks and saved
// bitmap at 200 %, the natural size unchanged pixel for pixel, and the zoom remembered between runs
// outside the configuration file.

#include "WindowFixture.h"

#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <map>

namespace {

class ZoomTest : public WindowFixture {
  protected:
    void SetUp() override { QSettings().clear(); }
    void zoom(int intKey, int intTimes = 1) const {
        for (int i = 0; i < intTimes; ++i) {
            pressKey(intKey, Qt::ControlModifier);
        }
    }
};

TEST_F(ZoomTest, KeysWalkTheStepsAndTheEndsGreyTheirItems) {
    start();
    // The percent, then whether Zoom In, Zoom Out and Actual Size are enabled.
    const auto state = [this] {
        QString strState = QString::number(window->Zoom().percent()) + " ";
        for (const char* strItem : {"mnuZoomIn", "mnuZoomOut", "mnuActualSize"}) {
            strState += child<QAction>(strItem)->isEnabled() ? "1" : "0";
        }
        return strState.toStdString();
    };
    EXPECT_EQ(state(), "100 100");
    // Ctrl with "=" or "+" zooms in, with "-" out, with "0" back to the natural size; the steps
    // themselves are pinned by the zoom level's tests.
    for (const auto& [intKey, intTimes, strAfter] :
         std::initializer_list<std::tuple<int, int, const char*>>{{Qt::Key_Plus, 1, "125 111"},
                                                                  {Qt::Key_Equal, 5, "300 011"},
                                                                  {Qt::Key_Minus, 1, "250 111"},
                                                                  {Qt::Key_0, 1, "100 100"}}) {
        zoom(intKey, intTimes);
        EXPECT_EQ(state(), strAfter) << intKey;
    }
}

TEST_F(ZoomTest, TwoHundredPercentDoublesControlsDialogsPictureOverlaysClicksAndSaving) {
    start();
    const QRect rectScreen = window->screen()->availableGeometry();
    pressKey(Qt::Key_F9); // the chord frame's controls too
    std::map<QWidget*, std::pair<QRect, qreal>> collBefore;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        collBefore[widget] = {widget->geometry(), widget->font().pointSizeF()};
    }
    zoom(Qt::Key_Equal, 3);
    // Every font; every control laid out on the client area, in the chord frame or in a row of
    // options.
    const QStringList collLayouts{"ClientArea", "FrameChord", "Picture1",
                                  "Picture2",   "Picture3",   "Picture4"};
    for (const auto& [widget, before] : collBefore) {
        const std::string strName = widget->objectName().toStdString();
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), 2 * before.second) << strName;
        if (collLayouts.contains(widget->parentWidget()->objectName())) {
            EXPECT_EQ(widget->geometry(),
                      QRect(before.first.topLeft() * 2, before.first.size() * 2))
                << strName;
        }
    }
    EXPECT_EQ(window->centralWidget()->width(), 1186) << "8895 twips";

    // The root C's marker (B string, fret 1: 1303, 1108 twips), sampled 60 twips up and left of
    // its centre, clear of the code: (1243, 1048) twips x 2 / 15.
    auto* box = child<PictureBox>("PicScaleInstrument");
    const QImage image = shownPicture();
    const qreal dblRatio = box->devicePixelRatioF();
    EXPECT_EQ(box->size(), QSize(1154, 450));
    EXPECT_EQ(image.size(), QSize(1154, 450) * dblRatio);
    EXPECT_EQ(image.pixelColor(QPoint(165, 139) * dblRatio), QColor(153, 0, 0));
    // An overlay marker of radius 150 at (1500, 1500) twips: 20 pixels round (200, 200).
    box->setOverlay(OverlayLayer::ChosenNotes, {{1500, 1500, 150, {0, 0, 0}, {0, 120, 0}}});
    EXPECT_EQ(box->grab().toImage().pixelColor(QPoint(214, 200) * dblRatio), QColor(0, 120, 0));
    QSignalSpy spy(box, &PictureBox::pictureClicked);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(100, 40));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0), (QList<QVariant>{750, 300}));

    // Ctrl+S saves the picture at the size shown, without the overlay, leaves no temporary file
    // and names the file it wrote.
    QString strMessage;
    answerMessage(strMessage);
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(strMessage, "GamutrixLite: " + path("guitar-c_.bmp") + " has been created!");
    EXPECT_EQ(entries(), QStringList{"guitar-c_.bmp"});
    EXPECT_EQ(pictureDifference(QImage(path("guitar-c_.bmp"), "BMP"), image), "");

    // Dialogs open at the window's zoom: keyboard setup, client 4695 x 1920 twips, doubled / 15.
    QSize sizeSeen;
    whenModalShown([&sizeSeen](QWidget* modal) {
        sizeSeen = modal->size();
        QTest::mouseClick(modal->findChild<QWidget*>("BtnCancel"), Qt::LeftButton);
    });
    pressKey(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(sizeSeen, QSize(626, 256));
    // Larger than the screen: the top-left corner stays on it.
    zoom(Qt::Key_Equal, 2);
    EXPECT_EQ(window->frameGeometry().topLeft(), rectScreen.topLeft());
}

// The chord frame's controls are made when chord mode first starts, here at 200 %: doubled twips
// / 15 in the frame (ListTriad 120, 480, 1455 x 1035; sus4 4680, 720, 1935 x 255), the window's
// font doubled, the 8.25 pt bold headings too.
TEST_F(ZoomTest, ChordFrameMadeAfterZoomingIsZoomed) {
    start();
    zoom(Qt::Key_Equal, 3);
    pressKey(Qt::Key_F9);
    EXPECT_EQ(child<QWidget>("ListTriad")->geometry(), QRect(16, 64, 194, 138));
    EXPECT_EQ(child<QWidget>("ChkSus4")->geometry(), QRect(624, 96, 258, 34));
    EXPECT_TRUE(child<QWidget>("ChkSus4")->isVisible());
    for (const char* strName : {"ListTriad", "ChkSus4", "OptFifth2"}) {
        EXPECT_DOUBLE_EQ(child<QWidget>(strName)->font().pointSizeF(),
                         2 * QApplication::font().pointSizeF())
            << strName;
    }
    EXPECT_DOUBLE_EQ(child<QWidget>("Label1")->font().pointSizeF(), 16.5);
}

TEST_F(ZoomTest, NaturalSizeIsPixelIdenticalAfterZooming) {
    const auto drive = [this] {
        clickControl("BtnPitch4");
        clickControl("BtnPitchAdd1");
        pressKey(Qt::Key_F9);
        clickControl("BtnPitch1");
    };
    start();
    drive();
    const QImage imageNeverZoomed = window->grab().toImage();
    window.reset();
    start();
    zoom(Qt::Key_Equal, 2);
    drive();
    zoom(Qt::Key_0);
    EXPECT_EQ(pictureDifference(window->grab().toImage(), imageNeverZoomed), "");
}

TEST_F(ZoomTest, RememberedOnCloseButNotInTheConfigurationFile) {
    // A user who ends at the natural size stores nothing.
    start();
    zoom(Qt::Key_Equal);
    zoom(Qt::Key_0);
    window->close();
    EXPECT_FALSE(QSettings().contains("display/zoomPercent"));

    start();
    zoom(Qt::Key_Equal, 2);
    pressKey(Qt::Key_F3);
    window->close();
    EXPECT_EQ(readFile("gamutrix.cfg"), "instrument = 2\r\nmode = 0\r\n");
    start();
    EXPECT_EQ(window->Zoom().percent(), 150);
    EXPECT_EQ(window->Picture().size(), QSize(866, 338)) << "577 x 225 times 1.5, rounded";
}

} // namespace
