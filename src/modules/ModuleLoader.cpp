#include "ModuleLoader.h"

#include <dlfcn.h>
#include <filesystem>

std::vector<std::string> modulePaths(const std::string& strFromBinDir,
                                     const std::string& strInstalled, const std::string& strBuilt) {
    std::vector<std::string> collPaths;
    std::error_code error;
    const std::filesystem::path pathExe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        collPaths.push_back((pathExe.parent_path() / strFromBinDir).lexically_normal());
    }
    collPaths.push_back(strInstalled);
    collPaths.push_back(strBuilt);
    return collPaths;
}

void* findModuleSymbol(const std::vector<std::string>& collPaths, const char* strSymbol) {
    for (const std::string& strPath : collPaths) {
        if (void* module = dlopen(strPath.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            if (void* symbol = dlsym(module, strSymbol)) {
                return symbol;
            }
            dlclose(module);
        }
    }
    return nullptr;
}
