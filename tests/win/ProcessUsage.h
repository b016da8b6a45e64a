// What the process holds, for leak checks: kernel handles and memory. Where the
// platform does not report them (wine leaves the handle count and the private
// usage at zero), the handle count is read off the value of a fresh handle (the
// lowest free slot, which grows only if handles leak), and the memory is the
// working set.
#ifndef SONIVEL_TESTS_PROCESSUSAGE_H
#define SONIVEL_TESTS_PROCESSUSAGE_H

#include <windows.h>

#include <psapi.h>

struct ProcessUsage {
    DWORD handles;
    SIZE_T memory;

    static ProcessUsage Now()
    {
        HANDLE self = ::GetCurrentProcess();
        ProcessUsage usage{};
        if (!::GetProcessHandleCount(self, &usage.handles) || usage.handles == 0) {
            HANDLE probe = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
            usage.handles = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(probe) / 4);
            ::CloseHandle(probe);
        }
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        ::GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        usage.memory = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.WorkingSetSize;
        return usage;
    }
};

#endif
