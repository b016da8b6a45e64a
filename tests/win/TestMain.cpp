// The test program's entry point and its application object.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "TestApp.h"

int main(int argc, char** argv)
{
    TestApp app;
    ::InitCommonControls();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
