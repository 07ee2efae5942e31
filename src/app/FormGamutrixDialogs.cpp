// The four dialogs as the main window uses them: each is created for one opening, shown modally,
// read, and destroyed when the handler returns.

#include "FormAbout.h"
#include "FormCustomScale.h"
#include "FormFretboardSetup.h"
#include "FormGamutrix.h"
#include "FormKeyboardSetup.h"

void FormGamutrix::BtnEdit_Click() {
    FormCustomScale dialog(this);
    zoomDialog(dialog);
    dialog.exec();
    if (!dialog.boolNewScale()) {
        return;
    }
    strScaleData = QString::fromStdString(dialog.strScaleCode());
    strScaleName = QString::fromStdString(dialog.strScaleName());
    scaleCurrent = std::make_shared<StandardScale>();
    scaleCurrent->setScale(dialog.strScaleCode());
    scaleCurrent->setName(dialog.strScaleName());
    noteRoot->setPitchFromButtons(intCurrentPitchBtn, intCurrentPitchAdd);
    scaleCurrent->setRootNote(noteRoot);
    RedrawScale();
}

void FormGamutrix::mnuFretboardSetup_Click() {
    {
        FormFretboardSetup dialog(this);
        zoomDialog(dialog);
        dialog.exec();
    }
    // Redrawn whether the settings changed or not.
    RedrawScale();
}

void FormGamutrix::mnuKeyboardSetup_Click() {
    {
        FormKeyboardSetup dialog(this);
        zoomDialog(dialog);
        dialog.exec();
    }
    RedrawScale();
}

void FormGamutrix::mnuAbout_Click() {
    FormAbout dialog(this);
    zoomDialog(dialog);
    dialog.exec();
}
