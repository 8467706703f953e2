#pragma once

#include <ctime>

// The calling thread's processor time so far, in seconds: other work on the machine stretches
// it less than the clock, and a test of cost compares two sizes' times, never one with a bound.
inline double ThreadProcessorSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
