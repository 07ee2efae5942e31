// Scale mode: the root buttons, the catalogue menu items and the two scale lists.

#include "BuiltInCatalogue.h"
#include "FormGamutrix.h"

#include <QListWidget>
#include <QPushButton>

void FormGamutrix::BtnPitch_Click(int Index) {
    // A letter always starts without accidental, also when it is already selected.
    for (QPushButton* button : BtnPitchAdd) {
        setCaptionBold(button, false);
    }
    intCurrentPitchAdd = 0;
    if (Index != intCurrentPitchBtn) {
        setCaptionBold(BtnPitch[static_cast<std::size_t>(intCurrentPitchBtn)], false);
        setCaptionBold(BtnPitch[static_cast<std::size_t>(Index)], true);
        intCurrentPitchBtn = static_cast<int16_t>(Index);
    }
    ChangedPitch();
}

void FormGamutrix::BtnPitchAdd_Click(int Index) {
    const auto intClicked = static_cast<int16_t>(Index + 1);
    if (intCurrentPitchAdd == 0) {
        setCaptionBold(BtnPitchAdd[static_cast<std::size_t>(Index)], true);
        intCurrentPitchAdd = intClicked;
    } else if (intCurrentPitchAdd == intClicked) {
        setCaptionBold(BtnPitchAdd[static_cast<std::size_t>(Index)], false);
        intCurrentPitchAdd = 0;
    } else {
        for (QPushButton* button : BtnPitchAdd) {
            setCaptionBold(button, false);
        }
        setCaptionBold(BtnPitchAdd[static_cast<std::size_t>(Index)], true);
        intCurrentPitchAdd = intClicked;
    }
    ChangedPitch();
}

void FormGamutrix::loadCatalogue(int16_t intCatalogue) {
    switchToScales();
    scaleSetCurrent = std::make_unique<ScaleSet>();
    scaleSetCurrent->LoadScalesFromCollection(getBuiltInCatalogue(intCatalogue));
    RefreshScaleLists();
}

void FormGamutrix::switchToScales() {
    intMode = 0;
    RedrawUI();
}

void FormGamutrix::RefreshScaleLists() {
    ListScaleCategory->clear();
    ListScale->clear();
    for (const std::string& strCategory : scaleSetCurrent->getScaleCategories()) {
        ListScaleCategory->addItem(QString::fromStdString(strCategory));
    }
    // Selecting runs the chain category -> scale -> ChangedScale.
    if (ListScaleCategory->count() > 0) {
        ListScaleCategory->setCurrentRow(0);
    }
}

void FormGamutrix::ListScaleCategory_Click() {
    ListScale->clear();
    if (ListScaleCategory->currentRow() < 0) {
        return;
    }
    const auto intCategory = static_cast<int16_t>(ListScaleCategory->currentRow() + 1);
    for (const std::string& strEntry : scaleSetCurrent->getScales(intCategory)) {
        ListScale->addItem(QString::fromStdString(strEntry.substr(0, strEntry.find(';'))));
    }
    if (ListScale->count() > 0) {
        ListScale->setCurrentRow(0);
    }
}

void FormGamutrix::ListScale_Click() {
    if (ListScale->currentRow() >= 0) {
        ChangedScale();
    }
}
