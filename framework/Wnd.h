// A window object: wraps the handle of a platform window and dispatches the
// messages that reach it through its message maps. Window objects are not copyable.
#ifndef SONIVEL_FRAMEWORK_WND_H
#define SONIVEL_FRAMEWORK_WND_H

#include "CmdTarget.h"
#include "Menu.h"

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;

    HWND m_hWnd = nullptr;

    // Wraps an existing window; the object does not own it.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Sets the window's big (TRUE) or small (FALSE) icon.
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

    // The window's system menu (without resetting it); its handle is null if
    // the window has none.
    CMenu GetSystemMenu(BOOL bRevert) const { return CMenu(::GetSystemMenu(m_hWnd, bRevert)); }

    // A message box owned by this window, in 16-bit text; returns the button chosen.
    int MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType) const
    {
        return ::MessageBoxW(m_hWnd, lpszText, lpszCaption, nType);
    }

    // Shows help for the context. The application's help call ends here, in its
    // main window; this framework ships no help files, so a window that offers
    // help overrides this.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // Runs DoDataExchange: TRUE saves the controls into the members, FALSE
    // loads the members into the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // The platform's painting of the window, and its system commands.
    void OnPaint() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }

    // F1 in the window sends the Help command to the application's main window,
    // unless Shift, Ctrl or Alt is held.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    // Leaves the message being handled to the platform's default processing,
    // which runs once the handler has returned.
    void Default();

    // Calls the handler that the message maps give for the message and stores
    // its result; false when no entry takes the message, or the handler left it
    // to the default processing.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    bool* m_pUseDefault = nullptr;  // of the message being handled, if any
};

#endif
