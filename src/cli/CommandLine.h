#pragma once

#include <optional>

// The program's command line, decided before any window system is touched.
//
// run() looks at the arguments first: without help, version or any of the program's own
// options it returns nothing and the caller starts the window as always. Otherwise it parses
// them, runs the one command they name (--export) without a display, and returns the exit
// status: 0 on success, 2 after a mistake, reported as exactly one line on standard error.
class CommandLine {
  public:
    static std::optional<int> run(int argc, char** argv);
};
