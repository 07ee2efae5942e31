// The four dialogs as the main window opens them: through the "Custom" button, the menu items and
// their shortcuts; what each dialog leaves behind in the window (title, interval line, picture)
// once it has closed; and that every opening ends with the dialog destroyed.

#include "FormAbout.h"
#include "FormCustomScale.h"
#include "FormFretboardSetup.h"
#include "FormKeyboardSetup.h"
#include "Globals.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace {

constexpr int kPictureWidthTwips = 8655;
constexpr const char* kIonian = "1,2,3,4,5,6,7";
constexpr const char* kMinorTriad = "1,b3,5";

// The three ways of leaving a dialog without confirming it.
enum class Dismissal { CancelButton, EscapeKey, CloseButton };

std::string dismissalName(Dismissal how) {
    switch (how) {
    case Dismissal::CancelButton:
        return "CancelButton";
    case Dismissal::EscapeKey:
        return "EscapeKey";
    case Dismissal::CloseButton:
        return "CloseButton";
    }
    return "Unknown";
}

std::string dismissalTestName(const ::testing::TestParamInfo<Dismissal>& info) {
    return dismissalName(info.param);
}

void PrintTo(Dismissal how, std::ostream* out) {
    *out << dismissalName(how);
}

template <typename T> T* control(const QWidget& dialog, const char* strName) {
    auto* found = dialog.findChild<T*>(QString::fromLatin1(strName));
    EXPECT_NE(found, nullptr) << "no control " << strName << " in "
                              << dialog.windowTitle().toStdString();
    return found;
}

void click(const QWidget& dialog, const char* strName) {
    auto* button = control<QAbstractButton>(dialog, strName);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void dismiss(QDialog& dialog, Dismissal how) {
    switch (how) {
    case Dismissal::CancelButton:
        click(dialog, "BtnCancel");
        break;
    case Dismissal::EscapeKey: {
        QWidget* focus = dialog.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &dialog, Qt::Key_Escape);
        break;
    }
    case Dismissal::CloseButton:
        dialog.close();
        break;
    }
}

// Walks a drop-down list with the arrow keys, as a user would, until it shows strCaption.
void chooseWithKeys(const QWidget& dialog, const char* strCombo, const QString& strCaption) {
    auto* combo = control<QComboBox>(dialog, strCombo);
    ASSERT_NE(combo, nullptr);
    const int intTarget = combo->findText(strCaption);
    ASSERT_GE(intTarget, 0) << "no entry " << strCaption.toStdString() << " in " << strCombo;
    combo->setFocus();
    for (int i = 0; i < combo->count() && combo->currentIndex() != intTarget; ++i) {
        QTest::keyClick(combo, combo->currentIndex() < intTarget ? Qt::Key_Down : Qt::Key_Up);
    }
    ASSERT_EQ(combo->currentText(), strCaption);
}

// Replaces the typed name the way a user does: select all, then type over it.
void typeName(const QWidget& dialog, const QString& strName) {
    auto* edit = control<QLineEdit>(dialog, "TextScaleName");
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, strName);
    ASSERT_EQ(edit->text(), strName);
}

// In the custom-scale dialog: b3 then 5 on top of the root, named strName.
void buildMinorTriad(const QWidget& dialog, const QString& strName) {
    chooseWithKeys(dialog, "ComboNext", "Minor Third (b3)");
    click(dialog, "BtnAdd");
    chooseWithKeys(dialog, "ComboNext", "(Perfect) Fifth (5)");
    click(dialog, "BtnAdd");
    EXPECT_EQ(control<QLineEdit>(dialog, "TextScale")->text(), kMinorTriad);
    typeName(dialog, strName);
}

// Counts the dark horizontal lines that a pixel column just right of the sixth fret crosses.
// There no marker (centred in the fret space) or fret number (further right) reaches, so every
// line met is a string, right- or left-handed.
int countStringLines(const QImage& image) {
    // The board is 12 frets of 550 twips, centred: its sixth fret sits at 1028 + 6 * 550.
    const int intColumnTwips = 1028 + 6 * 550 + 60;
    const int x = image.width() * intColumnTwips / kPictureWidthTwips;
    int intLines = 0;
    bool boolInLine = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool boolDark = qGray(image.pixel(x, y)) < 100;
        if (boolDark && !boolInLine) {
            ++intLines;
        }
        boolInLine = boolDark;
    }
    return intLines;
}

int dialogsAlive() {
    int intCount = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(widget) != nullptr) {
            ++intCount;
        }
    }
    return intCount;
}

} // namespace

