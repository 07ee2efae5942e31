#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text of the configuration file "gamutrix.cfg": two lines "instrument = N" and "mode = N".
// Plain C++ so that it can be tested and fuzzed without a window.
namespace ConfigFile {

// A larger file is not one this program wrote: it is not read at all, and the defaults stay.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

struct Values {
    int16_t intInstrument = 0; // 0 when the file does not name one
    int16_t intMode = 0;
};

// Reads the whole file text. Lines may end in CR LF, LF or CR; a UTF-8 byte-order mark at the
// start is skipped. Keys are case-sensitive, blanks around keys and values are ignored, unknown
// keys and empty lines are skipped, and the last line of a key wins. A known key without "=" or
// with a value that is not a 16-bit number voids the whole file: the result is then empty.
std::optional<Values> parse(std::string_view strText);

// A decimal number (sign, fraction and exponent allowed) rounded half to even into the 16-bit
// range; anything else is empty.
std::optional<int16_t> toInteger(std::string_view strValue);

// The file text for the two values, each line ended by CR LF.
std::string format(int16_t intInstrument, int16_t intMode);

} // namespace ConfigFile
