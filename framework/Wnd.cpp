#include "Wnd.h"

#include <utility>

#include "DataExchange.h"
#include "Help.h"
#include "WinApp.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

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

void CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
}

void CWnd::WinHelp(DWORD_PTR, UINT)
{
}

BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    // The windows of this framework are top-level dialogs; F1 in one of their
    // controls reaches them here.
    CWnd* main = AfxGetMainWnd();
    const bool modifierHeld = ::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0;
    if (main != nullptr && main->m_hWnd != nullptr && !modifierHeld)
        main->SendMessage(WM_COMMAND, ID_HELP);
    return TRUE;
}

void CWnd::Default()
{
    if (m_pUseDefault != nullptr)
        *m_pUseDefault = true;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Handlers may send messages to this window again: each message keeps its own flag.
    bool useDefault = false;
    bool* outer = std::exchange(m_pUseDefault, &useDefault);
    const bool handled = Dispatch(message, wParam, lParam, pResult);
    m_pUseDefault = outer;
    return handled && !useDefault;
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
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