// Readable texts in failure messages.
void PrintTo(const QString& str, std::ostream* out) {
    *out << '"' << str.toStdString() << '"';
}

// What the main window shows of its state.
struct WindowView {
    QString strCaption;
    QString strTitle;
    QString strScale;
    QImage picture;
};

class DialogWiring : public WindowFixture {
  protected:
    QImage picture() const { return window->Picture().surface().image().copy(); }

    WindowView view() const {
        return {window->windowTitle(), child<QLineEdit>("TextTitle")->text(),
                child<QLineEdit>("TextScale")->text(), picture()};
    }

    void expectUnchanged(const WindowView& before) const {
        const WindowView after = view();
        EXPECT_EQ(after.strCaption, before.strCaption);
        EXPECT_EQ(after.strTitle, before.strTitle);
        EXPECT_EQ(after.strScale, before.strScale);
        EXPECT_EQ(pictureDifference(after.picture, before.picture), "");
    }

    QString title() const { return child<QLineEdit>("TextTitle")->text(); }
    QString intervals() const { return child<QLineEdit>("TextScale")->text(); }

    // A shortcut key pressed in the main window. The window system gives the focus back to the
    // owner when a dialog closes; the offscreen platform does not, so the test does it.
    void press(int intKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (QApplication::activeWindow() != window.get()) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        QTest::keyClick(window.get(), static_cast<Qt::Key>(intKey), modifiers);
    }

    void clickWindow(const char* strName) {
        auto* button = child<QPushButton>(strName);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Runs open(), which must show a modal Dialog owned by the window, hands the dialog to
    // drive() (which must close it), and returns when the opening handler has returned. The
    // dialog must be destroyed by then: every opening starts from a new one.
    template <typename Dialog>
    void openModal(const std::function<void()>& open, std::function<void(Dialog&)> drive) {
        struct Seen {
            bool boolShown = false;
            bool boolExpired = false;
            QPointer<QWidget> modal;
        };
        // Shared with the poll, which outlives this call if no dialog ever shows up.
        auto seen = std::make_shared<Seen>();
        QWidget* owner = window.get();
        whenModalShown([seen, owner, drive = std::move(drive)](QWidget* modal) {
            if (seen->boolExpired) {
                return;
            }
            seen->boolShown = true;
            seen->modal = modal;
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                EXPECT_EQ(dialog->parentWidget(), owner) << "the window must own the dialog";
                const QPoint offset =
                    dialog->frameGeometry().center() - owner->frameGeometry().center();
                EXPECT_LE(offset.manhattanLength(), 2) << "not centred on the main window";
                drive(*dialog);
            } else {
                ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
            }
            // A failed check inside drive() must not leave exec() waiting for ever.
            if (modal->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->reject();
                } else {
                    modal->close();
                }
            }
        });
        open();
        seen->boolExpired = true;
        EXPECT_TRUE(seen->boolShown) << "no modal " << Dialog::staticMetaObject.className();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(seen->modal.isNull()) << "the dialog outlived its opening";
        EXPECT_EQ(dialogsAlive(), 0);
    }

    void openCustomWithButton(std::function<void(FormCustomScale&)> drive) {
        openModal<FormCustomScale>([this] { clickWindow("BtnEdit"); }, std::move(drive));
    }
    void openCustomWithF12(std::function<void(FormCustomScale&)> drive) {
        openModal<FormCustomScale>([this] { press(Qt::Key_F12); }, std::move(drive));
    }
    void openFretboardSetup(std::function<void(FormFretboardSetup&)> drive) {
        openModal<FormFretboardSetup>([this] { press(Qt::Key_F2, Qt::ControlModifier); },
                                      std::move(drive));
    }
    void openKeyboardSetup(std::function<void(FormKeyboardSetup&)> drive) {
        openModal<FormKeyboardSetup>([this] { press(Qt::Key_F3, Qt::ControlModifier); },
                                     std::move(drive));
    }
};

// ---------------------------------------------------------------------------------------------
// Custom chord/scale

class CustomScaleWiring : public DialogWiring {};

TEST_F(CustomScaleWiring, OkRightAwayInstallsTheRootAloneUnderTheDefaultName) {
    start();
    ASSERT_EQ(title(), "C Ionian");
    const QImage before = picture();

    openCustomWithButton([](FormCustomScale& dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, "TextScaleName")->text(), "User-defined Scale");
        EXPECT_EQ(control<QLineEdit>(dialog, "TextScale")->text(), "1");
        click(dialog, "BtnOk");
    });

    EXPECT_EQ(title(), "C User-defined Scale");
    EXPECT_EQ(intervals(), "1");
    // Only the Cs are marked now.
    EXPECT_NE(pictureDifference(picture(), before), "");
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, "1", 0, 0)), "");
}

