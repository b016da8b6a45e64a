// The About box: the product, the notices, and two buttons that open web pages.
#ifndef SONIVEL_APP_ABOUTDLG_H
#define SONIVEL_APP_ABOUTDLG_H

#include "Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void OnLinkMusic();
    void OnLinkSite();

    DECLARE_MESSAGE_MAP()
};

#endif
