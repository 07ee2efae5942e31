#include "ProcessMemory.h"

#include <fstream>
#include <sstream>
#include <string>

ProcessMemory ProcessMemory::read() {
    ProcessMemory memory;
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine)) {
        std::istringstream fields(strLine);
        std::string strKey;
        long longKb = 0;
        fields >> strKey >> longKb;
        if (strKey == "VmHWM:") {
            memory.longPeakKb = longKb;
        } else if (strKey == "VmRSS:") {
            memory.longResidentKb = longKb;
        }
    }
    return memory;
}
