// The floor for the start-up benchmark: a bare Win32 program that shows the
// main dialog's template with DialogBoxParam and adds the 41 note names itself,
// with no framework in between. With --open-device it also opens the default
// wave-out device and reads its volume, as the program does before it shows,
// to tell the platform's share of the start-up time from the program's.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <cstring>

#include "NoteTable.h"
#include "resource.h"

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        if (lParam != 0) {
            static HWAVEOUT device;
            static WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 44100, 44100, 1, 8, 0};
            DWORD volume = 0;
            ::waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
            ::waveOutGetVolume(device, &volume);
        }
        for (const auto& note : tones::kNotes)
            ::SendDlgItemMessageA(dialog, IDC_NOTE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(note.name));
        ::SendDlgItemMessageA(dialog, IDC_NOTE, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>("A4"));
        ::SendDlgItemMessageA(dialog, IDC_VOLUME, TBM_SETRANGEMIN, TRUE, 0);
        ::SendDlgItemMessageA(dialog, IDC_VOLUME, TBM_SETRANGEMAX, TRUE, 0xFFFF);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    ::InitCommonControls();
    const bool openDevice = std::strstr(commandLine, "--open-device") != nullptr;
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TONE_DIALOG), nullptr, &DialogProc, openDevice);
    return 0;
}
