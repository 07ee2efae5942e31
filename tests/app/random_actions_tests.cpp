// Long random runs of user actions on the main window. After every action the window must agree
// with what the user did: the bold root captions and the title's root with the root buttons
// clicked, the title's name with the scale row or custom scale chosen last (a chord's name is the
// chord tests' business), the mode and instrument with the menu items chosen, and at most one
// chord list selected.
//
// The seed is printed; GAMUTRIX_RANDOM_SEED and GAMUTRIX_RANDOM_ACTIONS replay or lengthen a run
// (the sanitizer run takes 20,000 actions).

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRegularExpression>
#include <iostream>
#include <random>

namespace {

// Menu items that switch something, then those that open a modal window. "Exit" would end the run.
const QStringList kMenuItems =
    QString("mnuScalesMain mnuScalesSorted mnuScalesVarious mnuChords mnuFretboard mnuKeyboard "
            "MnuSaveBitmap mnuCustomScale mnuFretboardSetup mnuKeyboardSetup mnuAbout")
        .split(' ');
constexpr int kSwitchingItems = 6;

int envNumber(const char* strName, int intDefault) {
    return qEnvironmentVariableIsSet(strName) ? qEnvironmentVariableIntValue(strName) : intDefault;
}

class RandomActions : public WindowFixture {
  protected:
    int pick(qsizetype intCount) {
        return static_cast<int>(rng() % static_cast<uint64_t>(intCount));
    }

    // Clicks a visible, enabled button or list row that nothing covers, near its left end (on
    // the indicator of a check box). The root follows the root buttons, except that C flat, E
    // sharp, F flat and B sharp are refused.
    QString clickSomething() {
        std::vector<std::pair<QWidget*, QPoint>> targets;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            targets.emplace_back(button, QPoint(button->height() / 2, button->height() / 2));
        }
        for (QListWidget* list : window->findChildren<QListWidget*>()) {
            for (int intRow = 0; intRow < list->count(); ++intRow) {
                targets.emplace_back(list->viewport(),
                                     list->visualItemRect(list->item(intRow)).center());
            }
        }
        std::erase_if(targets, [](const auto& target) {
            const auto& [widget, pos] = target;
            QWidget* hit = widget->window()->childAt(widget->mapTo(widget->window(), pos));
            // The menu opens the custom scale dialog too, with its result followed.
            return !widget->isVisible() || !widget->isEnabled() || hit == nullptr ||
                   (hit != widget && !widget->isAncestorOf(hit)) ||
                   widget->objectName() == "BtnEdit";
        });
        const auto [widget, pos] = targets[static_cast<std::size_t>(pick(targets.size()))];
        QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
        const QString strTarget = widget->objectName().startsWith("qt_")
                                      ? widget->parentWidget()->objectName() // a list row
                                      : widget->objectName();
        const int intDigit = strTarget.back().digitValue();
        if (strTarget.startsWith("BtnPitch")) {
            const bool boolAdd = strTarget.startsWith("BtnPitchAdd");
            intLetter = boolAdd ? intLetter : intDigit;
            intAccidental = boolAdd && intAccidental != intDigit + 1 ? intDigit + 1 : 0;
            intAccidental =
                QStringList{"Cb", "E#", "Fb", "B#"}.contains(root()) ? 0 : intAccidental;
        }
        return "click " + strTarget + " at " + QString::number(pos.y());
    }
    QString root() const {
        return QString("CDEFGAB").mid(intLetter, 1) +
               QString("_#b").mid(intAccidental, 1).remove('_');
    }

