// What the process holds, for leak checks: kernel handles and memory. Where the
// platform does not report them (wine leaves the handle count and the private
// usage at zero), the handle count is read off the value of a fresh handle (the
// lowest free slot, which grows only if handles leak), and the memory is what
// the process's heaps hold in allocated blocks.
#ifndef SONIVEL_TESTS_PROCESSUSAGE_H
#define SONIVEL_TESTS_PROCESSUSAGE_H

#include <windows.h>

#include <psapi.h>

#include <vector>

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
        usage.memory = memory.PrivateUsage != 0 ? memory.PrivateUsage : HeapBytesInUse();
        return usage;
    }

private:
    static SIZE_T HeapBytesInUse()
    {
        std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 8);
        heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
        SIZE_T total = 0;
        for (HANDLE heap : heaps) {
            if (!::HeapLock(heap))
                continue;
            PROCESS_HEAP_ENTRY entry{};
            while (::HeapWalk(heap, &entry)) {
                if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
                    total += entry.cbData;
            }
            ::HeapUnlock(heap);
        }
        return total;
    }
};

#endif
