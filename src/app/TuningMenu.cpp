#include "TuningMenu.h"

#include "FormGamutrix.h"
#include "Globals.h"
#include "InstrumentSetup.h"
#include "TuningPresets.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <map>
#include <string>

namespace {

constexpr const char* kGroup = "InstrumentSetup";
constexpr const char* kRememberKey = "remember";
constexpr const char* kPresetKey = "preset";

} // namespace

TuningMenu::TuningMenu(FormGamutrix& window, QMenu& mnuDisplay) : QObject(&window), window(window) {
    mnuDisplay.addSeparator()->setObjectName("mnuSepDisTuning");
    mnuTuning = mnuDisplay.addMenu(tr("Tuning"));
    mnuTuning->setObjectName("mnuTuning");
    mnuTuning->menuAction()->setObjectName("mnuTuningMenu");
    mnuTuning->setAccessibleName(tr("Tuning presets"));
    // One preset at most is marked (drawn as option marks), and none when the strings are the
    // user's own.
    auto* groupPresets = new QActionGroup(mnuTuning);
    groupPresets->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const std::vector<TuningPreset>& presets = getTuningPresets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (i > 0 && presets[i].strInstrument != presets[i - 1].strInstrument) {
            mnuTuning->addSeparator();
        }
        // "Guitar: Drop D (D A D G B E)"; an instrument with one tuning goes by its own name.
        std::string strCaption = getPresetCaption(presets[i]);
        if (!presets[i].strName.empty()) {
            strCaption = presets[i].strInstrument + ": " + strCaption;
        }
        QAction* action = mnuTuning->addAction(QString::fromStdString(strCaption));
        action->setObjectName("mnuTuning" + QString::fromStdString(presets[i].strId));
        action->setCheckable(true);
        groupPresets->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, i] { mnuTuningPreset_Click(static_cast<int>(i)); });
        mnuTuningPresets.push_back(action);
    }
    // The mark follows whatever changed the strings last, the setup dialog included.
    connect(mnuTuning, &QMenu::aboutToShow, this, &TuningMenu::refreshMarks);

    mnuRememberSetup = mnuDisplay.addAction(tr("Remember the instrument setup"));
    mnuRememberSetup->setObjectName("mnuRememberSetup");
    mnuRememberSetup->setCheckable(true);
    connect(mnuRememberSetup, &QAction::toggled, this, &TuningMenu::mnuRememberSetup_Click);

    // Connected after the window's own handler, so this runs once the dialog has closed.
    if (auto* mnuFretboardSetup = window.findChild<QAction*>("mnuFretboardSetup")) {
        connect(mnuFretboardSetup, &QAction::triggered, this, &TuningMenu::instrumentChanged);
    }
}

void TuningMenu::restoreInstrumentSetup() {
    QSettings settings;
    settings.beginGroup(kGroup);
    const bool boolRemember = settings.status() == QSettings::NoError &&
                              settings.value(kRememberKey).toString() == "true";
    if (boolRemember) {
        std::map<std::string, std::string> texts;
        for (const QString& strKey : settings.childKeys()) {
            texts[strKey.toStdString()] = settings.value(strKey).toString().toStdString();
        }
        if (const auto setup = parseInstrumentSetup(texts)) {
            applyInstrumentSetup(*setup);
        }
        const std::string strPreset = settings.value(kPresetKey).toString().toStdString();
        const std::vector<TuningPreset>& presets = getTuningPresets();
        for (std::size_t i = 0; i < presets.size(); ++i) {
            if (presets[i].strId == strPreset) {
                intLastPreset = static_cast<int>(i);
            }
        }
    }
    const QSignalBlocker blocker(mnuRememberSetup);
    mnuRememberSetup->setChecked(boolRemember);
    refreshMarks();
}

void TuningMenu::mnuTuningPreset_Click(int intPreset) {
    applyTuningPreset(getTuningPresets()[static_cast<std::size_t>(intPreset)]);
    intLastPreset = intPreset;
    window.RedrawScale();
    instrumentChanged();
}

void TuningMenu::mnuRememberSetup_Click(bool boolChecked) {
    QSettings settings;
    if (!boolChecked) {
        // Nothing is kept that the next start would not use.
        settings.remove(kGroup);
        return;
    }
    storeInstrumentSetup();
}

void TuningMenu::instrumentChanged() {
    refreshMarks();
    if (mnuRememberSetup->isChecked()) {
        storeInstrumentSetup();
    }
}

void TuningMenu::refreshMarks() {
    const std::vector<TuningPreset>& presets = getTuningPresets();
    const int intMatch = findMatchingPreset(presets, intLastPreset);
    for (std::size_t i = 0; i < mnuTuningPresets.size(); ++i) {
        mnuTuningPresets[i]->setChecked(static_cast<int>(i) == intMatch);
    }
}

void TuningMenu::storeInstrumentSetup() const {
    QSettings settings;
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    settings.setValue(kRememberKey, "true");
    for (const auto& [strKey, strValue] : formatInstrumentSetup(captureInstrumentSetup())) {
        settings.setValue(QString::fromStdString(strKey), QString::fromStdString(strValue));
    }
    const std::vector<TuningPreset>& presets = getTuningPresets();
    if (intLastPreset >= 0 && findMatchingPreset(presets, intLastPreset) == intLastPreset) {
        settings.setValue(kPresetKey, QString::fromStdString(
                                          presets[static_cast<std::size_t>(intLastPreset)].strId));
    }
}
