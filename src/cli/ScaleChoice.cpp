#include "ScaleChoice.h"

#include "BuiltInCatalogue.h"
#include "CloseNames.h"
#include "IntervalTable.h"
#include "RootName.h"
#include "ScaleSet.h"

#include <string_view>
#include <vector>

namespace {

struct CatalogueEntry {
    std::string strName;
    std::string strIntervals;
};

// Every entry of a built-in catalogue in the order its lists show them, category by category.
std::vector<CatalogueEntry> catalogueEntries(int intCatalogue) {
    ScaleSet scaleSet;
    scaleSet.LoadScalesFromCollection(getBuiltInCatalogue(static_cast<int16_t>(intCatalogue)));
    std::vector<CatalogueEntry> collEntries;
    const auto intCategories = static_cast<int16_t>(scaleSet.getScaleCategories().size());
    for (int16_t intCategory = 1; intCategory <= intCategories; ++intCategory) {
        const auto intCount = static_cast<int16_t>(scaleSet.getScales(intCategory).size());
        for (int16_t intScale = 0; intScale < intCount; ++intScale) {
            CatalogueEntry entry;
            scaleSet.getScaleInfo(intCategory, intScale, entry.strName, entry.strIntervals);
            collEntries.push_back(entry);
        }
    }
    return collEntries;
}

std::string quoted(const std::string& strText) {
    return "\"" + strText + "\"";
}

std::string unknownScaleMessage(const std::string& strScale, int intCatalogue,
                                const std::vector<CatalogueEntry>& collEntries) {
    std::vector<std::string> collNames;
    for (const CatalogueEntry& entry : collEntries) {
        collNames.push_back(entry.strName);
    }
    std::string strMessage =
        "unknown scale " + quoted(strScale) + " in catalogue " + std::to_string(intCatalogue);
    const std::vector<std::string> collClose = closeNames(strScale, collNames);
    for (std::size_t i = 0; i < collClose.size(); ++i) {
        strMessage += (i == 0 ? "; did you mean " : i + 1 == collClose.size() ? " or " : ", ");
        strMessage += quoted(collClose[i]);
    }
    return collClose.empty() ? strMessage : strMessage + "?";
}

} // namespace

bool isKnownIntervalList(const std::string& strIntervals, std::string& strBadToken) {
    std::size_t intStart = 0;
    for (;;) {
        const std::size_t intComma = strIntervals.find(',', intStart);
        std::string_view token(strIntervals);
        token = token.substr(intStart, intComma == std::string::npos ? std::string::npos
                                                                     : intComma - intStart);
        // A tone that may be left out is written in parentheses, as in the chord catalogue.
        std::string_view inner = token;
        if (inner.size() > 2 && inner.front() == '(' && inner.back() == ')') {
            inner = inner.substr(1, inner.size() - 2);
        }
        if (inner != "1" && intervalSlotOf(inner) == 0) {
            strBadToken = std::string(token);
            return false;
        }
        if (intComma == std::string::npos) {
            return true;
        }
        intStart = intComma + 1;
    }
}

std::optional<ChosenScale> chooseScale(const ScaleRequest& request, std::string& strError) {
    const std::optional<RootButtons> root = rootFromName(request.strRoot);
    if (!root) {
        strError = "unknown root " + quoted(request.strRoot) + " (one of";
        for (std::string_view strRootName : kRootNames) {
            strError += " " + std::string(strRootName);
        }
        strError += ")";
        return std::nullopt;
    }
    if (request.strIntervals && (request.strScale || request.intCatalogue)) {
        strError = "--intervals cannot be combined with --scale or --catalogue";
        return std::nullopt;
    }
    if (request.strName && !request.strIntervals) {
        strError = "--name names an interval list given with --intervals";
        return std::nullopt;
    }
    const int intCatalogue = request.intCatalogue.value_or(1);
    if (intCatalogue < 1 || intCatalogue > 3) {
        strError = "--catalogue must be 1, 2 or 3";
        return std::nullopt;
    }

    std::string strName;
    std::string strIntervals;
    if (request.strIntervals) {
        std::string strBadToken;
        if (!isKnownIntervalList(*request.strIntervals, strBadToken)) {
            strError = "unknown interval " + quoted(strBadToken) +
                       " in --intervals (use 1, b2, 2, " +
                       "#2, b3, 3, 4, #4, b5, 5, #5, b6, 6, bb7, b7, 7, b9, 9, #9, 11, #11, b13, " +
                       "13, o7, separated by commas)";
            return std::nullopt;
        }
        strIntervals = *request.strIntervals;
        strName = request.strName.value_or(kUserDefinedScaleName);
    } else {
        const std::vector<CatalogueEntry> collEntries = catalogueEntries(intCatalogue);
        const CatalogueEntry* found = collEntries.empty() ? nullptr : &collEntries.front();
        if (request.strScale) {
            found = nullptr;
            for (const CatalogueEntry& entry : collEntries) {
                if (entry.strName == *request.strScale) {
                    found = &entry;
                    break;
                }
            }
        }
        if (found == nullptr) {
            strError =
                unknownScaleMessage(request.strScale.value_or(""), intCatalogue, collEntries);
            return std::nullopt;
        }
        strName = found->strName;
        strIntervals = found->strIntervals;
    }

    // The same steps as the window: the interval list, the name, then the root in octave 3.
    ChosenScale chosen;
    chosen.noteRoot = std::make_shared<SimpleNote>();
    chosen.noteRoot->setPitchFromButtons(root->intPitchBtn, root->intPitchAdd);
    chosen.scale = std::make_shared<StandardScale>();
    chosen.scale->setScale(strIntervals);
    chosen.scale->setName(strName);
    chosen.scale->setRootNote(chosen.noteRoot);
    chosen.strTitle = chosen.noteRoot->getNoteName() + " " + strName;
    chosen.strIntervals = strIntervals;
    return chosen;
}
