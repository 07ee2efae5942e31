#include "StartupReport.h"

#include "FirstPaintProbe.h"
#include "ProcessMemory.h"

#include <QCoreApplication>
#include <cstdio>
#include <ctime>

void reportWhenFirstDrawn(QWidget& window, QWidget& drawnLast) {
    new FirstPaintProbe(&drawnLast, [&window] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const ProcessMemory memory = ProcessMemory::read();
        std::printf("drawn_ns %lld hwm_kb %ld rss_kb %ld visible %d\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    memory.longPeakKb, memory.longResidentKb, window.isVisible() ? 1 : 0);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