    // A menu item by its shortcut, or triggered when it has none. A modal window it opens gets a
    // few random clicks and arrow keys, then OK, Cancel or Escape.
    QString chooseMenuItem(const QString& strItem) {
        auto* action = child<QAction>(qPrintable(strItem));
        intMode = strItem.startsWith("mnuScales") ? 0 : strItem == "mnuChords" ? 1 : intMode;
        const int intChosen = QStringList{"mnuFretboard", "mnuKeyboard"}.indexOf(strItem) + 1;
        intInstrument = intChosen > 0 ? intChosen : intInstrument;
        const bool boolModal = kMenuItems.indexOf(strItem) >= kSwitchingItems;
        QString strModal;
        if (boolModal) {
            whenModalShown([this, &strModal](QWidget* modal) { strModal = playModal(modal); });
        }
        QWidget* focus = QApplication::focusWidget();
        const QKeySequence shortcut = action->shortcut();
        shortcut.isEmpty() ? action->trigger()
                           : QTest::keyClick(focus != nullptr ? focus : window.get(),
                                             shortcut[0].key(), shortcut[0].keyboardModifiers());
        if (boolModal) {
            activate(); // the offscreen platform leaves that to us
            expect(!strModal.isEmpty() && QApplication::activeModalWidget() == nullptr,
                   "no modal window came, or it stayed open");
        }
        return strItem + " " + strModal;
    }
    QString playModal(QWidget* modal) {
        const auto controls = modal->findChildren<QWidget*>(
            QRegularExpression("^(Check|Combo|BtnAdd|BtnReset|BtnToggle)"));
        for (int intStep = pick(8); intStep > 0 && !controls.isEmpty(); --intStep) {
            QWidget* control = controls[pick(controls.size())];
            qobject_cast<QComboBox*>(control) != nullptr
                ? QTest::keyClick(control, pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up)
                : QTest::mouseClick(control, Qt::LeftButton, {}, {6, control->height() / 2});
        }
        const QString strCloser = QStringList{"BtnOk", "BtnOK", "BtnCancel", "Escape"}[pick(4)];
        auto* closer = modal->findChild<QAbstractButton*>(strCloser);
        if (auto* name = modal->findChild<QLineEdit*>("TextScaleName");
            name && strCloser == "BtnOk") {
            strCustomName = name->text();
            strCustomData = modal->findChild<QLineEdit*>("TextScale")->text();
        }
        closer != nullptr ? QTest::mouseClick(closer, Qt::LeftButton)
                          : QTest::keyClick(modal, Qt::Key_Escape);
        expect(!modal->isVisible(), "the dialog stayed open");
        return "[" + QString(modal->metaObject()->className()) + " " + strCloser + "]";
    }

    // Keeps the first disagreement; the run stops after the action in which it showed.
    void expect(bool boolHolds, const QString& strWhat) {
        strError = boolHolds || !strError.isEmpty() ? strError : strWhat;
    }
    // The title names the root, then in scale mode the current scale row or the custom scale
    // confirmed last.
    void checkInvariants() {
        const QString strName = lineText("TextTitle").section(' ', 1);
        const QListWidgetItem* row = child<QListWidget>("ListScale")->currentItem();
        expect(intMode == 1 || (strName == strCustomName && !strName.isEmpty()) ||
                   (row != nullptr && strName == row->text()),
               "title " + lineText("TextTitle"));
        expect(strName != strCustomName || strName.isEmpty() ||
                   lineText("TextScale") == strCustomData,
               "custom intervals");
        const QString strWanted = QString("] bold %1; %2; mode %3%4; rows")
                                      .arg(root(), intInstrument == 1 ? "fretboard" : "keyboard")
                                      .arg(intMode)
                                      .arg(intMode == 1 ? " frame" : "");
        expect(summary().startsWith(root() + " ") && summary().contains(strWanted), summary());
        const auto* triads = window->findChild<QListWidget*>("ListTriad");
        expect(triads == nullptr || triads->selectedItems().isEmpty() ||
                   child<QListWidget>("ListQuadriad")->selectedItems().isEmpty(),
               "both chord lists selected");
    }

    std::mt19937_64 rng;
    QString strCustomName, strCustomData, strError;
    int intMode = 0, intInstrument = 1, intLetter = 0, intAccidental = 0;
};

// From the first start: scale mode on the fretboard.
TEST_F(RandomActions, ThousandsOfActionsKeepTheWindowConsistent) {
    const auto intSeed = static_cast<uint64_t>(envNumber("GAMUTRIX_RANDOM_SEED", 20240611));
    const int intActions = envNumber("GAMUTRIX_RANDOM_ACTIONS", 3000);
    std::cout << "[ random   ] seed " << intSeed << ", " << intActions << " actions\n";
    rng.seed(intSeed);
    start();
    QString strAction;
    int intActionNr = 0;
    while (++intActionNr <= intActions && strError.isEmpty()) {
        const int intDraw = pick(100);
        strAction = intDraw < 80
                        ? clickSomething()
                        : chooseMenuItem(
                              kMenuItems[pick(intDraw < 98 ? kSwitchingItems : kMenuItems.size())]);
        checkInvariants();
    }
    EXPECT_EQ(strError.toStdString(), "")
        << "seed " << intSeed << ", action " << intActionNr - 1 << ": " << strAction.toStdString();
}

} // namespace
