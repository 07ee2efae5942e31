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
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QSpinBox>

namespace {

class PlayTest : public WindowFixture {
  protected:
    void SetUp() override {
        QSettings().clear();
        Globals::setDefaultSettings();
    }
    void TearDown() override {
        WindowFixture::TearDown();
        QSettings().clear();
    }
    PlayController& controller() const { return window->Player(); }
    QAction* action(const char* strName) const { return child<QAction>(strName); }

    // Starts the window with a player whose output is a test puller, at 240 beats a minute.
    void startWithOutput() {
        QSettings().setValue("Sound/Tempo", 240);
        start();
        controller().playerOptions().openOutput = openPullingOutput;
    }

    // Runs the File → Export MIDI dialog, choosing strFileName, and returns the message shown.
    QString exportThroughMenu(const QString& strFileName, QString& strSuggested) {
        QString strMessage = "no message";
        whenModalShown([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            strSuggested = dialog->selectedFiles().value(0);
            whenModalShown([&strMessage](QWidget* box) {
                strMessage = qobject_cast<QMessageBox*>(box)->text();
                qobject_cast<QMessageBox*>(box)->accept();
            });
            dialog->selectFile(path(strFileName));
            static_cast<QDialog*>(dialog)->accept();
        });
        action("MnuExportMidi")->trigger();
        return strMessage;
    }
};

// Reads what a test needs from the file: tempo, program, and the keys of the note-on events.
struct MidiFacts {
    int intTempo = -1;
    int intProgram = -1;
    std::vector<int> collKeysOn;
};

MidiFacts readMidi(const QByteArray& bytes) {
    MidiFacts facts;
    int i = 22; // after the header chunk and the track chunk's header
    while (i + 3 < bytes.size()) {
        while (static_cast<uint8_t>(bytes[i]) & 0x80) {
            ++i; // delta time
        }
        ++i;
        const auto intStatus = static_cast<uint8_t>(bytes[i]);
        if (intStatus == 0xFF) {
            const auto intType = static_cast<uint8_t>(bytes[i + 1]);
            if (intType == 0x51) {
                facts.intTempo = (static_cast<uint8_t>(bytes[i + 3]) << 16) |
                                 (static_cast<uint8_t>(bytes[i + 4]) << 8) |
                                 static_cast<uint8_t>(bytes[i + 5]);
            }
            i += 3 + static_cast<uint8_t>(bytes[i + 2]);
        } else if (intStatus == 0xC0) {
            facts.intProgram = static_cast<uint8_t>(bytes[i + 1]);
            i += 2;
        } else {
            if (intStatus == 0x90) {
                facts.collKeysOn.push_back(static_cast<uint8_t>(bytes[i + 1]));
            }
            i += 3;
        }
    }
    return facts;
}

TEST_F(PlayTest, MenuSitsAfterDisplayWithFreeKeys) {
    start();
    QStringList collTitles;
    for (QAction* menu : window->menuBar()->actions()) {
        collTitles << menu->text();
    }
    EXPECT_EQ(collTitles.indexOf("Play"), collTitles.indexOf("Display") + 1);
    EXPECT_EQ(collTitles.last(), "Help");
    QStringList collPlay;
    for (QAction* item : child<QMenu>("mnuPlay")->actions()) {
        collPlay << item->text() +
                        (item->shortcut().isEmpty() ? "" : " " + item->shortcut().toString());
    }
    EXPECT_EQ(collPlay, QStringList({"Play F11", "Stop Shift+F11", "", "Tempo...", "Sound"}));
    controller().playerOptions().collAudioDrivers.clear();
    emit child<QMenu>("mnuPlay")->aboutToShow();
    QStringList collSound;
    for (QAction* item : child<QMenu>("mnuSound")->actions()) {
        collSound << item->text() + (item->isChecked() ? " *" : "");
    }
    EXPECT_EQ(collSound, QStringList({"Guitar", "Piano", "Follow the instrument *"}));
    QStringList collFile;
    for (QAction* item : child<QMenu>("mnuFile")->actions()) {
        collFile << item->text();
    }
    EXPECT_EQ(collFile, QStringList({"Save As Bitmap", "Export Picture...", "Export MIDI...", "",
                                     "Print...", "Print Preview...", "", "Exit"}));
    // No key is used twice, and none is a text editing key.
    QList<QKeySequence> collTaken;
    for (QAction* item : window->findChildren<QAction*>()) {
        if (!item->shortcut().isEmpty()) {
            EXPECT_FALSE(collTaken.contains(item->shortcut()))
                << item->shortcut().toString().toStdString();
            collTaken << item->shortcut();
        }
    }
    for (auto key : {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo,
                     QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Delete,
                     QKeySequence::Find, QKeySequence::Back, QKeySequence::Forward}) {
        for (const QKeySequence& sequence : QKeySequence::keyBindings(key)) {
            for (const char* strName : {"mnuPlayScale", "mnuStop"}) {
                EXPECT_NE(action(strName)->shortcut(), sequence) << strName;
            }
        }
    }
}

TEST_F(PlayTest, WithoutSoundFontOrOutputTheActionsSayWhy) {
    struct Row {
        const char* strName;
        bool boolFont;
        QString strWhy;
    };
    for (const Row& row :
         {Row{"no SoundFont", false, "No General MIDI SoundFont found: install timgm6mb-soundfont"},
          Row{"no audio output", true, "No audio output found"}}) {
        start();
        const QImage before = shownPicture();
        if (!row.boolFont) {
            controller().setSoundFontCandidates({});
        }
        controller().playerOptions().collAudioDrivers.clear();
        EXPECT_TRUE(action("mnuPlayScale")->isEnabled()) << row.strName;
        QElapsedTimer timer;
        timer.start();
        pressKey(Qt::Key_F11);
        EXPECT_LT(timer.elapsed(), 100) << row.strName << ": the key must not wait for loading";
        EXPECT_TRUE(QTest::qWaitFor([this] { return !action("mnuPlayScale")->isEnabled(); }))
            << row.strName;
        for (const char* strAction : {"mnuPlayScale", "mnuStop"}) {
            EXPECT_FALSE(action(strAction)->isEnabled()) << row.strName;
            EXPECT_EQ(action(strAction)->toolTip(), row.strWhy) << row.strName;
            EXPECT_EQ(action(strAction)->statusTip(), row.strWhy) << row.strName;
        }
        // Tempo, sound and the export need no sound.
        EXPECT_TRUE(action("mnuTempo")->isEnabled());
        EXPECT_TRUE(action("MnuExportMidi")->isEnabled());
        EXPECT_EQ(pictureDifference(shownPicture(), before), "") << row.strName;
        window.reset();
    }
}

TEST_F(PlayTest, TempoAndSoundAreRemembered) {
    start();
    whenModalShown([](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "DialogTempo");
        EXPECT_EQ(dialog->intValue(), 100);
        EXPECT_EQ(dialog->intMinimum(), 40);
        EXPECT_EQ(dialog->intMaximum(), 240);
        dialog->setIntValue(180);
        dialog->accept();
    });
    action("mnuTempo")->trigger();
    action("mnuSoundPiano")->trigger();
    window.reset();
    start();
    controller().playerOptions().collAudioDrivers.clear();
    emit child<QMenu>("mnuPlay")->aboutToShow();
    EXPECT_TRUE(action("mnuSoundPiano")->isChecked());
    EXPECT_FALSE(action("mnuSoundFollow")->isChecked());
    whenModalShown([](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        EXPECT_EQ(dialog->intValue(), 180);
        dialog->reject(); // cancelling keeps it
    });
    action("mnuTempo")->trigger();
    EXPECT_EQ(QSettings().value("Sound/Tempo").toInt(), 180);
    EXPECT_EQ(QSettings().value("Sound/Sound").toString(), "piano");
}

