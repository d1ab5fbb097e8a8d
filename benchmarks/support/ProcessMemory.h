#pragma once

#include <fstream>
#include <string>

// A figure of this process's memory from /proc/self/status in kilobytes, e.g. "VmRSS:" (resident now)
// or "VmHWM:" (the high-water mark since the last reset through /proc/self/clear_refs); 0 if absent.
inline long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::char_traits<char>::length(field)));
    return 0;
}
