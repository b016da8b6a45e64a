// The About box and the help notice, under wine, through real messages: the
// system menu, the About box's ownership and focus, the help route from F1 in
// either dialog to the notice, and the link buttons.
#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Help.h"
#include "ImportPatch.h"
#include "DialogInput.h"
#include "ModalDriver.h"
#include "ProductText.h"
#include "SoundRecorder.h"
#include "TestApp.h"
#include "ToneDlg.h"
#include "WaveOutRecorder.h"
#include "resource.h"

extern "C" void* ImportedShellExecuteA __asm__("__imp__ShellExecuteA@24");

namespace {

// The main dialog, recording the help contexts that reach its WinHelp.
class MainDialog : public CToneDlg {
public:
    std::vector<std::pair<DWORD_PTR, UINT>> helpCalls;

protected:
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override
    {
        helpCalls.emplace_back(dwData, nCmd);
        CToneDlg::WinHelp(dwData, nCmd);
    }
};

struct Found {
    const char* caption;
    HWND owner;
    HWND window;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto& found = *reinterpret_cast<Found*>(param);
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption) == found.caption && ::GetWindow(window, GW_OWNER) == found.owner) {
        found.window = window;
        return FALSE;
    }
    return TRUE;
}

// A top-level window of this thread with that caption and owner.
HWND FindOwned(const char* caption, HWND owner)
{
    Found found{caption, owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchWindow, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

HWND FindAboutBox(HWND main)
{
    return FindOwned("About Sonivel", main);
}

HWND FindNotice(HWND main)
{
    return FindOwned("Sonivel", main);
}

std::wstring NoticeText(HWND notice)
{
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(notice, 0xFFFF, text, 1024);
    return text;
}

// F1 as the platform turns it into help: the key's WM_KEYF1 to the focused
// control, whose default processing sends WM_HELP up to its dialog.
void PressF1(HWND dialog)
{
    constexpr UINT WM_KEYF1 = 0x004D;
    ::PostMessageA(::GetFocus() != nullptr ? ::GetFocus() : dialog, WM_KEYF1, 0, 0);
}

// Holds a key down in this thread's keyboard state while it lives.
class KeyHeld {
public:
    explicit KeyHeld(int vk) : vk_(vk) { Set(0x80); }
    ~KeyHeld() { Set(0); }

private:
    void Set(BYTE state)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[vk_] = state;
        ::SetKeyboardState(keys);
    }
    int vk_;
};

class AboutAndHelp : public ::testing::Test {
protected:
    AboutAndHelp() { testApp().m_pMainWnd = &dlg; }
    ~AboutAndHelp() override { testApp().m_pMainWnd = nullptr; }

    SoundRecorder sound;
    WaveOutRecorder device{reinterpret_cast<HWAVEOUT>(0x5A5A), 0xFFFFFFFF};
    MainDialog dlg;
};

TEST_F(AboutAndHelp, SystemMenuEndsWithASeparatorAndTheAboutItem)
{
    RunModal(dlg, {[](HWND h) {
        HMENU menu = ::GetSystemMenu(h, FALSE);
        const int count = ::GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        char text[64] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        ASSERT_TRUE(::GetMenuItemInfoA(menu, count - 1, TRUE, &item));
        EXPECT_EQ(item.fType, static_cast<UINT>(MFT_STRING));
        EXPECT_EQ(item.wID, static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_STREQ(text, "&About Sonivel...");
        MENUITEMINFOA separator{};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_FTYPE;
        ASSERT_TRUE(::GetMenuItemInfoA(menu, count - 2, TRUE, &separator));
        EXPECT_EQ(separator.fType, static_cast<UINT>(MFT_SEPARATOR));
    }});
}

TEST_F(AboutAndHelp, SystemCommandsOpenTheAboutBoxOrGoToTheDefault)
{
    struct Case {
        WPARAM command;
        bool opens;
    };
    const Case cases[] = {{0x0010, true}, {0x001F, true}, {0x0011, true}, {0x0020, false}, {0x0000, false}};
    for (const auto& c : cases) {
        MainDialog main;
        testApp().m_pMainWnd = &main;
        bool opened = false;
        const INT_PTR result = RunModal(main, {
            [&](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, c.command, 0); },
            [&](HWND h) {
                HWND about = FindAboutBox(h);
                opened = about != nullptr;
                if (about != nullptr)
                    ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
            },
            [](HWND h) { EXPECT_EQ(FindAboutBox(h), nullptr); },
        });
        EXPECT_EQ(opened, c.opens) << std::hex << c.command;
        EXPECT_EQ(result, kEndedByDriver) << "the main dialog stays open";
    }
    MainDialog closing;
    testApp().m_pMainWnd = &closing;
    EXPECT_EQ(RunModal(closing, {[](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }}), IDCANCEL)
        << "Close still ends the program";
}

TEST_F(AboutAndHelp, TheAboutBoxIsOwnedCentredFocusedOnOkAndLeavesTheToneAlone)
{
    HWND about = nullptr;
    RunModal(dlg, {
        [&](HWND h) {
            SendCommand(h, IDOK, BN_CLICKED);  // the tone is on
            sound.Take();
            ::PostMessageA(h, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        },
        [&](HWND h) {
            about = FindAboutBox(h);
            ASSERT_NE(about, nullptr);
            EXPECT_FALSE(::IsWindowEnabled(h)) << "the main dialog is disabled while the box is up";
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(about, IDOK));
            RECT box{}, main{};
            ::GetWindowRect(about, &box);
            ::GetWindowRect(h, &main);
            const LONG boxX = (box.left + box.right) / 2, mainX = (main.left + main.right) / 2;
            const LONG boxY = (box.top + box.bottom) / 2, mainY = (main.top + main.bottom) / 2;
            // Centred over the main dialog, unless the screen's edge pushed it in.
            if (box.left > 0 && box.top > 0) {
                EXPECT_NEAR(boxX, mainX, 1);
                EXPECT_NEAR(boxY, mainY, 1);
            }
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
        },
        [&](HWND h) {
            EXPECT_FALSE(::IsWindow(about));
            EXPECT_TRUE(::IsWindowEnabled(h));
            ::PostMessageA(h, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);  // and again, afresh
        },
        [&](HWND h) {
            about = FindAboutBox(h);
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(about, IDOK));
            SendCommand(about, IDOK, BN_CLICKED);
        },
        [&](HWND h) {
            EXPECT_FALSE(::IsWindow(about));
            EXPECT_EQ(::SendDlgItemMessageA(h, IDC_NOTE, CB_GETCURSEL, 0, 0), 33);
            EXPECT_TRUE(sound.Take().empty()) << "nothing stopped or restarted the tone";
        },
    });
}

