#pragma once

#include "PicturePoint.h"
#include "PictureSurface.h"
#include "SimpleNote.h"
#include "StandardScale.h"

#include <memory>
#include <optional>
#include <string>

// A three-octave piano keyboard (C3 to B5) with the notes of the attached scale marked on their
// keys, each in its own octave, and optional note names and interval codes beside the keys.
// Used for one redraw: setPianoPicBox, resetPianoKeyboard, setScaleData, drawScaleData.
class PianoKeyboard {
  public:
    void setPianoPicBox(PictureSurface& PicPianoKey);
    void setScaleData(std::shared_ptr<const StandardScale> scaleNewData);
    // Clears the surface to white and draws the empty keyboard.
    void resetPianoKeyboard();
    // Marks one note; black (the default) becomes white on a black key. Notes outside octaves
    // 3..5 and pitches outside 0..11 are not drawn.
    void showNote(const SimpleNote& noteValue, const std::string& strIntervalDesc,
                  RgbColor longColor = kBlack);
    // Marks every note of the scale with its interval code.
    void drawScaleData();

    // Where things sit on the keyboard drawn by resetPianoKeyboard, in twips; for clicks and
    // overlays. keyAt gives the key under (x, y), black keys lying over the white ones, as a
    // note with the key's pitch and octave (3..5) and no sign; nothing off the keys.
    std::optional<SimpleNote> keyAt(int x, int y) const;
    // Centre and radius of the disc showNote draws for the note's key.
    PicturePoint markerCentre(const SimpleNote& noteValue) const;
    int markerRadius(const SimpleNote& noteValue) const;

  private:
    void initKeyboardGeometry();
    void drawKeyboard();
    void drawWhiteKey(int x);
    void drawBlackKey(int x);
    // Prints strText horizontally centred on x with its top at y.
    void printCentred(int x, int y, const std::string& strText);

    PictureSurface* picPianoKey = nullptr;
    std::shared_ptr<const StandardScale> scaleData;
    bool boolKeyboardDrawn = false;
    int intLeft = 0;
    int intTop = 0;
    int intKeyWidth = 300;
    int intBlackKeyWidth = 120;
    int intKeyLength = 1800;
    int intBlackKeyLength = 1200;
};
