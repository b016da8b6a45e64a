#include "Dialog.h"

#include "DlgInit.h"
#include "Help.h"
#include "WinApp.h"
#include "WindowPlacement.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_COMMANDHELP, &CDialog::OnCommandHelp)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    HWND owner = nullptr;
    if (m_pParentWnd != nullptr) {
        owner = m_pParentWnd->m_hWnd;
    } else if (CWnd* main = AfxGetMainWnd(); main != nullptr && main != this) {
        owner = main->m_hWnd;
    }
    // A Unicode dialog: its controls take their texts from the template as 16-bit
    // text, so they read correctly whatever the system's 8-bit code page is.
    return ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner, &CDialog::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    if (!ExecuteDlgInit()) {
        EndDialog(-1);
        return FALSE;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCmdMsg(UINT id, UINT code)
{
    if (CWnd::OnCmdMsg(id, code))
        return TRUE;
    if (code != 0)
        return FALSE;  // only commands travel on, not control notifications
    // The owner's own map only: its routing would hand the command to the
    // application a second time.
    CDialog* owner = FromHandle(::GetWindow(m_hWnd, GW_OWNER));
    if (owner != nullptr && owner->CCmdTarget::OnCmdMsg(id, code))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code);
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam)
{
    // A dialog's help ID is its template ID.
    if (lParam == 0 && m_nIDTemplate != 0)
        lParam = static_cast<LPARAM>(HID_BASE_RESOURCE + m_nIDTemplate);
    CWinApp* app = AfxGetApp();
    if (lParam == 0 || app == nullptr)
        return FALSE;
    app->WinHelpInternal(static_cast<DWORD_PTR>(lParam));
    return TRUE;
}

bool CDialog::ExecuteDlgInit()
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(m_nIDTemplate), RT_DLGINIT);
    if (resource == nullptr)
        return true;  // the template has no init data
    const void* data = ::LockResource(::LoadResource(module, resource));
    if (data == nullptr)
        return false;
    const auto entries = dlginit::Parse({static_cast<const std::uint8_t*>(data), ::SizeofResource(module, resource)});
    if (!entries)
        return false;
    for (const dlginit::Entry& entry : *entries) {
        HWND control = ::GetDlgItem(m_hWnd, entry.controlId);
        if (control == nullptr || entry.message != dlginit::kComboAddString)
            return false;
        const LRESULT added = ::SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text));
        if (added == CB_ERR || added == CB_ERRSPACE)
            return false;
    }
    return true;
}

void CDialog::CenterWindow()
{
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(owner != nullptr ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);

    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    RECT over = monitor.rcWork;
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &over);

    const POINT origin = CenteredOrigin(window, over, monitor.rcWork);
    ::SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CDialog* CDialog::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr || ::GetWindowLongPtrW(hWnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&CDialog::DialogProc))
        return nullptr;
    return reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
}

namespace {

// Messages whose result a dialog procedure returns itself rather than through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORMSGBOX:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

}  // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = hWnd;
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        // Templates lie at 0, 0 without a centring style: centre over the owner,
        // or on the screen.
        dialog->CenterWindow();
        return dialog->OnInitDialog();
    }

    CDialog* dialog = FromHandle(hWnd);
    if (dialog == nullptr)
        return FALSE;  // messages before WM_INITDIALOG

    LRESULT result = 0;
    const bool handled = dialog->OnWndMsg(message, wParam, lParam, &result);

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == dialog)
            app->m_pMainWnd = nullptr;
    }

    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return result;
    ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
