// Display -> Tuning and "Remember the instrument setup" as the user meets them in the window.

#include "Globals.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QMenu>
#include <QSettings>

constexpr const char* kOnFretboard = "C Ionian [1,2,3,4,5,6,7] bold C; fretboard; mode 0; rows 0/0";

class TuningMenuTest : public WindowFixture {
  protected:
    // Preferences in a folder of this test alone, so tests running at the same time in other
    // processes never see them.
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferencesDir.path());
    }

    // The strings as the settings hold them, string 1 first: "E5 B4 G4 D4 A3 E3".
    static QString strings() {
        QStringList names;
        for (int i = 1; i <= Globals::NumberOfStrings(); ++i) {
            names << QString::fromStdString(Globals::Tuning(i)->getNoteName(true));
        }
        return names.join(' ');
    }

    // The object names of the checked presets, without the "mnuTuning" prefix.
    QStringList marked() const {
        QStringList names;
        for (const QAction* action : child<QMenu>("mnuTuning")->actions()) {
            if (action->isChecked()) {
                names << action->objectName().mid(9);
            }
        }
        return names;
    }

    void choose(const char* strAction) const { child<QAction>(strAction)->trigger(); }

    // Opens the fretboard setup from the menu, runs steps on it and confirms (or cancels).
    void setUpFretboard(const std::function<void(QWidget*)>& steps, const char* strClose) {
        whenModalShown([steps, strClose](QWidget* modal) {
            steps(modal);
            QTest::mouseClick(modal->findChild<QWidget*>(strClose), Qt::LeftButton, {}, {4, 8});
        });
        choose("mnuFretboardSetup");
    }
    static void pick(QWidget* modal, const QString& strList, const QString& strText) {
        auto* combo = modal->findChild<QComboBox*>(strList);
        ASSERT_NE(combo, nullptr) << strList.toStdString();
        combo->setCurrentIndex(combo->findText(strText));
    }

    // A new window as at the next start of the program.
    void restart() {
        window.reset();
        Globals::setShowTuning(false); // a stale setting that start-up must not keep
        start();
    }

    QString preferencesFile() const { return QSettings().fileName(); }

    QTemporaryDir preferencesDir;
};