TEST_F(CustomScaleWiring, BuiltAndNamedScaleBecomesCurrentAndFollowsTheRoot) {
    start();
    auto* categories = child<QListWidget>("ListScaleCategory");
    auto* scales = child<QListWidget>("ListScale");
    ASSERT_EQ(categories->currentRow(), 0);
    ASSERT_EQ(scales->currentRow(), 0);
    const int intScaleCount = scales->count();

    openCustomWithButton([](FormCustomScale& dialog) {
        buildMinorTriad(dialog, "My Minor");
        click(dialog, "BtnOk");
    });

    // C minor triad: C, Eb, G.
    EXPECT_EQ(title(), "C My Minor");
    EXPECT_EQ(intervals(), kMinorTriad);
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, kMinorTriad, 0, 0)), "");
    // The custom scale lives beside the catalogue: the lists and the mode stay as they were.
    EXPECT_EQ(categories->currentRow(), 0);
    EXPECT_EQ(scales->currentRow(), 0);
    EXPECT_EQ(scales->count(), intScaleCount);
    EXPECT_EQ(window->Mode(), 0);
    EXPECT_FALSE(child<QFrame>("FrameChord")->isVisible());

    // A new root re-roots the custom scale, spelled in the new key: Eb minor is Eb, Gb, Bb.
    clickWindow("BtnPitch2");
    clickWindow("BtnPitchAdd1");
    EXPECT_EQ(title(), "Eb My Minor");
    EXPECT_EQ(intervals(), kMinorTriad);
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, kMinorTriad, 2, 2)), "");
}

TEST_F(CustomScaleWiring, InChordModeReplacesTheChordButKeepsTheChordControls) {
    start();
    press(Qt::Key_F9);
    ASSERT_EQ(window->Mode(), 1);
    ASSERT_TRUE(child<QFrame>("FrameChord")->isVisible());
    auto* triads = child<QListWidget>("ListTriad");
    const int intTriadRow = triads->currentRow();
    const QString strChordTitle = title();

    openCustomWithF12([](FormCustomScale& dialog) {
        buildMinorTriad(dialog, "My Minor");
        click(dialog, "BtnOk");
    });

    EXPECT_NE(title(), strChordTitle);
    EXPECT_EQ(title(), "C My Minor");
    EXPECT_EQ(intervals(), kMinorTriad);
    EXPECT_EQ(window->Mode(), 1);
    EXPECT_TRUE(child<QFrame>("FrameChord")->isVisible());
    EXPECT_EQ(triads->currentRow(), intTriadRow);

    // The root change re-roots the custom scale, not the chord the controls still show.
    const QImage onC = picture();
    clickWindow("BtnPitch1");
    EXPECT_EQ(title(), "D My Minor");
    EXPECT_EQ(intervals(), kMinorTriad);
    EXPECT_NE(pictureDifference(picture(), onC), "");
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, kMinorTriad, 1, 0)), "");
}

TEST_F(CustomScaleWiring, F12OpensTheSameDialogAndEveryOpeningStartsAfresh) {
    start();
    openCustomWithF12([](FormCustomScale& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Generate Custom Scale / Chord");
        buildMinorTriad(dialog, "My Minor");
        click(dialog, "BtnOk");
    });
    ASSERT_EQ(title(), "C My Minor");

    // Nothing of the first opening is left in the second: name, list and offered intervals.
    using Opener = std::function<void(std::function<void(FormCustomScale&)>)>;
    const std::array<Opener, 2> openers{[this](auto drive) { openCustomWithButton(drive); },
                                        [this](auto drive) { openCustomWithF12(drive); }};
    for (const Opener& open : openers) {
        open([](FormCustomScale& dialog) {
            EXPECT_EQ(control<QLineEdit>(dialog, "TextScaleName")->text(), "User-defined Scale");
            EXPECT_EQ(control<QLineEdit>(dialog, "TextScale")->text(), "1");
            const auto* next = control<QComboBox>(dialog, "ComboNext");
            EXPECT_EQ(next->count(), 15);
            EXPECT_EQ(next->currentText(), "Minor Second (b2)");
            click(dialog, "BtnCancel");
        });
    }
    EXPECT_EQ(title(), "C My Minor");
}

class CustomScaleDismissal : public CustomScaleWiring,
                             public ::testing::WithParamInterface<Dismissal> {};

