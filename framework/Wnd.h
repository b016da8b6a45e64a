// A window object: wraps the handle of a platform window and dispatches the
// messages that reach it through its message maps. Window objects are not copyable.
#ifndef SONIVEL_FRAMEWORK_WND_H
#define SONIVEL_FRAMEWORK_WND_H

#include "CmdTarget.h"

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

    // Runs DoDataExchange: TRUE saves the controls into the members, FALSE
    // loads the members into the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // The platform's painting of the window.
    void OnPaint() { Default(); }

    // Leaves the message being handled to the platform's default processing,
    // which runs once the handler has returned.
    void Default();

    // Calls the handler that the message maps give for the message and stores
    // its result; false when no entry takes the message, or the handler left it
    // to the default processing.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

private:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    bool* m_pUseDefault = nullptr;  // of the message being handled, if any
};

#endif
