#include "ConfigFile.h"

#include <cctype>

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
    // The rounding works on the decimal digits themselves: a detour through double would turn
    // 1e-400 into a range error and round 2.50000000000000000001 down as if it were a tie.
    const bool boolNegative = strValue.front() == '-';
    if (strValue.front() == '+' || strValue.front() == '-') {
        strValue.remove_prefix(1);
    }
    const auto exponentAt = strValue.find_first_of("eE");
    const std::string_view strMantissa = strValue.substr(0, exponentAt);
    const auto pointAt = strMantissa.find('.');
    const std::string_view strWhole = strMantissa.substr(0, pointAt);
    const std::string_view strFraction =
        pointAt == std::string_view::npos ? std::string_view() : strMantissa.substr(pointAt + 1);

    // Beyond this size an exponent decides the result alone (too large, or rounds to zero).
    constexpr long long kExponentLimit = 1'000'000'000'000'000LL;
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view strExponent = strValue.substr(exponentAt + 1);
        const bool boolNegativeExponent = strExponent.front() == '-';
        if (strExponent.front() == '+' || strExponent.front() == '-') {
            strExponent.remove_prefix(1);
        }
        for (const char ch : strExponent) {
            if (exponent < kExponentLimit) {
                exponent = exponent * 10 + (ch - '0');
            }
        }
        exponent = boolNegativeExponent ? -exponent : exponent;
    }

    // The digits of whole and fraction part as one sequence; positions outside it read as 0.
    const long long digitCount = static_cast<long long>(strWhole.size() + strFraction.size());
    const auto digitAt = [&](long long position) -> int {
        if (position < 0 || position >= digitCount) {
            return 0;
        }
        const auto index = static_cast<std::size_t>(position);
        return (index < strWhole.size() ? strWhole[index] : strFraction[index - strWhole.size()]) -
               '0';
    };
    long long firstSignificant = 0;
    while (firstSignificant < digitCount && digitAt(firstSignificant) == 0) {
        ++firstSignificant;
    }
    if (firstSignificant == digitCount) {
        return 0; // zero, whatever its exponent or sign
    }
    // The decimal point stands before this digit position.
    const long long pointPosition = static_cast<long long>(strWhole.size()) + exponent;
    if (pointPosition - firstSignificant > 5) {
        return std::nullopt; // at least 100000 in magnitude
    }
    long long magnitude = 0;
    for (long long position = firstSignificant; position < pointPosition; ++position) {
        magnitude = magnitude * 10 + digitAt(position);
    }
    const int roundingDigit = digitAt(pointPosition);
    bool boolRoundUp = roundingDigit > 5;
    if (roundingDigit == 5) {
        bool boolAboveHalf = false;
        for (long long position = pointPosition + 1; position < digitCount && !boolAboveHalf;
             ++position) {
            boolAboveHalf = digitAt(position) != 0;
        }
        boolRoundUp = boolAboveHalf || magnitude % 2 == 1;
    }
    magnitude += boolRoundUp ? 1 : 0;
    const long long value = boolNegative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<int16_t>(value);
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
