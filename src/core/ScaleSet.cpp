#include "ScaleSet.h"

#include <algorithm>

namespace {

std::string trimBlanks(const std::string& strText) {
    const auto first = strText.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = strText.find_last_not_of(' ');
    return strText.substr(first, last - first + 1);
}

} // namespace

void ScaleSet::LoadScalesFromCollection(const std::vector<std::string>& collScaleData) {
    collCategoryNames.clear();
    collCategoryStarts.clear();
    collEntries.clear();
    int16_t intNextEntry = 1;
    for (const std::string& strText : collScaleData) {
        if (!strText.empty() && strText.front() == ':') {
            collCategoryNames.push_back(trimBlanks(strText.substr(1)));
            collCategoryStarts.push_back(intNextEntry);
        } else if (std::count(strText.begin(), strText.end(), ';') == 1) {
            collEntries.push_back(trimBlanks(strText));
            ++intNextEntry;
        }
    }
    intNumberOfScales = static_cast<int16_t>(collCategoryNames.size());
}

std::vector<std::string> ScaleSet::getScales(int16_t intCategory) const {
    if (intCategory < 1) {
        return collEntries;
    }
    if (intCategory > intNumberOfScales) {
        return {};
    }
    const auto index = static_cast<std::size_t>(intCategory - 1);
    const auto first = static_cast<std::size_t>(collCategoryStarts[index] - 1);
    const std::size_t end = intCategory < intNumberOfScales
                                ? static_cast<std::size_t>(collCategoryStarts[index + 1] - 1)
                                : collEntries.size();
    return {collEntries.begin() + static_cast<std::ptrdiff_t>(first),
            collEntries.begin() + static_cast<std::ptrdiff_t>(end)};
}

void ScaleSet::getScaleInfo(int16_t intScaleCat, int16_t intScaleNr, std::string& strName,
                            std::string& strIntervals) const {
    // Positions outside the catalogue leave both outputs as they were.
    if (intScaleCat < 1 || intScaleCat > intNumberOfScales || intScaleNr < 0) {
        return;
    }
    const int position = collCategoryStarts[static_cast<std::size_t>(intScaleCat - 1)] + intScaleNr;
    if (position > static_cast<int>(collEntries.size())) {
        return;
    }
    const std::string& strEntry = collEntries[static_cast<std::size_t>(position - 1)];
    const auto separator = strEntry.find(';');
    strName = strEntry.substr(0, separator);
    strIntervals = strEntry.substr(separator + 1);
}
