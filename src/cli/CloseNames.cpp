#include "CloseNames.h"

#include <algorithm>
#include <cctype>

namespace {

std::string lowered(const std::string& strText) {
    std::string strResult = strText;
    std::transform(strResult.begin(), strResult.end(), strResult.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strResult;
}

// Letters to add, drop, change or swap with a neighbour to turn one text into the other.
std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t intCost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + intCost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

std::vector<std::string> closeNames(const std::string& strWanted,
                                    const std::vector<std::string>& collCandidates,
                                    std::size_t intMax) {
    const std::string strKey = lowered(strWanted);
    // One slip in a short name, one in four letters of a longer one.
    const std::size_t intTolerance = std::max<std::size_t>(1, strKey.size() / 4);
    struct Match {
        std::size_t intScore;
        std::size_t intOrder;
        std::string strName;
    };
    std::vector<Match> collMatches;
    for (std::size_t i = 0; i < collCandidates.size(); ++i) {
        const std::string& strName = collCandidates[i];
        const bool boolSeen =
            std::any_of(collMatches.begin(), collMatches.end(),
                        [&strName](const Match& m) { return m.strName == strName; });
        if (boolSeen) {
            continue;
        }
        const std::string strCandidate = lowered(strName);
        if (strCandidate.empty()) {
            continue;
        }
        std::size_t intScore = editDistance(strKey, strCandidate);
        // "mm1" should find "MM1 (Melodic Minor)": a name inside the other counts as close.
        const bool boolInside =
            !strKey.empty() && (strCandidate.find(strKey) != std::string::npos ||
                                strKey.find(strCandidate) != std::string::npos);
        if (boolInside) {
            intScore = std::min<std::size_t>(intScore, 1);
        } else if (intScore > intTolerance) {
            continue;
        }
        collMatches.push_back({intScore, i, strName});
    }
    std::stable_sort(collMatches.begin(), collMatches.end(),
                     [](const Match& a, const Match& b) { return a.intScore < b.intScore; });
    std::vector<std::string> collResult;
    for (std::size_t i = 0; i < collMatches.size() && i < intMax; ++i) {
        collResult.push_back(collMatches[i].strName);
    }
    return collResult;
}
