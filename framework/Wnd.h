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

    // Runs DoDataExchange: TRUE saves the controls into the members, FALSE
    // loads the members into the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // Calls the handler that the message maps give for the message and stores
    // its result; false when no entry takes the message.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

#endif
