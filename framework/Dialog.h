// A modal dialog made from a dialog template in the program's resources.
#ifndef SONIVEL_FRAMEWORK_DIALOG_H
#define SONIVEL_FRAMEWORK_DIALOG_H

#include "Wnd.h"

// Resource type of the dialog init data that accompanies a template.
#define RT_DLGINIT MAKEINTRESOURCEA(240)

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog and runs it until it ends; returns the end code, or -1
    // if it could not be created. Without an explicit parent, a dialog made while
    // the application's main window exists is owned by that window.
    virtual INT_PTR DoModal();

    void EndDialog(int nResult);

protected:
    // Applies the template's dialog init data, then loads the members into the
    // controls. If the init data cannot be applied, ends the dialog with -1 and
    // returns FALSE. Returns TRUE to give the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // A command that no map of the dialog handles goes on to its owner's map and
    // then to the application's.
    BOOL OnCmdMsg(UINT id, UINT code) override;

    // Answers the help query: hands the dialog's help context (its template ID
    // plus HID_BASE_RESOURCE) to the application's help call.
    LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog object of a window, if the window is a dialog of this framework.
    static CDialog* FromHandle(HWND hWnd);

    bool ExecuteDlgInit();
    void CenterWindow();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};

#endif
