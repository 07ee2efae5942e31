#pragma once

#include <cstdint>
#include <string>

// The chord builder's interval set: sixteen positions (1 = root, 2..16 the interval slots), kept
// as bits. It writes the chord's interval list and names the chord by fixed rules.
class Intervals {
  public:
    // The bit set: position p is bit p - 1.
    int32_t IntervalBits() const { return longIntervals; }

    void resetIntervals() { longIntervals = 0; }

    // Position 1..16 of a token, 0 when the token names none.
    static int16_t getPosition(const std::string& strInt);

    bool isInterval(const std::string& strInt) const;
    void setInterval(const std::string& strInt);
    void toggleInterval(const std::string& strInt);

    // "1" followed by the canonical token of every position present, ascending.
    std::string getScaleString() const;

    // The part of the chord's name after the root ("", "m", "7sus4/11", "?"...).
    std::string getChordSuffix() const;

  private:
    int32_t longIntervals = 0;
};
