#include "NoteNames.h"

#include <algorithm>
#include <cctype>

int rootIndexOf(const std::string& strName) {
    for (std::size_t i = 0; i < kRoots.size(); ++i) {
        if (strName == kRoots[i].strName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TypedNotes parseNoteNames(const std::string& strText) {
    TypedNotes notes;
    std::string strToken;
    const auto takeToken = [&notes, &strToken] {
        if (strToken.empty() || !notes.strUnknown.empty()) {
            strToken.clear();
            return;
        }
        std::string strName = strToken;
        strName[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(strName[0])));
        const int intRoot = rootIndexOf(strName);
        if (intRoot < 0) {
            notes.strUnknown = strToken;
        } else if (std::find(notes.collRoots.begin(), notes.collRoots.end(), intRoot) ==
                   notes.collRoots.end()) {
            notes.collRoots.push_back(intRoot);
        }
        strToken.clear();
    };
    for (const char ch : strText) {
        if (ch == ',' || std::isspace(static_cast<unsigned char>(ch)) != 0) {
            takeToken();
        } else {
            strToken += ch;
        }
    }
    takeToken();
    return notes;
}
