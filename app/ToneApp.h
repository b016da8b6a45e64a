// The application: runs the main dialog and ends with it.
#ifndef SONIVEL_APP_TONEAPP_H
#define SONIVEL_APP_TONEAPP_H

#include "WinApp.h"

class CToneApp : public CWinApp {
public:
    CToneApp() = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

#endif
