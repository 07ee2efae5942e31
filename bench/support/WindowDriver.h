#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

class FormGamutrix;
class PaintCounter;
class QAction;
class QListWidget;
class QPushButton;

// Works the main window through its own controls, as a user would: menu items are triggered,
// root buttons clicked and list rows selected from code, which runs the window's real handlers.
// Every change ends with settle(), which lets Qt repaint until the new picture is on the window.
class WindowDriver {
  public:
    // A root as the buttons make it: letter 0..6 (C..B), accidental 0 none, 1 sharp, 2 flat.
    using Root = std::pair<int16_t, int16_t>;
    // The 17 roots C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G#, Ab, A, A#, Bb, B: the buttons
    // refuse Cb, E#, Fb and B#.
    static std::vector<Root> allRoots();

    struct SweepResult {
        std::chrono::duration<double> duration{};
        long longChanges = 0;  // changes made, each one handler run ending in a redraw
        long longShown = 0;    // (instrument, catalogue entry, root) combinations shown
        long longRepaints = 0; // paint events of the picture during the sweep
    };

    explicit WindowDriver(const FormGamutrix& window);

    // 1 fretboard, 2 keyboard, through the "Display" menu.
    void chooseInstrument(int intInstrument);
    // Built-in catalogue 1..3, through the "ScaleSet" menu.
    void chooseCatalogue(int intCatalogue);
    // One or two button clicks (letter, then accidental); each click is settled.
    void chooseRoot(const Root& root);
    void clickLetter(int16_t intLetter);
    void clickAccidental(int16_t intAccidental);
    void selectCategory(int intRow);
    void selectScale(int intRow);
    // Shows one entry of the loaded catalogue, changing only what differs from the lists' state.
    void showEntry(int intCategoryRow, int intScaleRow);

    int categoryCount() const;
    int scaleCount() const;
    int categoryRow() const;
    int scaleRow() const;

    // Processes events until the picture has been repainted since the last change (at most a
    // second); false if it was not.
    bool settle();

    // 17 roots x every entry of the three built-in catalogues x both instruments.
    SweepResult sweep();

  private:
    void changed();

    PaintCounter* picturePaints = nullptr;
    std::array<QAction*, 2> actionInstruments{};
    std::array<QAction*, 3> actionCatalogues{};
    std::array<QPushButton*, 7> buttonLetters{};
    std::array<QPushButton*, 2> buttonAccidentals{};
    QListWidget* listCategories = nullptr;
    QListWidget* listScales = nullptr;
    long longChanges = 0;
    long longPaintsAtChange = 0;
};
