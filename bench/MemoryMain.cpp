// Resident memory of the program: started as its main() starts it, measured once the window is
// first fully drawn, then after each of two sweeps through the window (17 roots x every entry
// of the three catalogues x both instruments). Growth from the first sweep to the second would
// be memory that the redraw path keeps.
//
// Usage: bench_memory [-platform NAME]   (default: offscreen)

#include "ClassicFonts.h"
#include "FormGamutrix.h"
#include "ProcessMemory.h"
#include "WindowDriver.h"

#include <QApplication>
#include <cstdio>

namespace {

void printMemory(const char* strWhen, const ProcessMemory& memory) {
    std::printf("%-22s peak RSS %7.1f MB, RSS %7.1f MB\n", strWhen,
                static_cast<double>(memory.longPeakKb) / 1024,
                static_cast<double>(memory.longResidentKb) / 1024);
}

void printResult(const char* strKey, long longKb) {
    std::printf("RESULT %s %.2f\n", strKey, static_cast<double>(longKb) / 1024);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Gamutrix Lite");
    installClassicFonts();
    FormGamutrix window(QCoreApplication::applicationDirPath());
    window.show();
    WindowDriver driver(window);
    if (!driver.settle()) {
        std::fprintf(stderr, "the window was not drawn\n");
        return 1;
    }
    const ProcessMemory started = ProcessMemory::read();
    printMemory("after start-up", started);

    const WindowDriver::SweepResult first = driver.sweep();
    const ProcessMemory afterFirst = ProcessMemory::read();
    printMemory("after sweep 1", afterFirst);
    const WindowDriver::SweepResult second = driver.sweep();
    const ProcessMemory afterSecond = ProcessMemory::read();
    printMemory("after sweep 2", afterSecond);
    std::printf("sweeps: %.2f s and %.2f s, %ld changes and %ld picture repaints each\n",
                first.duration.count(), second.duration.count(), first.longChanges,
                first.longRepaints);

    printResult("memory_start_hwm_mb", started.longPeakKb);
    printResult("memory_start_rss_mb", started.longResidentKb);
    printResult("memory_sweep1_rss_mb", afterFirst.longResidentKb);
    printResult("memory_sweep2_rss_mb", afterSecond.longResidentKb);
    printResult("memory_sweep2_hwm_mb", afterSecond.longPeakKb);
    std::printf("RESULT memory_sweep_growth_kb %ld\n",
                afterSecond.longResidentKb - afterFirst.longResidentKb);
    std::printf("RESULT memory_sweep1_s %.3f\n", first.duration.count());
    std::printf("RESULT memory_sweep2_s %.3f\n", second.duration.count());
    return 0;
}
