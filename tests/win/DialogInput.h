// What the controls of a dialog send it, sent by hand: a command notification,
// a note chosen in the main dialog's list, and a paint notice of its slider.
// Shared by the dialog tests and the handler benchmark.
#ifndef SONIVEL_TESTS_DIALOGINPUT_H
#define SONIVEL_TESTS_DIALOGINPUT_H

#include <windows.h>

#include <commctrl.h>

#include "resource.h"

// A command notification from a control of the dialog, as the control sends it.
inline void SendCommand(HWND dialog, int controlId, int code)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, code),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, controlId)));
}

// Selects the item (or none, with -1) as the user would, with the notification.
inline void ChooseNote(HWND dialog, int index)
{
    ::SendDlgItemMessageA(dialog, IDC_NOTE, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendCommand(dialog, IDC_NOTE, CBN_SELCHANGE);
}

// The custom-draw notice the slider sends at the start of every paint.
inline LRESULT PaintNotice(HWND dialog)
{
    NMCUSTOMDRAW draw{};
    draw.hdr = {::GetDlgItem(dialog, IDC_VOLUME), IDC_VOLUME, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.dwDrawStage = CDDS_PREPAINT;
    return ::SendMessageA(dialog, WM_NOTIFY, IDC_VOLUME, reinterpret_cast<LPARAM>(&draw));
}

#endif