TEST_F(AboutAndHelp, F1InTheMainDialogShowsTheNoticeOwnedByIt)
{
    const std::wstring expected = L"" SONIVEL_NOTICE_EN "\n\n" SONIVEL_NOTICE_RU;
    RunModal(dlg, {
        [&](HWND h) {
            SendCommand(h, IDOK, BN_CLICKED);
            sound.Take();
            PressF1(h);
        },
        [&](HWND h) {
            HWND notice = FindNotice(h);
            ASSERT_NE(notice, nullptr);
            const std::wstring text = NoticeText(notice);
            EXPECT_EQ(text, expected);
            EXPECT_NE(text.find(L"RUS: Автор будет весьма признателен"), std::wstring::npos) << "Cyrillic, correctly";
            EXPECT_EQ(text.find(L"\r"), std::wstring::npos);
            EXPECT_EQ(::GetDlgItem(notice, IDCANCEL), nullptr) << "one OK button only";
            ::PostMessageA(notice, WM_COMMAND, IDOK, 0);
        },
        [&](HWND h) {
            EXPECT_EQ(FindNotice(h), nullptr);
            EXPECT_TRUE(::IsWindowEnabled(h));
            EXPECT_TRUE(sound.Take().empty()) << "the tone plays on";
        },
    });
    ASSERT_EQ(dlg.helpCalls.size(), 1u);
    EXPECT_EQ(dlg.helpCalls[0], (std::pair<DWORD_PTR, UINT>{HID_BASE_RESOURCE + IDD_TONE_DIALOG, HELP_CONTEXT}));
}

