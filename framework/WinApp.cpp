#include "WinApp.h"

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
