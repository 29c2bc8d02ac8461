#pragma once
// How much memory a piece of work needed at its peak: the process's peak resident set
// (VmHWM) is brought down to what is resident now, the work runs, and the new peak is read.
#include <algorithm>
#include <fstream>
#include <functional>
#include <string>

inline long residentPeakKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// The growth of the peak over what was resident before `work`, in kB (0 where /proc does not
// tell). The kernel's counters lag by a few hundred kB, so small figures are noise.
inline long peakGrowthKb(const std::function<void()>& work) {
    std::ofstream("/proc/self/clear_refs") << "5";  // resets VmHWM to the current RSS
    const long before = residentPeakKb();
    work();
    return std::max(0L, residentPeakKb() - before);
}
