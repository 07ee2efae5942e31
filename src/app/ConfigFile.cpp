#include "ConfigFile.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace ConfigFile {
namespace {

std::string_view trimBlanks(std::string_view strText) {
    const auto first = strText.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return strText.substr(first, strText.find_last_not_of(' ') - first + 1);
}

bool isDigit(char ch) {
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

// True when the whole text is [+-]digits[.digits][(e|E)[+-]digits] with at least one digit.
bool isDecimalNumber(std::string_view strText) {
    std::size_t i = 0;
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < strText.size() && isDigit(strText[i])) {
            ++i;
        }
        return i - start;
    };
    if (i < strText.size() && (strText[i] == '+' || strText[i] == '-')) {
        ++i;
    }
    std::size_t digits = skipDigits();
    if (i < strText.size() && strText[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) {
        return false;
    }
    if (i < strText.size() && (strText[i] == 'e' || strText[i] == 'E')) {
        ++i;
        if (i < strText.size() && (strText[i] == '+' || strText[i] == '-')) {
            ++i;
        }
        if (skipDigits() == 0) {
            return false;
        }
    }
    return i == strText.size();
}

// Applies one line to the values read so far; false when the line voids the file.
bool readLine(std::string_view strLine, Values& values) {
    const auto firstEquals = strLine.find('=');
    const std::string_view strKey = trimBlanks(strLine.substr(0, firstEquals));
    int16_t* target = nullptr;
    if (strKey == "instrument") {
        target = &values.intInstrument;
    } else if (strKey == "mode") {
        target = &values.intMode;
    } else {
        return true;
    }
    if (firstEquals == std::string_view::npos) {
        return false;
    }
    std::string_view strValue = strLine.substr(firstEquals + 1);
    strValue = strValue.substr(0, strValue.find('='));
    const std::optional<int16_t> value = toInteger(trimBlanks(strValue));
    if (!value) {
        return false;
    }
    *target = *value;
    return true;
}

} // namespace

std::optional<int16_t> toInteger(std::string_view strValue) {
    if (!isDecimalNumber(strValue)) {
        return std::nullopt;
    }
    // from_chars reads the same text in every locale; it takes no leading plus sign.
    if (strValue.front() == '+') {
        strValue.remove_prefix(1);
    }
    double dblParsed = 0.0;
    const auto result =
        std::from_chars(strValue.data(), strValue.data() + strValue.size(), dblParsed);
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    const double dblValue = std::nearbyint(dblParsed);
    if (!std::isfinite(dblValue) || dblValue < -32768.0 || dblValue > 32767.0) {
        return std::nullopt;
    }
    return static_cast<int16_t>(dblValue);
}

std::optional<Values> parse(std::string_view strText) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (strText.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        strText.remove_prefix(kByteOrderMark.size());
    }
    Values values;
    while (!strText.empty()) {
        const auto end = strText.find_first_of("\r\n");
        if (!readLine(strText.substr(0, end), values)) {
            return std::nullopt;
        }
        if (end == std::string_view::npos) {
            break;
        }
        const bool boolCrLf =
            strText[end] == '\r' && end + 1 < strText.size() && strText[end + 1] == '\n';
        strText.remove_prefix(end + (boolCrLf ? 2 : 1));
    }
    return values;
}

std::string format(int16_t intInstrument, int16_t intMode) {
    return "instrument = " + std::to_string(intInstrument) +
           "\r\nmode = " + std::to_string(intMode) + "\r\n";
}

} // namespace ConfigFile
