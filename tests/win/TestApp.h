// The application object of the test program: the program's own application
// class, whose map sends the Help command on, with one more command in its map
// so that tests can see commands reach the application.
#ifndef SONIVEL_TESTS_TESTAPP_H
#define SONIVEL_TESTS_TESTAPP_H

#include "ToneApp.h"

class TestApp : public CToneApp {
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
