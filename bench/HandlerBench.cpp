// The cost of the main dialog's handlers, in process under wine, each with its
// platform calls: On/Off (to On, and to Off), a note change while the tone
// sounds, and a paint notice of the slider. Prints the median and the 95th
// percentile over 1,000 calls of each, in microseconds.
//
// With --without-platform: the same, with the sound and volume calls replaced
// by calls that do nothing, to show the cost of the program's own code.
//
// With --soak <seconds>: the tone on and a note change every second; samples
// the process's handles and memory once a second and prints their growth.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "DialogInput.h"
#include "ImportPatch.h"
#include "ProcessUsage.h"
#include "ToneApp.h"
#include "ToneDlg.h"
#include "resource.h"

extern "C" void* ImportedPlaySoundA __asm__("__imp__PlaySoundA@12");
extern "C" void* ImportedWaveOutSetVolume __asm__("__imp__waveOutSetVolume@8");

namespace {

BOOL WINAPI NoSound(LPCSTR, HMODULE, DWORD)
{
    return TRUE;
}

MMRESULT WINAPI NoVolume(HWAVEOUT, DWORD)
{
    return MMSYSERR_NOERROR;
}

// Runs the work once the dialog's modal loop is up, then ends the dialog.
class Runner {
public:
    static void Run(CDialog& dialog, void (*work)(HWND, int), int seconds)
    {
        s_dialog = &dialog;
        s_work = work;
        s_seconds = seconds;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &Tick);
        dialog.DoModal();
        ::KillTimer(nullptr, timer);
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD)
    {
        ::KillTimer(nullptr, timer);
        if (s_work == nullptr)
            return;
        auto work = std::exchange(s_work, nullptr);
        work(s_dialog->m_hWnd, s_seconds);
        ::EndDialog(s_dialog->m_hWnd, IDCANCEL);
    }
    static inline CDialog* s_dialog = nullptr;
    static inline void (*s_work)(HWND, int) = nullptr;
    static inline int s_seconds = 0;
};

double Now()
{
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figures {
    double median, p95;
};

Figures Summarise(std::vector<double> microseconds)
{
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double q) { return microseconds[static_cast<std::size_t>(q * (microseconds.size() - 1))]; };
    return {at(0.5), at(0.95)};
}

void Report(const char* what, const std::vector<double>& samples)
{
    const Figures f = Summarise(samples);
    std::printf("%-28s median %8.1f us   p95 %8.1f us   (%zu calls)\n", what, f.median, f.p95, samples.size());
}

template <class Action>
double Timed(Action action)
{
    const double start = Now();
    action();
    return (Now() - start) * 1e6;
}

void MeasureHandlers(HWND dialog, int)
{
    constexpr int kCalls = 1000;
    std::vector<double> toOn, toOff, noteChange, paint;
    for (int i = 0; i < kCalls; ++i) {
        toOn.push_back(Timed([&] { SendCommand(dialog, IDOK, BN_CLICKED); }));
        ::SendDlgItemMessageA(dialog, IDC_NOTE, CB_SETCURSEL, static_cast<WPARAM>(i % 41), 0);
        noteChange.push_back(Timed([&] { SendCommand(dialog, IDC_NOTE, CBN_SELCHANGE); }));  // the tone sounds
        toOff.push_back(Timed([&] { SendCommand(dialog, IDOK, BN_CLICKED); }));
        paint.push_back(Timed([&] { PaintNotice(dialog); }));
    }
    Report("OnOnOff, to On", toOn);
    Report("OnOnOff, to Off", toOff);
    Report("OnSelchangeNote (tone on)", noteChange);
    Report("OnCustomdrawVolume", paint);
}

void Soak(HWND dialog, int seconds)
{
    SendCommand(dialog, IDOK, BN_CLICKED);  // the tone on
    std::vector<ProcessUsage> samples{ProcessUsage::Now()};
    for (int second = 1; second <= seconds; ++second) {
        const double until = Now() + 1.0;
        ChooseNote(dialog, (second * 7) % 41);
        MSG msg;
        while (Now() < until) {  // keep the dialog's messages flowing meanwhile
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (!::IsDialogMessageA(dialog, &msg)) {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
        samples.push_back(ProcessUsage::Now());
    }
    const ProcessUsage& first = samples[1];  // after the first note change has settled in
    const ProcessUsage& last = samples.back();
    DWORD maxHandles = 0;
    SIZE_T maxMemory = 0;
    for (const auto& s : samples) {
        maxHandles = std::max(maxHandles, s.handles);
        maxMemory = std::max(maxMemory, s.memory);
    }
    std::printf("soak: %d s, a note change every second, tone on\n", seconds);
    std::printf("handles  %5lu -> %5lu (max %lu, growth %+ld)\n", first.handles, last.handles, maxHandles,
                static_cast<long>(last.handles) - static_cast<long>(first.handles));
    std::printf("memory   %7.1f KiB -> %7.1f KiB (max %.1f KiB, growth %+.1f KiB)\n", first.memory / 1024.0,
                last.memory / 1024.0, maxMemory / 1024.0,
                (static_cast<double>(last.memory) - static_cast<double>(first.memory)) / 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
    CToneApp app;
    ::InitCommonControls();
    CToneDlg dlg;
    app.m_pMainWnd = &dlg;
    if (argc == 3 && std::strcmp(argv[1], "--soak") == 0) {
        Runner::Run(dlg, &Soak, std::max(1, std::atoi(argv[2])));
    } else if (argc == 2 && std::strcmp(argv[1], "--without-platform") == 0) {
        ImportPatch sound(&ImportedPlaySoundA, reinterpret_cast<void*>(&NoSound));
        ImportPatch volume(&ImportedWaveOutSetVolume, reinterpret_cast<void*>(&NoVolume));
        Runner::Run(dlg, &MeasureHandlers, 0);
    } else {
        Runner::Run(dlg, &MeasureHandlers, 0);
    }
    return 0;
}
