#include "WindowDriver.h"

#include "FormGamutrix.h"
#include "PaintCounter.h"
#include "PictureBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>
#include <string>

namespace {

template <typename T> T* findControl(const FormGamutrix& window, const std::string& strName) {
    T* found = window.findChild<T*>(QString::fromStdString(strName));
    if (found == nullptr) {
        throw std::runtime_error("the main window has no control " + strName);
    }
    return found;
}

} // namespace

std::vector<WindowDriver::Root> WindowDriver::allRoots() {
    std::vector<Root> collRoots;
    for (int16_t intLetter = 0; intLetter < 7; ++intLetter) {
        // Flat, natural, sharp: the order of the keys on a keyboard.
        for (const int16_t intAccidental : {int16_t{2}, int16_t{0}, int16_t{1}}) {
            const bool boolRefused =
                (intLetter == 0 && intAccidental == 2) || (intLetter == 2 && intAccidental == 1) ||
                (intLetter == 3 && intAccidental == 2) || (intLetter == 6 && intAccidental == 1);
            if (!boolRefused) {
                collRoots.emplace_back(intLetter, intAccidental);
            }
        }
    }
    return collRoots;
}

WindowDriver::WindowDriver(const FormGamutrix& window) {
    picturePaints = new PaintCounter(findControl<PictureBox>(window, "PicScaleInstrument"));
    actionInstruments = {findControl<QAction>(window, "mnuFretboard"),
                         findControl<QAction>(window, "mnuKeyboard")};
    actionCatalogues = {findControl<QAction>(window, "mnuScalesMain"),
                        findControl<QAction>(window, "mnuScalesSorted"),
                        findControl<QAction>(window, "mnuScalesVarious")};
    for (std::size_t i = 0; i < buttonLetters.size(); ++i) {
        buttonLetters[i] = findControl<QPushButton>(window, "BtnPitch" + std::to_string(i));
    }
    for (std::size_t i = 0; i < buttonAccidentals.size(); ++i) {
        buttonAccidentals[i] = findControl<QPushButton>(window, "BtnPitchAdd" + std::to_string(i));
    }
    listCategories = findControl<QListWidget>(window, "ListScaleCategory");
    listScales = findControl<QListWidget>(window, "ListScale");
    longPaintsAtChange = picturePaints->count();
}

void WindowDriver::changed() {
    ++longChanges;
}

void WindowDriver::chooseInstrument(int intInstrument) {
    actionInstruments.at(static_cast<std::size_t>(intInstrument - 1))->trigger();
    changed();
}

void WindowDriver::chooseCatalogue(int intCatalogue) {
    actionCatalogues.at(static_cast<std::size_t>(intCatalogue - 1))->trigger();
    changed();
}

void WindowDriver::chooseRoot(const Root& root) {
    clickLetter(root.first);
    settle();
    if (root.second != 0) {
        clickAccidental(root.second);
        settle();
    }
}

void WindowDriver::clickLetter(int16_t intLetter) {
    buttonLetters.at(static_cast<std::size_t>(intLetter))->click();
    changed();
}

void WindowDriver::clickAccidental(int16_t intAccidental) {
    buttonAccidentals.at(static_cast<std::size_t>(intAccidental - 1))->click();
    changed();
}

void WindowDriver::selectCategory(int intRow) {
    listCategories->setCurrentRow(intRow);
    changed();
}

void WindowDriver::selectScale(int intRow) {
    listScales->setCurrentRow(intRow);
    changed();
}

void WindowDriver::showEntry(int intCategoryRow, int intScaleRow) {
    // A new category shows its first entry by itself.
    if (categoryRow() != intCategoryRow) {
        selectCategory(intCategoryRow);
        settle();
    }
    if (scaleRow() != intScaleRow) {
        selectScale(intScaleRow);
        settle();
    }
}

int WindowDriver::categoryCount() const {
    return listCategories->count();
}

int WindowDriver::scaleCount() const {
    return listScales->count();
}

int WindowDriver::categoryRow() const {
    return listCategories->currentRow();
}

int WindowDriver::scaleRow() const {
    return listScales->currentRow();
}

bool WindowDriver::settle() {
    const QDeadlineTimer deadline(1000);
    QCoreApplication::processEvents();
    while (picturePaints->count() == longPaintsAtChange && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const bool boolRepainted = picturePaints->count() != longPaintsAtChange;
    longPaintsAtChange = picturePaints->count();
    return boolRepainted;
}

WindowDriver::SweepResult WindowDriver::sweep() {
    SweepResult result;
    const long longChangesBefore = longChanges;
    const long longRepaintsBefore = picturePaints->count();
    const auto start = std::chrono::steady_clock::now();
    for (int intInstrument = 1; intInstrument <= 2; ++intInstrument) {
        chooseInstrument(intInstrument);
        settle();
        for (int intCatalogue = 1; intCatalogue <= 3; ++intCatalogue) {
            chooseCatalogue(intCatalogue);
            settle();
            for (const Root& root : allRoots()) {
                chooseRoot(root);
                for (int intCategory = 0; intCategory < categoryCount(); ++intCategory) {
                    showEntry(intCategory, 0);
                    for (int intScale = 0; intScale < scaleCount(); ++intScale) {
                        showEntry(intCategory, intScale);
                        ++result.longShown;
                    }
                }
            }
        }
    }
    result.duration = std::chrono::steady_clock::now() - start;
    result.longChanges = longChanges - longChangesBefore;
    result.longRepaints = picturePaints->count() - longRepaintsBefore;
    return result;
}
