#include "ToneDlg.h"

#include <commctrl.h>

#include "AboutDlg.h"
#include "HelpNotice.h"
#include "IconOrigin.h"
#include "PaintDC.h"
#include "WinApp.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CToneDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_NOTE, &CToneDlg::OnSelchangeNote)
    ON_BN_CLICKED(IDOK, &CToneDlg::OnOnOff)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_VOLUME, &CToneDlg::OnCustomdrawVolume)
END_MESSAGE_MAP()

CToneDlg::CToneDlg(CWnd* pParent)
    : CDialog(IDD_TONE_DIALOG, pParent), m_hIcon(nullptr), m_bPlaying(false), m_nVolume(0)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

void CToneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_NOTE, m_strNote);
    DDX_Control(pDX, IDC_VOLUME, m_sliderVolume);
    DDX_Slider(pDX, IDC_VOLUME, m_nVolume);
}

BOOL CToneDlg::OnInitDialog()
{
    // Fills the note list from the template's init data and attaches the slider.
    CDialog::OnInitDialog();

    // The system menu ends with a separator and the About item.
    if (CMenu sysMenu = GetSystemMenu(FALSE); sysMenu.m_hMenu != nullptr) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            sysMenu.AppendMenu(MF_SEPARATOR);
            sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_strNote = "A4";
    m_bPlaying = false;

    OpenWaveOut();  // the slider starts at the device's right-channel level
    m_sliderVolume.SetRange(0, 0xFFFF, TRUE);
    UpdateData(FALSE);
    return TRUE;  // the focus goes to the first tab stop, On/Off
}

void CToneDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(&client);
    const IconOrigin at = CenteredIconOrigin(client.right - client.left, client.bottom - client.top, cxIcon, cyIcon);
    dc.DrawIcon(at.x, at.y, m_hIcon);
}

void CToneDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        // Close, the close box and Alt+F4 among them: they end the dialog as Cancel.
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CToneDlg::WinHelp(DWORD_PTR, UINT)
{
    // The notice is held as Windows-1251 text; shown in 16-bit text, its Russian
    // paragraph reads correctly whatever the system's 8-bit code page is.
    MessageBox(HelpNoticeText().c_str(), L"Sonivel", MB_OK);
}

HCURSOR CToneDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
