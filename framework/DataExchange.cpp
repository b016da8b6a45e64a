#include "DataExchange.h"

#include <commctrl.h>

#include <vector>

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND combo = pDX->PrepareCtrl(nIDC);
    if (combo == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(static_cast<const char*>(value)));
        return;
    }
    const LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    const LRESULT length = index == CB_ERR ? CB_ERR : ::SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) {
        value = "";
        return;
    }
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    if (::SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())) == CB_ERR)
        text[0] = '\0';
    value = text.data();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
        rControl.Attach(pDX->PrepareCtrl(nIDC));
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    HWND slider = pDX->PrepareCtrl(nIDC);
    if (slider == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(slider, TBM_GETPOS, 0, 0));
    else
        ::SendMessageA(slider, TBM_SETPOS, TRUE, value);
}
