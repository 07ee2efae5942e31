#pragma once

// Resident memory of this process, from /proc/self/status, in kilobytes (0 if unreadable).
struct ProcessMemory {
    long longPeakKb = 0;     // VmHWM: the highest resident size so far
    long longResidentKb = 0; // VmRSS: the resident size now

    static ProcessMemory read();
};
