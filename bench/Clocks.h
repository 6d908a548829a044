#pragma once

#include <sys/resource.h>
#include <time.h>

// The processor time this program has used, in seconds: on a machine that
// others load too, it moves far less than the wall clock.
inline double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The most memory this program has held at once, in megabytes.
inline double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
