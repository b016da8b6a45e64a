#include "WinApp.h"

#include "Help.h"
#include "Wnd.h"

CWinApp* CWinApp::s_pApp = nullptr;

CWinApp::CWinApp() : m_hInstance(::GetModuleHandleA(nullptr))
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

void CWinApp::OnHelp()
{
    if (m_pMainWnd == nullptr || m_pMainWnd->m_hWnd == nullptr)
        return;
    const HWND starts[] = {::GetCapture(), ::GetFocus(), ::GetLastActivePopup(m_pMainWnd->m_hWnd)};
    for (HWND start : starts) {
        // GetParent gives a child's parent and a popup's owner.
        for (HWND window = start; window != nullptr; window = ::GetParent(window)) {
            if (::SendMessageA(window, WM_COMMANDHELP, 0, 0) != 0)
                return;
        }
    }
}

void CWinApp::WinHelpInternal(DWORD_PTR dwData, UINT nCmd)
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->WinHelp(dwData, nCmd);
}

CWinApp* AfxGetApp()
{
    return CWinApp::s_pApp;
}

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_hInstance : ::GetModuleHandleA(nullptr);
}
