#pragma once

#include "SimpleNote.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The current scale or chord: a name, a set of interval slots above a root note, and the table
// from absolute pitch class to the interval code sounding on it. The root is shared with the
// caller: re-rooting the caller's note in place and calling setRootNote again re-spells the scale.
class StandardScale {
  public:
    const std::string& Name() const { return strName; }
    void setName(const std::string& strNewName) { strName = strNewName; }
    const std::string& DataString() const { return strDataString; }
    void setDataString(const std::string& strNewDataString) { strDataString = strNewDataString; }

    // Replaces the interval set by the one an interval list such as "1,3,(5),7,9" names.
    // Does not rebuild the pitch-interval table: setRootNote must follow.
    void setScale(const std::string& strScaleCode, int16_t intScaleType = 0);

    // Makes noteNewRoot the root (shared) and rebuilds the pitch-interval table.
    void setRootNote(std::shared_ptr<SimpleNote> noteNewRoot);
    const std::shared_ptr<SimpleNote>& RootNote() const { return noteRoot; }

    // Canonical interval list ("1,2,b3,..."); type 0 is the only type, others give "".
    std::string getScaleString(int16_t intScaleType = 0) const;

    bool hasInterval(const std::string& strInterval) const;

    // The root first, then one note per slot in ascending order. Octave type for degrees 2, 4, 6:
    // 0 one octave higher, 1 same octave, 2 one octave lower than the others.
    // Without a root the result is empty.
    std::vector<SimpleNote> getAllNotes(int intOctaveType = 1) const;

    void generatePitchIntervalArray();

    // Interval code on pitch class 0..11, or "" (also for any pitch outside 0..11).
    std::string getPitchIntervalCode(int intPitch) const;

    int32_t IntervalMask() const { return longIntervalMask; }

  private:
    std::string strName;
    std::string strDataString;
    int32_t longIntervalMask = 0;
    std::shared_ptr<SimpleNote> noteRoot;
    std::array<std::string, 12> strPitchIntervals;
};
