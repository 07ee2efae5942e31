#pragma once

#include <QWidget>

// The moment a benchmarked program's window is first fully drawn, as one line on standard
// output for the start-up driver: "drawn_ns <CLOCK_MONOTONIC ns> hwm_kb <n> rss_kb <n>".
// The driver reads the clock before it starts the process, so the difference is the whole
// start: loading, Qt's set-up, building the window and its first paint pass.
//
// Watches `drawnLast` (a widget of `window`) and quits the application once the window has been
// drawn; the caller then returns from main as usual.
void reportWhenFirstDrawn(QWidget& window, QWidget& drawnLast);
