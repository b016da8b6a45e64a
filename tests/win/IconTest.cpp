// The program icon in the main dialog, under wine: the window's icons, the drag
// icon, and the drawing of the minimised window.
#include <windows.h>

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "IconOrigin.h"
#include "ImportPatch.h"
#include "ModalDriver.h"
#include "SoundRecorder.h"
#include "ToneDlg.h"
#include "WaveOutRecorder.h"
#include "resource.h"

extern "C" void* ImportedDrawIcon __asm__("__imp__DrawIcon@16");

namespace {

struct DrawIconCall {
    int x, y;
    HICON icon;
};
std::vector<DrawIconCall>* g_drawn = nullptr;

BOOL WINAPI RecordDrawIcon(HDC, int x, int y, HICON icon)
{
    if (g_drawn != nullptr)
        g_drawn->push_back({x, y, icon});
    return TRUE;
}

class ProgramIcon : public ::testing::Test {
protected:
    SoundRecorder sound;
    WaveOutRecorder device{reinterpret_cast<HWAVEOUT>(0x5A5A), 0xFFFFFFFF};
    CToneDlg dlg;
    HICON programIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
};

TEST_F(ProgramIcon, IsTheWindowsBigAndSmallIconAndItsDragIcon)
{
    ASSERT_NE(programIcon, nullptr);
    RunModal(dlg, {[&](HWND h) {
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(h, WM_GETICON, ICON_BIG, 0)), programIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(h, WM_GETICON, ICON_SMALL, 0)), programIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(h, WM_QUERYDRAGICON, 0, 0)), programIcon);
    }});
}

TEST_F(ProgramIcon, IsDrawnCentredOnlyWhileMinimised)
{
    std::vector<DrawIconCall> drawn;
    g_drawn = &drawn;
    ImportPatch patch(&ImportedDrawIcon, reinterpret_cast<void*>(&RecordDrawIcon));
    RunModal(dlg, {
        [&](HWND h) {
            ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_TRUE(drawn.empty()) << "an open window paints as a dialog";

            ::ShowWindow(h, SW_MINIMIZE);
            ASSERT_TRUE(::IsIconic(h));
            drawn.clear();
            // Whether the platform still paints a minimised window varies; ask for it.
            ::SendMessageA(h, WM_PAINT, 0, 0);
            RECT client{};
            ::GetClientRect(h, &client);
            const IconOrigin expected = CenteredIconOrigin(client.right, client.bottom, ::GetSystemMetrics(SM_CXICON),
                                                           ::GetSystemMetrics(SM_CYICON));
            ASSERT_EQ(drawn.size(), 1u);
            EXPECT_EQ(drawn[0].x, expected.x);
            EXPECT_EQ(drawn[0].y, expected.y);
            EXPECT_EQ(drawn[0].icon, programIcon);
            ::ShowWindow(h, SW_RESTORE);
            std::printf("minimised client %ldx%ld, icon drawn at (%d, %d)\n", client.right, client.bottom, drawn[0].x,
                        drawn[0].y);
        },
        [&](HWND h) {
            ASSERT_FALSE(::IsIconic(h));
            drawn.clear();
            ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_TRUE(drawn.empty());
        },
    });
    g_drawn = nullptr;
}

TEST(IconOrigin, CentredWithSignedTruncatingArithmetic)
{
    struct Case {
        int clientWidth, clientHeight, iconWidth, iconHeight;
        IconOrigin expected;
    };
    const Case cases[] = {
        {0, 0, 32, 32, {-15, -15}},  // (0 - 32 + 1) / 2 truncates toward zero
        {1, 0, 32, 32, {-15, -15}},
        {31, 32, 32, 32, {0, 0}},
        {100, 50, 32, 32, {34, 9}},
        {160, 160, 32, 32, {64, 64}},
        {0, 0, 48, 48, {-23, -23}},
        {47, 2, 16, 16, {16, -6}},
    };
    for (const auto& c : cases) {
        const IconOrigin got = CenteredIconOrigin(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
        EXPECT_EQ(got, c.expected) << c.clientWidth << 'x' << c.clientHeight << " with " << c.iconWidth;
    }
}

}  // namespace
