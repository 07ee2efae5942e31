#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The root as the window's pitch buttons hold it: letter 0..6 (C..B), accidental 0 none,
// 1 sharp, 2 flat.
struct RootButtons {
    int16_t intPitchBtn = 0;
    int16_t intPitchAdd = 0;

    friend bool operator==(const RootButtons&, const RootButtons&) = default;
};

// The seventeen root names the window offers, from C to B.
extern const std::array<std::string_view, 17> kRootNames;

// The buttons for a root name such as "Eb" or "F#" (exact spelling). Names the window refuses
// (Cb, E#, Fb, B#) and anything else give nothing.
std::optional<RootButtons> rootFromName(std::string_view strName);