TEST_F(PlayTest, SoundingNoteIsHighlightedOverThePictureOnly) {
    startWithOutput();
    const QImage before = shownPicture();
    pressKey(Qt::Key_F11);
    // C Ionian on the guitar begins on the low E string at fret 8: x 1028 + 8 × 550 − 275.
    const OverlayMarker first{5153, 2508, 150, kBlack, RgbColor{255, 204, 0}};
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !window->Picture().overlay(OverlayLayer::SoundingNote).empty(); }));
    EXPECT_EQ(window->Picture().overlay(OverlayLayer::SoundingNote).front(), first);
    EXPECT_EQ(pictureDifference(shownPicture(), before), "")
        << "the saved picture has no highlight";
    // The highlight moves on with the notes (D next, at fret 10 of the same string).
    EXPECT_TRUE(QTest::qWaitFor([this] {
        return !window->Picture().overlay(OverlayLayer::SoundingNote).empty() &&
               window->Picture().overlay(OverlayLayer::SoundingNote).front().x ==
                   1028 + 10 * 550 - 275;
    }));
    pressKey(Qt::Key_F11, Qt::ShiftModifier);
    EXPECT_TRUE(window->Picture().overlay(OverlayLayer::SoundingNote).empty());
}

TEST_F(PlayTest, ClickingAMarkerPlaysItsNote) {
    startWithOutput();
    PictureBox* picture = child<PictureBox>("PicScaleInstrument");
    struct Row {
        const char* strName;
        bool boolLeftHand;
        QPoint ptPixels; // twips / 15
        int intExpected; // 0: nothing plays
    };
    // Beside the marker first, while nothing has played yet.
    for (const Row& row : {Row{"beside the marker, nothing", false, {100, 74}, 0},
                           Row{"C on the B string, fret 1", false, {87, 74}, 60},
                           Row{"left hand, C on the B string", true, {490, 74}, 60},
                           Row{"left hand, open high E", true, {527, 51}, 64}}) {
        Globals::setLeftHand(row.boolLeftHand);
        pressKey(Qt::Key_F2); // redraws the fretboard
        pressKey(Qt::Key_F11, Qt::ShiftModifier);
        QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, row.ptPixels);
        const auto& collLast = controller().lastSchedule();
        if (row.intExpected == 0) {
            EXPECT_TRUE(collLast.empty()) << row.strName;
        } else {
            ASSERT_EQ(collLast.size(), 1u) << row.strName;
            EXPECT_EQ(collLast[0].intMidiNote, row.intExpected) << row.strName;
        }
    }
}

