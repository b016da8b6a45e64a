// The application object. The program defines exactly one, as a global; it
// registers itself while static objects are built, and the entry point of the
// framework then calls its InitInstance.
#ifndef SONIVEL_FRAMEWORK_WINAPP_H
#define SONIVEL_FRAMEWORK_WINAPP_H

#include "CmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    // Runs the program. A dialog-based program shows its dialog here and
    // returns FALSE, so that the process ends when the dialog ends.
    virtual BOOL InitInstance();

    // An icon of the program's own resources, at the system's large icon size.
    HICON LoadIcon(UINT nIDResource) const;

    // The Help command: asks the window that has captured the mouse, then the
    // focused window, then the main window's last active popup, each with its
    // parents and owners, for a help context (WM_COMMANDHELP); the first that
    // answers has handed its context to WinHelpInternal.
    void OnHelp();

    // The application's help call: shows help for the context through the main
    // window's WinHelp.
    void WinHelpInternal(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    CWnd* m_pMainWnd = nullptr;  // cleared when that window is destroyed
    HINSTANCE m_hInstance;       // the program's own module, where its resources live

private:
    friend CWinApp* AfxGetApp();
    static CWinApp* s_pApp;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The module the program's resources are loaded from: its own executable.
HINSTANCE AfxGetResourceHandle();

#endif
