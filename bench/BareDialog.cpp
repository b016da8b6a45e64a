// The floor for the start-up benchmark: a bare Win32 program that shows the
// main dialog's template with DialogBoxParam and adds the 41 note names itself,
// with no framework in between.
#include <windows.h>

#include <commctrl.h>

#include "NoteTable.h"
#include "resource.h"

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    ::InitCommonControls();
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TONE_DIALOG), nullptr, &DialogProc, 0);
    return 0;
}
