#include "TestApp.h"

BEGIN_MESSAGE_MAP(TestApp, CToneApp)
    ON_COMMAND(TestApp::kAppCommand, &TestApp::OnAppCommand)
END_MESSAGE_MAP()
