// libFuzzer target for the configuration file reader. Besides running under the address and
// undefined-behaviour sanitizers, every input is checked against properties that the reader
// promises for any text, whatever bytes it holds.

#include "ConfigFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

using ConfigFile::Values;

void require(bool boolHolds, const char* strProperty) {
    if (!boolHolds) {
        std::fprintf(stderr, "property violated: %s\n", strProperty);
        std::abort();
    }
}

bool same(const std::optional<Values>& left, const std::optional<Values>& right) {
    if (left.has_value() != right.has_value()) {
        return false;
    }
    return !left ||
           (left->intInstrument == right->intInstrument && left->intMode == right->intMode);
}

// CR LF and a lone CR both end a line just like LF does.
std::string withLfLineEnds(std::string_view strText) {
    std::string strResult;
    strResult.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '\r') {
            strResult += '\n';
            if (i + 1 < strText.size() && strText[i + 1] == '\n') {
                ++i;
            }
        } else {
            strResult += strText[i];
        }
    }
    return strResult;
}

// Where a double holds the value closely enough (at most 15 significant digits, an exponent of at
// most three characters), rounding it agrees with exact decimal rounding: a non-tie then lies at
// least 1e-15 (relative) away from the nearest tie, far more than a correctly rounded double is
// off. Empty when this check has no opinion; otherwise the rounded number or empty for out of
// range.
std::optional<std::optional<int16_t>> roundedThroughDouble(std::string_view strText) {
    if (strText.size() > 40 || strText.empty()) {
        return std::nullopt;
    }
    const auto exponentAt = strText.find_first_of("eE");
    if (exponentAt != std::string_view::npos && strText.size() - exponentAt > 4) {
        return std::nullopt;
    }
    const std::string_view strMantissa = strText.substr(0, exponentAt);
    const auto first = strMantissa.find_first_of("123456789");
    const auto last = strMantissa.find_last_of("123456789");
    if (first != std::string_view::npos && last - first > 14) {
        return std::nullopt;
    }
    if (strText.front() == '+') {
        strText.remove_prefix(1); // from_chars takes no plus sign
        if (!strText.empty() && (strText.front() == '+' || strText.front() == '-')) {
            return std::nullopt;
        }
    }
    double dblValue = 0.0;
    const auto result = std::from_chars(strText.data(), strText.data() + strText.size(), dblValue);
    if (result.ec != std::errc() || result.ptr != strText.data() + strText.size() ||
        !std::isfinite(dblValue)) {
        return std::nullopt;
    }
    const double dblRounded = std::nearbyint(dblValue);
    if (dblRounded < -32768.0 || dblRounded > 32767.0) {
        return std::optional<int16_t>();
    }
    return std::optional<int16_t>(static_cast<int16_t>(dblRounded));
}

void checkNumber(std::string_view strText) {
    const std::optional<int16_t> value = ConfigFile::toInteger(strText);
    if (const auto expected = roundedThroughDouble(strText)) {
        require(value == *expected,
                "toInteger rounds like a double where a double is exact enough");
    }
    if (value && strText.find_first_of("\r\n=") == std::string_view::npos) {
        // A number accepted on its own is accepted as a value, with blanks around it.
        const auto values = ConfigFile::parse("mode =  " + std::string(strText) + "  ");
        require(values && values->intMode == *value, "a valid number reads back as the mode");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view strText(reinterpret_cast<const char*>(data), size);
    const std::optional<Values> values = ConfigFile::parse(strText);

    // The values the program writes always read back unchanged.
    if (values) {
        const std::string strWritten = ConfigFile::format(values->intInstrument, values->intMode);
        require(same(ConfigFile::parse(strWritten), values), "format reads back as written");
    }

    // The three line endings are interchangeable.
    require(same(ConfigFile::parse(withLfLineEnds(strText)), values), "line ends are equivalent");

    // Reading the file twice over changes nothing: the last line of each key still wins, and a
    // voided file stays void (the repeated copy's byte-order mark makes its first line an
    // unknown key, which is skipped).
    const std::string strTwice = std::string(strText) + "\n" + std::string(strText);
    require(same(ConfigFile::parse(strTwice), values), "a repeated file reads the same");

    // Lines after a voiding line cannot rescue the file; after a sound file, later valid lines win.
    const auto withTail =
        ConfigFile::parse(std::string(strText) + "\ninstrument = 2\r\nmode = 1\r\n");
    require(values ? same(withTail, Values{2, 1}) : !withTail, "later lines win, voiding is final");

    checkNumber(strText);
    return 0;
}