TEST_F(TuningMenuTest, TheSubmenuFollowsTheSetupItemsGroupedByInstrument) {
    start();
    QStringList items;
    for (const QAction* action : child<QMenu>("mnuDisplay")->actions()) {
        items << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(items, (QStringList{"Fretboard", "Keyboard", "-", "Fretboard Setup", "Keyboard Setup",
                                  "-", "Tuning", "Remember the instrument setup", "-", "Zoom In",
                                  "Zoom Out", "Actual Size"}));
    // Grouped by instrument: each preset as the first letter of its caption, "-" a separator.
    QString strGroups;
    QStringList presets;
    for (const QAction* action : child<QMenu>("mnuTuning")->actions()) {
        strGroups += action->isSeparator() ? '-' : action->text()[0];
        presets << action->text();
    }
    EXPECT_EQ(strGroups, "GGGGGGGGGG-BBB-UU-M-V-V-C");
    // The instrument before the name where it has several tunings.
    for (const char* strCaption :
         {"Guitar: Half Step Down (Eb Ab Db Gb Bb Eb)", "Bass: 6-String (B E A D G C)",
          "Ukulele: Standard (G C E A)", "Mandolin (G D A E)", "Cello (C G D A)"}) {
        EXPECT_TRUE(presets.contains(strCaption)) << strCaption;
    }
    // The defaults are the standard guitar; nothing is remembered unless asked.
    EXPECT_EQ(marked(), QStringList{"GuitarStandard"});
    EXPECT_FALSE(child<QAction>("mnuRememberSetup")->isChecked());
    EXPECT_TRUE(child<QAction>("mnuRememberSetup")->isCheckable());
}

TEST_F(TuningMenuTest, APresetSetsTheStringsRedrawsAndShowsInTheSetupDialog) {
    start();
    const QImage before = shownPicture();
    choose("mnuTuningBassFiveString");
    EXPECT_EQ(Globals::NumberOfStrings(), 5);
    EXPECT_EQ(strings(), "G3 D3 A2 E2 B1");
    EXPECT_NE(pictureDifference(shownPicture(), before), "");
    expectShows(kOnFretboard);
    EXPECT_EQ(marked(), QStringList{"BassFiveString"});

    // The dialog opened afterwards shows the preset; Cancel keeps it.
    setUpFretboard(
        [](QWidget* modal) {
            EXPECT_EQ(modal->findChild<QComboBox*>("ComboStrings")->currentText(),
                      "5-stringed Instrument");
            QStringList shown;
            for (int i = 0; i < 7; ++i) {
                const auto* combo = modal->findChild<QComboBox*>(QString("ComboString%1").arg(i));
                shown << (combo->isEnabled() ? combo->currentText() : "off");
            }
            EXPECT_EQ(shown, (QStringList{"G", "D", "A", "E", "B", "off", "off"}));
        },
        "BtnCancel");
    EXPECT_EQ(strings(), "G3 D3 A2 E2 B1");
    EXPECT_EQ(marked(), QStringList{"BassFiveString"});

    // On the keyboard a preset changes the settings and still redraws the keyboard.
    pressKey(Qt::Key_F3);
    choose("mnuTuningUkuleleStandard");
    EXPECT_EQ(strings(), "A5 E5 C5 G5");
    expectShows("C Ionian [1,2,3,4,5,6,7] bold C; keyboard; mode 0; rows 0/0");
}

TEST_F(TuningMenuTest, TheMarkFollowsTheDialogAndPrefersTheLastChoice) {
    start();
    choose("mnuTuningViolin");
    EXPECT_EQ(marked(), QStringList{"Violin"});
    // Clicking the marked item again keeps it marked.
    choose("mnuTuningViolin");
    EXPECT_EQ(marked(), QStringList{"Violin"});

    // The top string to F: no preset has these strings.
    setUpFretboard([](QWidget* modal) { pick(modal, "ComboString0", "F"); }, "BtnOK");
    EXPECT_EQ(strings(), "F3 A3 D3 G3");
    EXPECT_EQ(marked(), QStringList());
    // Back to E: the violin again (the mandolin has the same strings but was not chosen).
    setUpFretboard([](QWidget* modal) { pick(modal, "ComboString0", "E"); }, "BtnOK");
    EXPECT_EQ(marked(), QStringList{"Violin"});

    // Drop D made by hand: six strings, all C after the count changes, then each string.
    setUpFretboard(
        [](QWidget* modal) {
            pick(modal, "ComboStrings", "6-stringed Instrument");
            const QStringList names{"E", "B", "G", "D", "A", "D"};
            for (int i = 0; i < 6; ++i) {
                pick(modal, QString("ComboString%1").arg(i), names[i]);
            }
        },
        "BtnOK");
    EXPECT_EQ(marked(), QStringList{"GuitarDropD"});
    // Viola strings by hand, the violin chosen last: the first of viola and cello.
    setUpFretboard(
        [](QWidget* modal) {
            pick(modal, "ComboStrings", "4-stringed Instrument");
            const QStringList names{"A", "D", "G", "C"};
            for (int i = 0; i < 4; ++i) {
                pick(modal, QString("ComboString%1").arg(i), names[i]);
            }
        },
        "BtnOK");
    EXPECT_EQ(marked(), QStringList{"Viola"});
}

TEST_F(TuningMenuTest, RememberedSetupComesBackAtTheNextStartAndOffForgetsIt) {
    start();
    choose("mnuRememberSetup");
    EXPECT_TRUE(child<QAction>("mnuRememberSetup")->isChecked());
    // The dialog's OK stores every string in octave 3, so the preset comes after it.
    setUpFretboard(
        [](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QWidget*>("CheckLeftHand"), Qt::LeftButton, {},
                              {4, 8});
        },
        "BtnOK");
    choose("mnuTuningViolin");
    ASSERT_TRUE(Globals::LeftHand());
    restart();
    EXPECT_TRUE(child<QAction>("mnuRememberSetup")->isChecked());
    EXPECT_EQ(strings(), "E6 A5 D5 G4");
    EXPECT_TRUE(Globals::LeftHand());
    EXPECT_TRUE(Globals::ShowTuning());
    EXPECT_EQ(marked(), QStringList{"Violin"}) << "not the mandolin with the same strings";
    expectShows(kOnFretboard);
    // The configuration file keeps its two lines.
    window->close();
    EXPECT_EQ(readFile("gamutrix.cfg"), QByteArray("instrument = 1\r\nmode = 0\r\n"));

    restart();
    choose("mnuRememberSetup"); // off
    EXPECT_FALSE(QSettings().childGroups().contains("InstrumentSetup"));
    restart();
    EXPECT_FALSE(child<QAction>("mnuRememberSetup")->isChecked());
    EXPECT_EQ(strings(), "E5 B4 G4 D4 A3 E3");
    EXPECT_FALSE(Globals::LeftHand());
    EXPECT_EQ(marked(), QStringList{"GuitarStandard"});
}

TEST_F(TuningMenuTest, WithoutRememberingTheNextStartIsOnTheDefaults) {
    start();
    choose("mnuTuningBassFourString");
    restart();
    EXPECT_EQ(strings(), "E5 B4 G4 D4 A3 E3");
    EXPECT_TRUE(Globals::ShowTuning());
    EXPECT_FALSE(QFile::exists(preferencesFile())) << "nothing written";
}

// A preferences file that is damaged or was edited by hand into nonsense starts on the defaults,
// and is replaced when the setup is remembered again.
TEST_F(TuningMenuTest, AnUnreadablePreferencesFileStartsOnTheDefaults) {
    const QByteArray kFiles[]{
        "[InstrumentSetup]\nremember=true\nstrings=9\ntuning=E5 B4 G4 D4 A3 E3 B2 E2 A1\n"
        "showTuning=true\nshowFretNumbers=true\ndisplayIntervals=true\nleftHand=false\n",
        "[InstrumentSetup]\nremember=true\nstrings=4\ntuning=G3 D3 A2\n",
        QByteArray("\x00\xff\xfe[[[remember\x01=\n\n\x80", 15),
        QByteArray(),
    };
    for (const QByteArray& bytes : kFiles) {
        QDir().mkpath(QFileInfo(preferencesFile()).path());
        QFile file(preferencesFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        Globals::setNumberOfStrings(4);
        start();
        EXPECT_EQ(strings(), "E5 B4 G4 D4 A3 E3") << bytes.toStdString();
        EXPECT_FALSE(Globals::LeftHand());
        expectShows(kOnFretboard);
        // Remembering works again from here on.
        child<QAction>("mnuRememberSetup")->setChecked(true);
        choose("mnuTuningBassFourString");
        restart();
        EXPECT_EQ(strings(), "G3 D3 A2 E2") << bytes.toStdString();
        window.reset();
    }
}
