#pragma once

// Parts of the program that bring large libraries (the synthesizer, SVG and printing) live in
// modules of their own, loaded the first time they are wanted, so that the window does not wait
// for libraries it may never use.

#include <string>
#include <vector>

// Where a module is looked for, in order: beside an installed program (strFromBinDir, relative to
// the running executable's folder), its installed path, then its path in the build tree.
std::vector<std::string> modulePaths(const std::string& strFromBinDir,
                                     const std::string& strInstalled, const std::string& strBuilt);

// The symbol strSymbol of the first module of collPaths that opens and exports it, nullptr when
// none does. A module found stays loaded to the end of the process.
void* findModuleSymbol(const std::vector<std::string>& collPaths, const char* strSymbol);