TEST_F(AboutAndHelp, F1InTheAboutBoxShowsTheNoticeOwnedByTheMainDialog)
{
    HWND about = nullptr;
    std::vector<Step> steps = {
        [&](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
        [&](HWND h) { about = FindAboutBox(h); ASSERT_NE(about, nullptr); },
    };
    for (int button : {IDOK, IDC_LINK_MUSIC, IDC_LINK_SITE}) {
        steps.push_back([&, button](HWND) {
            ::SetFocus(::GetDlgItem(about, button));
            PressF1(about);
        });
        steps.push_back([&, button](HWND h) {
            HWND notice = FindNotice(h);
            ASSERT_NE(notice, nullptr) << "focus on " << button;
            EXPECT_EQ(FindNotice(about), nullptr) << "not owned by the About box";
            ::PostMessageA(notice, WM_COMMAND, IDOK, 0);
        });
        steps.push_back([&](HWND h) {
            EXPECT_EQ(FindNotice(h), nullptr);
            EXPECT_TRUE(::IsWindow(about)) << "the About box is still open";
        });
    }
    steps.push_back([&](HWND) { ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0); });
    RunModal(dlg, steps);
    ASSERT_EQ(dlg.helpCalls.size(), 3u);
    for (const auto& call : dlg.helpCalls)
        EXPECT_EQ(call, (std::pair<DWORD_PTR, UINT>{HID_BASE_RESOURCE + IDD_ABOUTBOX, HELP_CONTEXT}));
}

TEST_F(AboutAndHelp, F1WithShiftCtrlOrAltShowsNothing)
{
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        MainDialog main;
        testApp().m_pMainWnd = &main;
        std::optional<KeyHeld> held;
        RunModal(main, {
            [&](HWND h) {
                held.emplace(vk);
                PressF1(h);
            },
            [&](HWND h) {
                EXPECT_EQ(FindNotice(h), nullptr) << "with key " << vk;
                held.reset();
            },
        });
        EXPECT_TRUE(main.helpCalls.empty());
    }
}

struct ShellCall {
    HWND owner;
    std::string verb, file;
    bool parameters, directory;
    int show;
};
std::vector<ShellCall>* g_shellCalls = nullptr;

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    g_shellCalls->push_back({owner, verb != nullptr ? verb : "(none)", file != nullptr ? file : "(none)",
                             parameters != nullptr, directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(42);
}

TEST_F(AboutAndHelp, EachLinkClickAsksTheShellOnceAndTheBoxStaysOpen)
{
    std::vector<ShellCall> calls;
    g_shellCalls = &calls;
    ImportPatch patch(&ImportedShellExecuteA, reinterpret_cast<void*>(&RecordShellExecute));
    HWND about = nullptr;
    RunModal(dlg, {
        [&](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
        [&](HWND h) {
            about = FindAboutBox(h);
            ASSERT_NE(about, nullptr);
            SendCommand(about, IDC_LINK_MUSIC, BN_CLICKED);
            SendCommand(about, IDC_LINK_SITE, BN_CLICKED);
            SendCommand(about, IDC_LINK_SITE, BN_CLICKED);
        },
        [&](HWND) {
            EXPECT_TRUE(::IsWindowVisible(about));
            ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
        },
    });
    g_shellCalls = nullptr;
    const std::string files[] = {SONIVEL_MUSIC_URL, SONIVEL_SITE_URL, SONIVEL_SITE_URL};
    ASSERT_EQ(calls.size(), 3u);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].owner, nullptr);
        EXPECT_EQ(calls[i].verb, "(none)");
        EXPECT_EQ(calls[i].file, files[i]);
        EXPECT_FALSE(calls[i].parameters);
        EXPECT_FALSE(calls[i].directory);
        EXPECT_EQ(calls[i].show, SW_SHOWNORMAL);
    }
}

}  // namespace
