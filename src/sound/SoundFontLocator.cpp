#include "SoundFontLocator.h"

#include <filesystem>
#include <fstream>

namespace {

bool isReadableFile(const std::string& strPath) {
    std::error_code error;
    return !strPath.empty() && std::filesystem::is_regular_file(strPath, error) &&
           std::ifstream(strPath, std::ios::binary).good();
}

} // namespace

std::vector<std::string> standardSoundFontPaths() {
    return {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
            "/etc/alternatives/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
            "/usr/share/soundfonts/default.sf2"};
}

std::string findSoundFont(const std::string& strOverride,
                          const std::vector<std::string>& collCandidates) {
    if (isReadableFile(strOverride)) {
        return strOverride;
    }
    for (const std::string& strPath : collCandidates) {
        if (isReadableFile(strPath)) {
            return strPath;
        }
    }
    return {};
}
