#include "Wnd.h"

#include "DataExchange.h"

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    if (message == WM_COMMAND)
        return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)) != FALSE;

    const MessageMapEntry* entry = nullptr;
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header == nullptr)
            return false;
        entry = FindEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
    } else {
        entry = FindEntry(message, 0, 0);
    }
    if (entry == nullptr)
        return false;
    *pResult = entry->invoke(*this, wParam, lParam);
    return true;
}
