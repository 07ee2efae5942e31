// Long random runs of user actions on the main window. After every action the window must agree
// with what the user did: the bold captions and the title's root with the root buttons pressed,
// the title with the scale row or custom scale chosen last (a chord's name is checked by the
// chord tests), one chord list selected at most.
//
// The seed is printed; GAMUTRIX_RANDOM_SEED and GAMUTRIX_RANDOM_ACTIONS replay or lengthen a run
// (the sanitizer run takes 20,000 actions).

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <array>
#include <deque>
#include <iostream>
#include <numeric>
#include <random>

namespace {

// Menu items that switch something, then those that open a modal window. "Exit" would end the run.
const QStringList kMenuItems =
    QString("mnuScalesMain mnuScalesSorted mnuScalesVarious mnuUserScales mnuChords mnuFretboard "
            "mnuKeyboard MnuSaveBitmap mnuCustomScale mnuFretboardSetup mnuKeyboardSetup mnuAbout")
        .split(' ');
constexpr std::size_t kSwitchingItems = 7;

int envNumber(const char* strName, int intDefault) {
    return qEnvironmentVariableIsSet(strName) ? qEnvironmentVariableIntValue(strName) : intDefault;
}

class RandomActions : public WindowFixture {
  protected:
    void run(uint64_t intSeed, long intActions) {
        std::cout << "[ random   ] seed " << intSeed << ", " << intActions << " actions\n";
        rng.seed(intSeed);
        start();
        // A scale row made current (by the user or the window) is what the title names; so is
        // the chord, once a chord control changed.
        auto* listScale = child<QListWidget>("ListScale");
        const auto scaleChosen = [this, listScale](int intRow) {
            source = intRow >= 0 ? Source::Scale : source;
            strName = intRow >= 0 ? listScale->item(intRow)->text() : strName;
        };
        scaleChosen(listScale->currentRow());
        QObject::connect(listScale, &QListWidget::currentRowChanged, window.get(), scaleChosen);
        for (QListWidget* list : child<QWidget>("FrameChord")->findChildren<QListWidget*>()) {
            QObject::connect(list, &QListWidget::currentRowChanged, window.get(),
                             [this](int intRow) { source = intRow >= 0 ? Source::Chord : source; });
        }
        for (auto* button : child<QWidget>("FrameChord")->findChildren<QAbstractButton*>()) {
            QObject::connect(button, &QAbstractButton::toggled, window.get(),
                             [this] { source = Source::Chord; });
        }
        for (intActionNr = 1; intActionNr <= intActions && strError.empty(); ++intActionNr) {
            std::string strAction;
            while ((strAction = randomAction()).empty()) {
            }
            collLast.push_back("\n  #" + std::to_string(intActionNr) + " " + strAction);
            collLast.size() > 20 ? collLast.pop_front() : void();
            checkInvariants();
        }
        EXPECT_EQ(strError, "") << "seed " << intSeed << ", action " << intActionNr - 1
                                << ", last actions:"
                                << std::accumulate(collLast.begin(), collLast.end(), std::string());
    }

    // For the short sequences that random runs found.
    std::string title() const { return child<QLineEdit>("TextTitle")->text().toStdString(); }

  private:
    enum class Source { Scale, Chord, Custom }; // what the title names

    template <typename N> int pick(N intCount) {
        return static_cast<int>(rng() % static_cast<uint64_t>(intCount));
    }
    // Keeps the first disagreement; the run stops after the action in which it showed.
    void expect(bool boolHolds, const std::string& strWhat) {
        strError = boolHolds || !strError.empty() ? strError : strWhat;
    }
    QString rootName() const {
        return QLatin1Char("CDEFGAB"[intLetter]) + QString("_#b").mid(intAccidental, 1).remove('_');
    }
    // True when a click at pos lands on target, not on something in front of it.
    static bool reachable(QWidget* target, const QPoint& pos) {
        QWidget* hit = target->window()->childAt(target->mapTo(target->window(), pos));
        return target->isVisible() && target->isEnabled() &&
               (hit == target || (hit != nullptr && target->isAncestorOf(hit)));
    }
    // Near the left end: on the indicator of a check box or option button.
    static QPoint clickPoint(QWidget* box) { return {box->height() / 2, box->height() / 2}; }

    // Draws again when an action is not possible now.
    std::string randomAction() {
        const int intDraw = pick(100);
        if (intDraw >= 80) {
            return actMenu(kMenuItems[pick(intDraw < 98 ? kSwitchingItems : kMenuItems.size())]);
        }
        // Anything the user can click: buttons and the visible rows of the lists.
        std::vector<std::pair<QWidget*, QPoint>> targets;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            targets.emplace_back(button, clickPoint(button));
        }
        for (QListWidget* list : window->findChildren<QListWidget*>()) {
            for (int intRow = 0; intRow < list->count(); ++intRow) {
                targets.emplace_back(list->viewport(),
                                     list->visualItemRect(list->item(intRow)).center());
            }
        }
        std::erase_if(targets,
                      [](const auto& target) { return !reachable(target.first, target.second); });
        return targets.empty() ? std::string()
                               : click(targets[static_cast<std::size_t>(pick(targets.size()))]);
    }

