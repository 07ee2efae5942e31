// The Play menu on the window: where it sits and its keys, what it says without a SoundFont or an
// audio output, the remembered tempo and sound, the highlight while a note sounds, marker clicks,
// and File → Export MIDI.

#include "Globals.h"
#include "PlayController.h"
#include "PullingOutput.h"
#include "WindowFixture.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QSettings>

namespace {

class PlayTest : public WindowFixture {
  protected:
    void SetUp() override {
        QSettings().clear();
        Globals::setDefaultSettings();
    }
    PlayController& controller() const { return window->Player(); }
    QAction* action(const char* strName) const { return child<QAction>(strName); }
};

TEST_F(PlayTest, WithoutSoundFontOrOutputTheActionsSayWhy) {
    for (const auto& [boolFont, strWhy] : std::initializer_list<std::pair<bool, QString>>{
             {false, "No General MIDI SoundFont found: install timgm6mb-soundfont"},
             {true, "No audio output found"}}) {
        start();
        if (!boolFont) {
            controller().setSoundFontCandidates({});
        }
        controller().playerOptions().collAudioDrivers.clear();
        QElapsedTimer timer;
        timer.start();
        pressKey(Qt::Key_F11);
        EXPECT_LT(timer.elapsed(), 100) << "the key must not wait for loading";
        EXPECT_TRUE(QTest::qWaitFor([this] { return !action("mnuPlayScale")->isEnabled(); }));
        for (const char* strAction : {"mnuPlayScale", "mnuStop"}) {
            EXPECT_FALSE(action(strAction)->isEnabled()) << strAction;
            EXPECT_EQ(action(strAction)->toolTip(), strWhy) << strAction;
            EXPECT_EQ(action(strAction)->statusTip(), strWhy) << strAction;
        }
        // Tempo and the export need no sound.
        EXPECT_TRUE(action("mnuTempo")->isEnabled());
        EXPECT_TRUE(action("MnuExportMidi")->isEnabled());
        window.reset();
    }
}

// A key used twice would answer neither item. (The keys themselves are pressed by the tests of
// what they do.)
TEST_F(PlayTest, NoKeyIsUsedTwiceAndTempoAndSoundAreRemembered) {
    start();
    QList<QKeySequence> collTaken;
    for (QAction* item : window->findChildren<QAction*>()) {
        for (const QKeySequence& key : item->shortcuts()) {
            EXPECT_FALSE(collTaken.contains(key)) << key.toString().toStdString();
            collTaken << key;
        }
    }

    whenModalShown([](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        EXPECT_EQ(dialog->intValue(), 100);
        dialog->setIntValue(180);
        dialog->accept();
    });
    action("mnuTempo")->trigger();
    action("mnuSoundPiano")->trigger();
    window.reset();
    start();
    // The menu marks the sound when it opens.
    controller().playerOptions().collAudioDrivers.clear();
    emit child<QMenu>("mnuPlay")->aboutToShow();
    EXPECT_TRUE(action("mnuSoundPiano")->isChecked());
    whenModalShown([](QWidget* modal) {
        EXPECT_EQ(qobject_cast<QInputDialog*>(modal)->intValue(), 180);
        qobject_cast<QInputDialog*>(modal)->reject();
    });
    action("mnuTempo")->trigger();
}

TEST_F(PlayTest, SoundingNoteIsHighlightedOverThePictureOnlyAndMarkersPlay) {
    // A test puller for the output, at 240 beats a minute.
    QSettings().setValue("Sound/Tempo", 240);
    start();
    controller().playerOptions().openOutput = openPullingOutput;
    const QImage before = shownPicture();
    const auto highlighted = [this] {
        const auto& collMarkers = window->Picture().overlay(OverlayLayer::SoundingNote);
        return collMarkers.empty() ? OverlayMarker{} : collMarkers.front();
    };
    pressKey(Qt::Key_F11);
    // C Ionian on the guitar begins on the low E string at fret 8: x 1028 + 8 × 550 − 275.
    ASSERT_TRUE(QTest::qWaitFor([&] { return highlighted().x != 0; }));
    EXPECT_EQ(highlighted(), (OverlayMarker{5153, 2508, 150, kBlack, RgbColor{255, 204, 0}}));
    EXPECT_EQ(pictureDifference(shownPicture(), before), "") << "the picture has no highlight";
    // The highlight moves on with the notes: D next, at fret 10 of the same string.
    EXPECT_TRUE(QTest::qWaitFor([&] { return highlighted().x == 1028 + 10 * 550 - 275; }));
    pressKey(Qt::Key_F11, Qt::ShiftModifier);
    EXPECT_TRUE(window->Picture().overlay(OverlayLayer::SoundingNote).empty());
    // A click on a marker plays its note (which marker a click hits is pinned by the sound
    // tests): C on the B string at fret 1, at 1303, 1108 twips.
    QTest::mouseClick(&window->pictureBox(), Qt::LeftButton, {}, QPoint(1303, 1108) / 15);
    ASSERT_EQ(controller().lastSchedule().size(), 1U);
    EXPECT_EQ(controller().lastSchedule()[0].intMidiNote, 60);
}

// The file's bytes are pinned by the sound tests; here: the window's scale, instrument, mode and
// tempo reach it. Tempo, program and the first notes lie together at the start of the track:
// delta 0, then note-on 0x90 with velocity 100; a scale note lasts a beat (480 ticks: 83 60).
TEST_F(PlayTest, ExportMidiWritesWhatPlayWouldPlay) {
    start();
    QString strMessage;
    whenModalShown([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        EXPECT_EQ(dialog->selectedFiles(), QStringList{path("guitar-c_ionian.mid")});
        answerMessage(strMessage);
        // Typed as a user does: selectFile leaves the name box alone once the box has the focus.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("scale.mid");
        static_cast<QDialog*>(dialog)->accept();
    });
    action("MnuExportMidi")->trigger();
    EXPECT_EQ(strMessage, "GamutrixLite: " + path("scale.mid") + " has been created!");
    // C Ionian on the fretboard at 100 (600000 µs a beat) on the nylon guitar (program 24): C3
    // then D3, one beat each.
    const auto holds = [this](const char* strFile, const char* strHex) {
        return readFile(strFile).contains(QByteArray::fromHex(strHex));
    };
    EXPECT_TRUE(holds("scale.mid", "00ff51030927c0 00c018 00903064 8360803000 00903264"));
    // The keyboard in chord mode at 120 (500000 µs): the C major triad on the piano (program 0),
    // struck together.
    QSettings().setValue("Sound/Tempo", 120);
    pressKey(Qt::Key_F3);
    pressKey(Qt::Key_F9);
    answerMessage(strMessage);
    controller().exportMidiTo(path("chord.mid"));
    EXPECT_TRUE(holds("chord.mid", "00ff510307a120 00c000 00902464 00902864 00902b64"));
}

} // namespace
