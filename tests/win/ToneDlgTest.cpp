// The main dialog and its tone player, under wine, driven by real messages. The
// program's PlaySound calls are recorded instead of sounding.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogInput.h"
#include "ModalDriver.h"
#include "NoteTable.h"
#include "SoundRecorder.h"
#include "ToneDlg.h"
#include "WaveOutRecorder.h"
#include "resource.h"

namespace {

using Calls = std::vector<PlaySoundCall>;

void PressOnOff(HWND dialog)
{
    SendCommand(dialog, IDOK, BN_CLICKED);
}

int IndexOf(const char* name)
{
    return static_cast<int>(tones::findNote(name).value());
}

class ToneDialog : public ::testing::Test {
protected:
    SoundRecorder sound;
    WaveOutRecorder device{reinterpret_cast<HWAVEOUT>(0x5A5A), 0xFFFFFFFF};
    CToneDlg dlg;
};

TEST_F(ToneDialog, OpensWithTheNotesInOrderA4SelectedAndSilence)
{
    const INT_PTR result = RunModal(dlg, {[&](HWND h) {
        HWND list = ::GetDlgItem(h, IDC_NOTE);
        ASSERT_EQ(::SendMessageA(list, CB_GETCOUNT, 0, 0), 41);
        for (int i = 0; i < 41; ++i) {
            char text[8] = {};
            ::SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, tones::kNotes[i].name);
        }
        EXPECT_EQ(::SendMessageA(list, CB_GETCURSEL, 0, 0), 33);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(h, IDOK));

        HWND slider = ::GetDlgItem(h, IDC_VOLUME);
        EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
        EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 0xFFFF);

        char caption[16] = {};
        ::GetWindowTextA(h, caption, sizeof caption);
        EXPECT_STREQ(caption, "Sonivel");
    }});
    EXPECT_EQ(result, kEndedByDriver);
    EXPECT_EQ(sound.Take(), Calls{}) << "nothing sounds, and nothing is stopped, at start";
}

TEST_F(ToneDialog, FollowsTheStateTable)
{
    struct Event {
        const char* what;
        Step step;
        Calls expected;
    };
    const Event events[] = {
        {"On/Off loops A4", PressOnOff, {StopCall(), StartCall(245)}},
        {"On/Off again stops", PressOnOff, {StopCall()}},
        {"E2 while Off only stops", [](HWND h) { ChooseNote(h, IndexOf("E2")); }, {StopCall()}},
        {"On/Off loops the chosen E2", PressOnOff, {StopCall(), StartCall(216)}},
        {"C2 while On switches", [](HWND h) { ChooseNote(h, 0); }, {StopCall(), StartCall(212)}},
        {"E5 while On switches", [](HWND h) { ChooseNote(h, 40); }, {StopCall(), StartCall(252)}},
        {"E5 again restarts", [](HWND h) { ChooseNote(h, 40); }, {StopCall(), StartCall(252)}},
        {"On/Off stops", PressOnOff, {StopCall()}},
        {"On/Off starts E5 anew", PressOnOff, {StopCall(), StartCall(252)}},
    };
    std::vector<Step> steps;
    for (const auto& e : events) {
        steps.push_back([&](HWND h) {
            e.step(h);
            EXPECT_EQ(sound.Take(), e.expected) << e.what;
        });
    }
    EXPECT_EQ(RunModal(dlg, steps), kEndedByDriver);
    EXPECT_EQ(sound.Take(), Calls{}) << "closing the dialog issues no stop";
}

TEST_F(ToneDialog, OnOffWithNoNoteSelected)
{
    RunModal(dlg, {[&](HWND h) {
        ChooseNote(h, -1);  // no item selected: the refresh empties the name
        EXPECT_EQ(sound.Take(), Calls{StopCall()});
        PressOnOff(h);      // On, but silent
        EXPECT_EQ(sound.Take(), Calls{StopCall()});
        ChooseNote(h, 0);   // the selection change while On starts the chosen note
        EXPECT_EQ(sound.Take(), (Calls{StopCall(), StartCall(212)}));
        PressOnOff(h);      // and the next press goes to Off
        EXPECT_EQ(sound.Take(), Calls{StopCall()});
    }});
}

TEST_F(ToneDialog, OnOffUsesTheNameOfTheLastRefreshOnly)
{
    RunModal(dlg, {[&](HWND h) {
        // A selection without its notice is not a refresh: A4 still sounds.
        ::SendDlgItemMessageA(h, IDC_NOTE, CB_SETCURSEL, 0, 0);
        PressOnOff(h);
        EXPECT_EQ(sound.Take(), (Calls{StopCall(), StartCall(245)}));
    }});
}

TEST_F(ToneDialog, EnterActsAsOnOffAndEscEnds)
{
    auto key = [](HWND h, UINT vk) {
        HWND focus = ::GetFocus() != nullptr ? ::GetFocus() : h;
        ::PostMessageA(focus, WM_KEYDOWN, vk, 1);
        ::PostMessageA(focus, WM_KEYUP, vk, 0xC0000001);
    };
    const INT_PTR result = RunModal(dlg, {
        [&](HWND h) { key(h, VK_RETURN); },
        [&](HWND h) {
            EXPECT_TRUE(::IsWindowVisible(h)) << "Enter never closes the dialog";
            EXPECT_EQ(sound.Take(), (Calls{StopCall(), StartCall(245)}));
            ::SetFocus(::GetDlgItem(h, IDC_NOTE));
            key(h, VK_RETURN);
        },
        [&](HWND h) {
            EXPECT_EQ(sound.Take(), Calls{StopCall()}) << "Enter in the list too";
            key(h, VK_ESCAPE);
        },
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(ToneDialog, CloseBoxAndSystemMenuCloseEndTheDialog)
{
    EXPECT_EQ(RunModal(dlg, {[](HWND h) { ::PostMessageA(h, WM_CLOSE, 0, 0); }}), IDCANCEL);
    CToneDlg second;
    EXPECT_EQ(RunModal(second, {[](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }}), IDCANCEL);
}

TEST_F(ToneDialog, TenThousandAlternatingEventsKeepTheState)
{
    RunModal(dlg, {[&](HWND h) {
        // A model of the player: which calls each event must make.
        bool playing = false;
        int note = IndexOf("A4");
        Calls expected;
        for (int i = 0; i < 10000; ++i) {
            if (i % 2 == 0) {
                PressOnOff(h);
                playing = !playing;
                expected.push_back(StopCall());
                if (playing)
                    expected.push_back(StartCall(tones::assetId(note)));
            } else {
                note = (i * 7) % 41;
                ChooseNote(h, note);
                expected.push_back(StopCall());
                if (playing)
                    expected.push_back(StartCall(tones::assetId(note)));
            }
        }
        EXPECT_FALSE(playing);  // 5,000 presses
        const Calls calls = sound.Take();
        EXPECT_EQ(calls.size(), expected.size());
        EXPECT_TRUE(calls == expected);
        PressOnOff(h);  // so the next press starts the last chosen note
        EXPECT_EQ(sound.Take(), (Calls{StopCall(), StartCall(tones::assetId(note))}));
    }});
}

}  // namespace
