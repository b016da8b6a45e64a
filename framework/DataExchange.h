// Data exchange between a dialog's controls and its members (DoDataExchange).
#ifndef SONIVEL_FRAMEWORK_DATAEXCHANGE_H
#define SONIVEL_FRAMEWORK_DATAEXCHANGE_H

#include "String.h"
#include "Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The dialog's control with this ID; null if there is none.
    HWND PrepareCtrl(int nIDC) const { return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC); }
};

// Combo box text. Loading selects the first item, from the top, whose text
// begins with the value, ignoring case; with no such item the selection stays.
// Saving yields the selected item's text, or an empty text when none is selected.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);

// Attaches the wrapper to the control on the first exchange; later ones do nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Trackbar position: TBM_SETPOS with redraw when loading, TBM_GETPOS when saving.
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);

#endif
