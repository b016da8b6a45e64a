// Stands in for the default wave-out device: records the program's waveOutOpen,
// waveOutGetVolume and waveOutSetVolume calls and answers them as configured.
#ifndef SONIVEL_TESTS_WAVEOUTRECORDER_H
#define SONIVEL_TESTS_WAVEOUTRECORDER_H

#include <windows.h>

#include <mmsystem.h>

#include <vector>

#include "ImportPatch.h"

class WaveOutRecorder {
public:
    struct Open {
        HWAVEOUT* handle;
        UINT device;
        WAVEFORMATEX format;
        DWORD_PTR callback, instance;
        DWORD flags;
    };
    struct GetVolume {
        HWAVEOUT handle;
        DWORD* volume;
    };
    struct SetVolume {
        HWAVEOUT handle;
        DWORD volume;
        bool operator==(const SetVolume&) const = default;
    };

    // A device that opens as `handle` and reports `level`; with a null handle,
    // a machine without a device: every call fails and writes nothing.
    WaveOutRecorder(HWAVEOUT handle, DWORD level);
    ~WaveOutRecorder();
    WaveOutRecorder(const WaveOutRecorder&) = delete;
    WaveOutRecorder& operator=(const WaveOutRecorder&) = delete;

    std::vector<Open> opens;
    std::vector<GetVolume> reads;
    std::vector<SetVolume> TakeSets();

private:
    static MMRESULT WINAPI RecordOpen(HWAVEOUT*, UINT, const WAVEFORMATEX*, DWORD_PTR, DWORD_PTR, DWORD);
    static MMRESULT WINAPI RecordGetVolume(HWAVEOUT, DWORD*);
    static MMRESULT WINAPI RecordSetVolume(HWAVEOUT, DWORD);
    static WaveOutRecorder* s_active;

    HWAVEOUT handle_;
    DWORD level_;
    std::vector<SetVolume> sets_;
    ImportPatch open_, get_, set_;
};

#endif