TEST_F(PlayTest, ExportMidiWritesWhatPlayWouldPlay) {
    start();
    QString strSuggested;
    // C Ionian on the fretboard at 100: the nylon guitar from C at the eighth fret.
    EXPECT_EQ(exportThroughMenu("scale.mid", strSuggested),
              path("scale.mid") + " has been created!");
    EXPECT_EQ(strSuggested, path("guitar-c_ionian.mid"));
    const MidiFacts scale = readMidi(readFile("scale.mid"));
    EXPECT_EQ(scale.intTempo, 600000);
    EXPECT_EQ(scale.intProgram, 24);
    EXPECT_EQ(scale.collKeysOn,
              (std::vector<int>{48, 50, 52, 53, 55, 57, 59, 60, 59, 57, 55, 53, 52, 50, 48}));
    // The keyboard in chord mode at 120: the C major triad on the piano, together then upwards.
    QSettings().setValue("Sound/Tempo", 120);
    pressKey(Qt::Key_F3);
    pressKey(Qt::Key_F9);
    QString strMessage;
    whenModalShown([&strMessage](QWidget* box) {
        strMessage = qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QMessageBox*>(box)->accept();
    });
    controller().exportMidiTo(path("chord.mid"));
    EXPECT_EQ(strMessage, path("chord.mid") + " has been created!");
    const MidiFacts chord = readMidi(readFile("chord.mid"));
    EXPECT_EQ(chord.intTempo, 500000);
    EXPECT_EQ(chord.intProgram, 0);
    EXPECT_EQ(chord.collKeysOn, (std::vector<int>{36, 40, 43, 36, 40, 43}));
    // A file that cannot be written: the bitmap's message, and nothing left behind.
    whenModalShown([&strMessage](QWidget* box) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(box)->icon(), QMessageBox::Warning);
        strMessage = qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QMessageBox*>(box)->accept();
    });
    controller().exportMidiTo(path("no/such/dir/x.mid"));
    EXPECT_TRUE(strMessage.startsWith(path("no/such/dir/x.mid") + " could not be saved: "))
        << strMessage.toStdString();
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files).size(), 2);
}

} // namespace