    // The root follows the root buttons clicked, except that C flat, E sharp, F flat and B sharp
    // are refused.
    std::string click(const std::pair<QWidget*, QPoint>& target) {
        QWidget* widget = target.first;
        const QPoint pos = target.second;
        // A list row is clicked on the list's viewport.
        const QString strTarget = widget->objectName().startsWith("qt_")
                                      ? widget->parentWidget()->objectName()
                                      : widget->objectName();
        const std::string strAction =
            "click " + strTarget.toStdString() + " at " + std::to_string(pos.y());
        // The custom scale dialog comes through the menu as well; mostly the button is skipped.
        if (strTarget == "BtnEdit") {
            return pick(8) != 0 ? std::string() : withModal([&] {
                QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
                return strAction;
            });
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
        const int intDigit = strTarget.back().digitValue();
        if (strTarget.startsWith("BtnPitchAdd")) {
            intAccidental = static_cast<int16_t>(intAccidental == intDigit + 1 ? 0 : intDigit + 1);
            if (QStringList{"Cb", "E#", "Fb", "B#"}.contains(rootName())) {
                intAccidental = 0;
            }
        } else if (strTarget.startsWith("BtnPitch")) {
            intLetter = static_cast<int16_t>(intDigit);
            intAccidental = 0;
        }
        return strAction;
    }

    // A menu item by its shortcut or triggered; what it switches is expected from then on.
    std::string actMenu(const QString& strItem) {
        QAction* action = window->findChild<QAction*>(strItem);
        intMode = strItem.startsWith("mnuScales") ? 0 : strItem == "mnuChords" ? 1 : intMode;
        const int intChosen = QStringList{"mnuFretboard", "mnuKeyboard"}.indexOf(strItem) + 1;
        intInstrument = intChosen > 0 ? intChosen : intInstrument;
        const auto choose = [&] {
            QWidget* focus = QApplication::focusWidget();
            const QKeySequence shortcut = action->shortcut();
            shortcut.isEmpty()
                ? action->trigger()
                : QTest::keyClick(focus != nullptr ? focus : window.get(), shortcut[0].key(),
                                  shortcut[0].keyboardModifiers());
            return strItem.toStdString() + " " + shortcut.toString().toStdString();
        };
        if (kMenuItems.indexOf(strItem) < static_cast<qsizetype>(kSwitchingItems)) {
            return choose();
        }
        const std::string strAction = withModal(choose);
        // The message names the file written into the program directory: the shown picture.
        const QString strPath = strSaveMessage.section(" has been created!", 0, 0);
        expect(
            strItem != "MnuSaveBitmap" ||
                (strPath.startsWith(programDir.path() + "/") &&
                 pictureDifference(QImage(strPath), window->Picture().surface().image()).empty()),
            "save: '" + strSaveMessage.toStdString() + "' or its picture is wrong");
        return strAction;
    }

    // Opens a modal window and plays it; it must come and go. The main window gets the focus
    // back, which the offscreen platform leaves to us.
    std::string withModal(const std::function<std::string()>& open) {
        auto strInside = std::make_shared<std::string>();
        whenModalShown([this, strInside](QWidget* modal) { *strInside = playModal(modal); });
        const std::string strAction = open();
        activate();
        expect(!strInside->empty() && QApplication::activeModalWidget() == nullptr,
               strAction + ": no modal window came, or it stayed open");
        return strAction + " [" + *strInside + "]";
    }

    // A few random steps on the dialog's check boxes, lists and buttons, then OK, Cancel or
    // Escape. A custom scale confirmed with OK is what the title names from then on.
    std::string playModal(QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        strSaveMessage = box != nullptr ? box->text() : QString();
        const auto controls = modal->findChildren<QWidget*>(
            QRegularExpression("^(Check|Combo|BtnAdd|BtnReset|BtnToggle)"));
        for (int intStep = pick(8); intStep > 0 && !controls.isEmpty(); --intStep) {
            QWidget* control = controls[pick(controls.size())];
            qobject_cast<QComboBox*>(control) != nullptr
                ? QTest::keyClick(control, pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up)
                : QTest::mouseClick(control, Qt::LeftButton, {}, clickPoint(control));
        }
        auto* ok = modal->findChildren<QPushButton*>(QRegularExpression("^BtnO[kK]$")).value(0);
        QWidget* closer = std::array<QWidget*, 3>{ok, modal->findChild<QPushButton*>("BtnCancel"),
                                                  nullptr}[static_cast<std::size_t>(pick(3))];
        auto* name = modal->findChild<QLineEdit*>("TextScaleName");
        if (closer == ok && name != nullptr) {
            source = Source::Custom;
            strName = name->text();
            strData = modal->findChild<QLineEdit*>("TextScale")->text();
        }
        closer != nullptr ? QTest::mouseClick(closer, Qt::LeftButton)
                          : QTest::keyClick(modal, Qt::Key_Escape);
        const std::string strLog =
            modal->metaObject()->className() +
            (closer == nullptr ? " Escape" : " " + closer->objectName()).toStdString();
        expect(!modal->isVisible(), strLog + ": the dialog stayed open");
        return strLog;
    }

    void checkInvariants() {
        for (auto* button : window->findChildren<QPushButton*>(QRegularExpression("^BtnPitch"))) {
            const int intDigit = button->objectName().back().digitValue();
            expect(button->font().bold() == (button->objectName().startsWith("BtnPitchAdd")
                                                 ? intAccidental == intDigit + 1
                                                 : intLetter == intDigit),
                   "bold " + button->objectName().toStdString());
        }
        expect(source != Source::Scale || intMode == 0, "a scale was chosen in chord mode");
        expect(child<QListWidget>("ListTriad")->selectedItems().isEmpty() ||
                   child<QListWidget>("ListQuadriad")->selectedItems().isEmpty(),
               "both chord lists selected");
        // A chord's name is the chord tests' business; here only its root counts.
        const QString strTitle = child<QLineEdit>("TextTitle")->text();
        const QString strShown = source == Source::Chord ? strTitle.section(' ', 0, 0) : strTitle;
        const QString strWanted = source == Source::Chord ? rootName() : rootName() + " " + strName;
        expect(strShown == strWanted,
               "title: '" + strShown.toStdString() + "', not '" + strWanted.toStdString() + "'");
        expect(source != Source::Custom || child<QLineEdit>("TextScale")->text() == strData,
               "interval line of the custom scale");
        expect(window->Mode() == intMode && window->CurrentInstrument() == intInstrument &&
                   child<QWidget>("FrameChord")->isVisible() == (intMode == 1),
               "mode " + std::to_string(window->Mode()) + ", instrument " +
                   std::to_string(window->CurrentInstrument()));
    }

    std::mt19937_64 rng;
    Source source = Source::Scale;
    QString strName, strData; // of what the title names (the data of a custom scale or chord)
    int intMode = 0, intInstrument = 1;
    int16_t intLetter = 0, intAccidental = 0;
    long intActionNr = 0;
    std::string strError;
    std::deque<std::string> collLast;
    QString strSaveMessage;
};

// From the first start: scale mode on the fretboard.
TEST_F(RandomActions, ThousandsOfActionsKeepTheWindowConsistent) {
    run(static_cast<uint64_t>(envNumber("GAMUTRIX_RANDOM_SEED", 20240611)),
        envNumber("GAMUTRIX_RANDOM_ACTIONS", 3000));
}

// A chord list without a current row must not pick one when it gets the focus back, here after
// a dialog: Qt's list views select their first row then, which turned C into Cmaj7#5.
TEST_F(RandomActions, RegainedFocusLeavesTheChordAlone) {
    start();
    auto* listQuadriad = child<QListWidget>("ListQuadriad");
    QTest::keyClick(window.get(), Qt::Key_F9);
    QTest::mouseClick(listQuadriad->viewport(), Qt::LeftButton, {},
                      listQuadriad->visualItemRect(listQuadriad->item(1)).center());
    // "Chords" again starts over on the major triad; the focus stays in the four-note list.
    QTest::keyClick(listQuadriad, Qt::Key_F9);
    ASSERT_EQ(QApplication::focusWidget(), listQuadriad);
    whenModalShown([](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); });
    window->findChild<QAction*>("mnuAbout")->trigger();
    activate();
    EXPECT_EQ(title(), "C ");
    EXPECT_EQ(listQuadriad->currentRow(), -1);
}

// In chord mode the scale lists lie behind the chord frame: one that had the focus when the user
// chose "Chords" must take no more arrow keys.
TEST_F(RandomActions, ScaleListBehindTheChordFrameTakesNoKeys) {
    start();
    auto* listScale = child<QListWidget>("ListScale");
    QTest::mouseClick(listScale->viewport(), Qt::LeftButton, {},
                      listScale->visualItemRect(listScale->item(1)).center());
    QTest::keyClick(listScale, Qt::Key_F9);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_NE(focus, listScale);
    QTest::keyClick(focus != nullptr ? focus : window.get(), Qt::Key_Down);
    EXPECT_EQ(listScale->currentRow(), 1);
}

} // namespace
