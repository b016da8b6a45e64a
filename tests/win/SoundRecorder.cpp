#include "SoundRecorder.h"

#include <utility>

extern "C" void* ImportedPlaySoundA __asm__("__imp__PlaySoundA@12");

SoundRecorder* SoundRecorder::s_active = nullptr;

std::ostream& operator<<(std::ostream& out, const PlaySoundCall& call)
{
    return out << "PlaySound(" << call.sound << ", " << call.module << ", 0x" << std::hex << call.flags << std::dec << ")";
}

PlaySoundCall StopCall()
{
    return {0, nullptr, SND_ASYNC};
}

PlaySoundCall StartCall(int assetId)
{
    return {static_cast<std::uintptr_t>(assetId), ::GetModuleHandleA(nullptr), 0x4000D};
}

SoundRecorder::SoundRecorder() : patch_(&ImportedPlaySoundA, reinterpret_cast<void*>(&SoundRecorder::Record))
{
    s_active = this;
}

SoundRecorder::~SoundRecorder()
{
    s_active = nullptr;
}

std::vector<PlaySoundCall> SoundRecorder::Take()
{
    return std::exchange(calls_, {});
}

BOOL WINAPI SoundRecorder::Record(LPCSTR sound, HMODULE module, DWORD flags)
{
    if (s_active != nullptr)
        s_active->calls_.push_back({reinterpret_cast<std::uintptr_t>(sound), module, flags});
    return TRUE;
}