TEST_P(CustomScaleDismissal, LeavesTheWindowAsItWas) {
    start();
    const WindowView before = view();
    const Dismissal how = GetParam();

    openCustomWithButton([how](FormCustomScale& dialog) {
        buildMinorTriad(dialog, "My Minor");
        dismiss(dialog, how);
    });

    expectUnchanged(before);
    // The catalogue scale is still the current one: a new root re-roots C Ionian to D Ionian.
    clickWindow("BtnPitch1");
    EXPECT_EQ(title(), "D Ionian");
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, kIonian, 1, 0)), "");
}

INSTANTIATE_TEST_SUITE_P(AllWays, CustomScaleDismissal,
                         ::testing::Values(Dismissal::CancelButton, Dismissal::EscapeKey,
                                           Dismissal::CloseButton),
                         dismissalTestName);

// ---------------------------------------------------------------------------------------------
// Fretboard setup

class FretboardSetupWiring : public DialogWiring {};

TEST_F(FretboardSetupWiring, LefthandOkRedrawsTheBoardMirrored) {
    start();
    const QImage before = picture();

    openFretboardSetup([](FormFretboardSetup& dialog) {
        auto* lefthand = control<QCheckBox>(dialog, "CheckLeftHand");
        ASSERT_FALSE(lefthand->isChecked());
        QTest::mouseClick(lefthand, Qt::LeftButton, {}, QPoint(4, lefthand->height() / 2));
        ASSERT_TRUE(lefthand->isChecked());
        click(dialog, "BtnOK");
    });

    EXPECT_TRUE(Globals::LeftHand());
    EXPECT_EQ(title(), "C Ionian");
    EXPECT_NE(pictureDifference(picture(), before), "");
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, kIonian, 0, 0)), "");
}

TEST_F(FretboardSetupWiring, SevenThenFourStringsDrawsFourStrings) {
    start();
    ASSERT_EQ(countStringLines(picture()), 6);

    openFretboardSetup([](FormFretboardSetup& dialog) {
        chooseWithKeys(dialog, "ComboStrings", "7-stringed Instrument");
        EXPECT_TRUE(control<QComboBox>(dialog, "ComboString6")->isEnabled());
        chooseWithKeys(dialog, "ComboStrings", "4-stringed Instrument");
        EXPECT_FALSE(control<QComboBox>(dialog, "ComboString4")->isEnabled());
        click(dialog, "BtnOK");
    });

    EXPECT_EQ(Globals::NumberOfStrings(), 4);
    EXPECT_EQ(countStringLines(picture()), 4);
    // Four strings tuned to C: the open strings and twelfth frets are roots.
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, kIonian, 0, 0)), "");
}

class FretboardSetupDismissal : public FretboardSetupWiring,
                                public ::testing::WithParamInterface<Dismissal> {};

TEST_P(FretboardSetupDismissal, KeepsTheSettingsButStillRedraws) {
    start();
    const WindowView before = view();
    const Dismissal how = GetParam();

    // Changes made in the dialog and then abandoned reach neither the settings nor the picture.
    openFretboardSetup([how](FormFretboardSetup& dialog) {
        QTest::mouseClick(control<QCheckBox>(dialog, "CheckLeftHand"), Qt::LeftButton, {},
                          QPoint(4, 8));
        chooseWithKeys(dialog, "ComboStrings", "4-stringed Instrument");
        dismiss(dialog, how);
    });
    EXPECT_FALSE(Globals::LeftHand());
    EXPECT_EQ(Globals::NumberOfStrings(), 6);
    expectUnchanged(before);

    // A setting changed behind the window's back shows only once the window redraws, which
    // closing the dialog does even without OK.
    Globals::setShowTuning(false);
    ASSERT_EQ(pictureDifference(picture(), before.picture), "");
    openFretboardSetup([how](FormFretboardSetup& dialog) {
        EXPECT_FALSE(control<QCheckBox>(dialog, "CheckShowTuning")->isChecked());
        dismiss(dialog, how);
    });
    EXPECT_NE(pictureDifference(picture(), before.picture), "");
    EXPECT_EQ(pictureDifference(picture(), renderScale(1, kIonian, 0, 0)), "");
}

INSTANTIATE_TEST_SUITE_P(AllWays, FretboardSetupDismissal,
                         ::testing::Values(Dismissal::CancelButton, Dismissal::EscapeKey,
                                           Dismissal::CloseButton),
                         dismissalTestName);

// ---------------------------------------------------------------------------------------------
// Keyboard setup

