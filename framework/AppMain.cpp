// The program's entry point: hands control to the application object.
#include "WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    // A dialog-based program does all its work inside InitInstance and returns
    // FALSE from it; there is no message loop to run afterwards.
    app->InitInstance();
    return 0;
}
