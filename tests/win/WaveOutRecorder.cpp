#include "WaveOutRecorder.h"

#include <utility>

extern "C" void* ImportedWaveOutOpen __asm__("__imp__waveOutOpen@24");
extern "C" void* ImportedWaveOutGetVolume __asm__("__imp__waveOutGetVolume@8");
extern "C" void* ImportedWaveOutSetVolume __asm__("__imp__waveOutSetVolume@8");

WaveOutRecorder* WaveOutRecorder::s_active = nullptr;

WaveOutRecorder::WaveOutRecorder(HWAVEOUT handle, DWORD level)
    : handle_(handle),
      level_(level),
      open_(&ImportedWaveOutOpen, reinterpret_cast<void*>(&RecordOpen)),
      get_(&ImportedWaveOutGetVolume, reinterpret_cast<void*>(&RecordGetVolume)),
      set_(&ImportedWaveOutSetVolume, reinterpret_cast<void*>(&RecordSetVolume))
{
    s_active = this;
}

WaveOutRecorder::~WaveOutRecorder()
{
    s_active = nullptr;
}

std::vector<WaveOutRecorder::SetVolume> WaveOutRecorder::TakeSets()
{
    return std::exchange(sets_, {});
}

MMRESULT WINAPI WaveOutRecorder::RecordOpen(HWAVEOUT* handle, UINT device, const WAVEFORMATEX* format,
                                            DWORD_PTR callback, DWORD_PTR instance, DWORD flags)
{
    WaveOutRecorder& r = *s_active;
    r.opens.push_back({handle, device, *format, callback, instance, flags});
    if (r.handle_ == nullptr)
        return MMSYSERR_NODRIVER;
    *handle = r.handle_;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI WaveOutRecorder::RecordGetVolume(HWAVEOUT handle, DWORD* volume)
{
    WaveOutRecorder& r = *s_active;
    r.reads.push_back({handle, volume});
    if (r.handle_ == nullptr || handle != r.handle_)
        return MMSYSERR_INVALHANDLE;
    *volume = r.level_;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI WaveOutRecorder::RecordSetVolume(HWAVEOUT handle, DWORD volume)
{
    WaveOutRecorder& r = *s_active;
    r.sets_.push_back({handle, volume});
    return r.handle_ != nullptr && handle == r.handle_ ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}
