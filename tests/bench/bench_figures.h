// What the ripping benchmark measures besides time: the process's peak working set
// (which it can start again for each measurement), the simulated drive's count of
// reads made again, and the median of a few runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bench {

// Seconds from a fixed point, at the resolution of the performance counter.
double Now();

// The largest working set the process has had, in bytes.
size_t PeakWorkingSet();
// Starts the peak again from the working set of now, where the system lets a
// process do that (Linux under Wine does); false where it does not, and the peak
// then covers the whole run so far.
bool ResetPeakWorkingSet();

// The READ CD requests the simulated drive has served so far, and how many of them
// read again sectors read just before; zeros when the drive is not loaded.
struct ReadCounts {
    uint32_t reads = 0;
    uint32_t repeats = 0;
};
ReadCounts DriveReadCounts();

double Median(std::vector<double> values);

}  // namespace bench