class KeyboardSetupWiring : public DialogWiring {
  protected:
    void startOnKeyboard() {
        start();
        press(Qt::Key_F3);
        ASSERT_EQ(window->CurrentInstrument(), 2);
    }
};

TEST_F(KeyboardSetupWiring, ShowIntervalsOkAddsTheCodesToThePicture) {
    startOnKeyboard();
    const QImage before = picture();

    openKeyboardSetup([](FormKeyboardSetup& dialog) {
        auto* intervalsBox = control<QCheckBox>(dialog, "CheckShowInterval");
        ASSERT_FALSE(intervalsBox->isChecked());
        QTest::mouseClick(intervalsBox, Qt::LeftButton, {}, QPoint(4, intervalsBox->height() / 2));
        ASSERT_TRUE(intervalsBox->isChecked());
        click(dialog, "BtnOK");
    });

    EXPECT_TRUE(Globals::ShowIntervals());
    EXPECT_EQ(window->CurrentInstrument(), 2);
    EXPECT_NE(pictureDifference(picture(), before), "");
    EXPECT_EQ(pictureDifference(picture(), renderScale(2, kIonian, 0, 0)), "");
}

class KeyboardSetupDismissal : public KeyboardSetupWiring,
                               public ::testing::WithParamInterface<Dismissal> {};

TEST_P(KeyboardSetupDismissal, KeepsTheSettingsButStillRedraws) {
    startOnKeyboard();
    const WindowView before = view();
    const Dismissal how = GetParam();

    openKeyboardSetup([how](FormKeyboardSetup& dialog) {
        QTest::mouseClick(control<QCheckBox>(dialog, "CheckShowInterval"), Qt::LeftButton, {},
                          QPoint(4, 8));
        chooseWithKeys(dialog, "ComboOptions", "one octave lower");
        dismiss(dialog, how);
    });
    EXPECT_FALSE(Globals::ShowIntervals());
    EXPECT_EQ(Globals::KeyboardOctave(), 1);
    expectUnchanged(before);

    // Proof of the redraw: a setting changed directly appears after the dialog closes.
    Globals::setShowNoteNames(false);
    ASSERT_EQ(pictureDifference(picture(), before.picture), "");
    openKeyboardSetup([how](FormKeyboardSetup& dialog) { dismiss(dialog, how); });
    EXPECT_NE(pictureDifference(picture(), before.picture), "");
    EXPECT_EQ(pictureDifference(picture(), renderScale(2, kIonian, 0, 0)), "");
}

INSTANTIATE_TEST_SUITE_P(AllWays, KeyboardSetupDismissal,
                         ::testing::Values(Dismissal::CancelButton, Dismissal::EscapeKey,
                                           Dismissal::CloseButton),
                         dismissalTestName);

// ---------------------------------------------------------------------------------------------
// About

class AboutWiring : public DialogWiring {
  protected:
    // Opens the Help menu on the menu bar and clicks its only item, as a user would.
    void openFromHelpMenu(std::function<void(FormAbout&)> drive) {
        openModal<FormAbout>(
            [this] {
                QMenuBar* bar = window->menuBar();
                auto* help = child<QMenu>("mnuHelp");
                auto* about = child<QAction>("mnuAbout");
                ASSERT_TRUE(help != nullptr && about != nullptr);
                QTest::mouseClick(bar, Qt::LeftButton, {},
                                  bar->actionGeometry(help->menuAction()).center());
                ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
                QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(about).center());
            },
            std::move(drive));
    }
};

TEST_F(AboutWiring, OpensTwiceFromTheHelpMenuAndChangesNothing) {
    start();
    const WindowView before = view();

    QStringList firstTexts;
    for (int intOpening = 1; intOpening <= 2; ++intOpening) {
        QStringList texts;
        openFromHelpMenu([&texts](FormAbout& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "About");
            EXPECT_EQ(control<QLabel>(dialog, "LabelVersion")->text(), "Gamutrix Lite 1.3a1");
            texts << control<QLabel>(dialog, "LabelCopy")->text()
                  << control<QLineEdit>(dialog, "TextURL")->text()
                  << control<QPlainTextEdit>(dialog, "TextLicense")->toPlainText();
            dismiss(dialog, Dismissal::EscapeKey);
        });
        if (intOpening == 1) {
            firstTexts = texts;
        } else {
            EXPECT_EQ(texts, firstTexts) << "the second opening shows other texts";
        }
        expectUnchanged(before);
    }
    EXPECT_EQ(firstTexts.size(), 3);
}
