#include "AboutDlg.h"

#include <shellapi.h>

#include "ProductText.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDC_LINK_MUSIC, &CAboutDlg::OnLinkMusic)
    ON_BN_CLICKED(IDC_LINK_SITE, &CAboutDlg::OnLinkSite)
END_MESSAGE_MAP()

namespace {

// Opens the address with the shell's default action (the default browser).
// Whether that works is the shell's affair; the box stays open either way.
void OpenWebPage(const char* address)
{
    ::ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

void CAboutDlg::OnLinkMusic()
{
    OpenWebPage(SONIVEL_MUSIC_URL);
}

void CAboutDlg::OnLinkSite()
{
    OpenWebPage(SONIVEL_SITE_URL);
}
