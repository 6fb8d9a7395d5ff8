#include "bench_figures.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>

namespace bench {

double Now()
{
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

size_t PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

bool ResetPeakWorkingSet()
{
    // Under Wine the process is a Linux process, whose peak resident size (which
    // Wine reports as the peak working set) starts again when "5" is written here.
    HANDLE file = ::CreateFileA("Z:\\proc\\self\\clear_refs", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, "5", 1, &written, nullptr) && written == 1;
    ::CloseHandle(file);
    return ok;
}

ReadCounts DriveReadCounts()
{
    using CountsFn = void(__cdecl*)(DWORD*, DWORD*);
    ReadCounts counts;
    HMODULE aspi = ::GetModuleHandleA("wnaspi32.dll");
    auto get = aspi ? reinterpret_cast<CountsFn>(
                          reinterpret_cast<void*>(::GetProcAddress(aspi, "SimDriveReadCounts")))
                    : nullptr;
    if (get) {
        DWORD reads = 0, repeats = 0;
        get(&reads, &repeats);
        counts.reads = reads;
        counts.repeats = repeats;
    }
    return counts;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace bench
