// Records the program's PlaySound calls instead of making them.
#ifndef SONIVEL_TESTS_SOUNDRECORDER_H
#define SONIVEL_TESTS_SOUNDRECORDER_H

#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "ImportPatch.h"

struct PlaySoundCall {
    std::uintptr_t sound;  // an integer resource ID, or 0 for none
    HMODULE module;
    DWORD flags;

    bool operator==(const PlaySoundCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PlaySoundCall& call);

// The two calls the tone player makes.
PlaySoundCall StopCall();
PlaySoundCall StartCall(int assetId);

class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // The calls made since the last time they were taken.
    std::vector<PlaySoundCall> Take();

private:
    static BOOL WINAPI Record(LPCSTR sound, HMODULE module, DWORD flags);
    static SoundRecorder* s_active;

    std::vector<PlaySoundCall> calls_;
    ImportPatch patch_;
};

#endif
