#pragma once

#include "FormGamutrix.h"
#include "WindowDriver.h"

#include <QApplication>
#include <memory>

// The application as the window benchmarks run it: Qt's offscreen platform unless the caller
// chose another, with the program's name and fonts.
std::unique_ptr<QApplication> makeBenchApplication(int& argc, char** argv);

// The main window shown and drawn for the first time, with the driver that works it.
struct BenchWindow {
    BenchWindow();

    FormGamutrix window;
    WindowDriver driver;
    bool boolDrawn = false; // whether the first picture reached the window
};
