#include "ToneApp.h"

#include <commctrl.h>

#include "Help.h"
#include "ToneDlg.h"

BEGIN_MESSAGE_MAP(CToneApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CToneApp::InitInstance()
{
    // The dialog uses the trackbar class, which must be registered before the
    // dialog is made.
    ::InitCommonControls();
    CWinApp::InitInstance();

    CToneDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog has ended: returning FALSE ends the program.
    return FALSE;
}
