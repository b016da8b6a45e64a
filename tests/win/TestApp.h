// The application object of the test program; its map takes one command, so
// that tests can see commands reach the application.
#ifndef SONIVEL_TESTS_TESTAPP_H
#define SONIVEL_TESTS_TESTAPP_H

#include "WinApp.h"

class TestApp : public CWinApp {
public:
    static constexpr UINT kAppCommand = 0x8123;

    int appCommands = 0;

protected:
    void OnAppCommand() { ++appCommands; }

    DECLARE_MESSAGE_MAP()
};

inline TestApp& testApp()
{
    return static_cast<TestApp&>(*AfxGetApp());
}

#endif
