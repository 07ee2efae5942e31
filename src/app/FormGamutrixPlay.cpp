// The Play menu and the MIDI export: the window only tells the sound controller what it shows.

#include "BitmapFileName.h"
#include "FormGamutrix.h"
#include "PlayController.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

void FormGamutrix::createPlayMenu() {
    auto* mnuFile = menuBar()->findChild<QMenu*>("mnuFile");
    PlayController::Context context;
    context.scale = [this] { return currentScale(); };
    context.instrument = [this] { return static_cast<int>(intCurrentInstrument); };
    context.chordMode = [this] { return intMode == 1; };
    context.defaultMidiPath = [this] {
        QString strName = bitmapFileName(intCurrentInstrument, TextTitle->text());
        strName.replace(strName.size() - 4, 4, ".mid");
        return strProgramDir + "/" + strName;
    };
    context.fretBoard = [this] { return currentFretBoard(); };
    context.pianoKeyboard = [this] { return currentPianoKeyboard(); };
    playController = new PlayController(*this, std::move(context), *PicScaleInstrument, *menuBar(),
                                        *mnuFile, mnuFile->findChild<QAction*>("mnuSepFilePrint"));
}
