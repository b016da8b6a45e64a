#include "ToneDlg.h"

#include <commctrl.h>

#include "resource.h"

BEGIN_MESSAGE_MAP(CToneDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_NOTE, &CToneDlg::OnSelchangeNote)
    ON_BN_CLICKED(IDOK, &CToneDlg::OnOnOff)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_VOLUME, &CToneDlg::OnCustomdrawVolume)
END_MESSAGE_MAP()

CToneDlg::CToneDlg(CWnd* pParent) : CDialog(IDD_TONE_DIALOG, pParent), m_bPlaying(false), m_nVolume(0)
{
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

    m_strNote = "A4";
    m_bPlaying = false;

    OpenWaveOut();  // the slider starts at the device's right-channel level
    m_sliderVolume.SetRange(0, 0xFFFF, TRUE);
    UpdateData(FALSE);
    return TRUE;  // the focus goes to the first tab stop, On/Off
}
