#pragma once
// Microseconds of the performance counter, which all processes of a session share, so that one
// program can tell how long after another's action something happened.
#include <windows.h>

inline unsigned long long PerformanceMicroseconds() {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<unsigned long long>(now.QuadPart / frequency.QuadPart * 1000000 +
                                           now.QuadPart % frequency.QuadPart * 1000000 /
                                               frequency.QuadPart);
}
