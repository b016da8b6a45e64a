// A message storm, under wine: 100,000 random but well-formed messages to the
// main dialog. It must not crash or hang, must not grow in handles or memory
// beyond a small bound, and must end with the tone state that the last On/Off
// and selection events call for. Any modal box that opens is closed again.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "Help.h"
#include "DialogInput.h"
#include "ModalDriver.h"
#include "ProcessUsage.h"
#include "SoundRecorder.h"
#include "TestApp.h"
#include "ToneDlg.h"
#include "WaveOutRecorder.h"
#include "resource.h"

namespace {

HWND g_main = nullptr;
int g_boxesClosed = 0;

BOOL CALLBACK CloseOwnedBox(HWND window, LPARAM)
{
    if (g_main != nullptr && ::GetWindow(window, GW_OWNER) == g_main) {
        ::EndDialog(window, IDOK);
        ++g_boxesClosed;
    }
    return TRUE;
}

// Runs inside the modal loop of any box that opens over the main dialog.
void CALLBACK CloseBoxes(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), &CloseOwnedBox, 0);
}

void SetKey(int vk, bool down)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[vk] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// System commands that neither close the program nor open a modal box or loop.
WPARAM SafeSystemCommand(std::mt19937& random)
{
    const WPARAM standard[] = {SC_MINIMIZE, SC_RESTORE, SC_MAXIMIZE, SC_DEFAULT};
    if (random() % 20 == 0)
        return standard[random() % 4];
    // Anything else below the standard range, away from the About item (0x10 to 0x1F).
    return 0x0020 + random() % (0xF000 - 0x0020);
}

class Storm {
public:
    Storm(HWND dialog, std::mt19937& random) : dialog_(dialog), random_(random) {}

    bool playing = false;  // as the On/Off events so far call for

    // Mostly cheap events; the few that open a box (help) or change the
    // window's state (some system commands) are rarer, as they cost far more.
    void RandomEvent()
    {
        const unsigned kind = random_() % 1000;
        if (kind < 350)
            RandomCommand();
        else if (kind < 650)
            ChooseNote(dialog_, static_cast<int>(random_() % 42) - 1);  // -1: no selection
        else if (kind < 750)
            MoveSlider();
        else if (kind < 900)
            PaintNotice(dialog_);
        else if (kind < 980)
            ::SendMessageA(dialog_, WM_SYSCOMMAND, SafeSystemCommand(random_), 0);
        else if (kind < 998)
            ::RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        else
            Help();
    }

private:
    void RandomCommand()
    {
        const UINT ids[] = {IDOK, IDCANCEL, IDC_NOTE, IDC_VOLUME, static_cast<UINT>(random_() & 0xFFFF)};
        const UINT id = random_() % 100 == 0 ? ID_HELP : ids[random_() % 5];
        const UINT code = random_() % 3 == 0 ? 0 : random_() & 0xFFFF;
        if (id == IDCANCEL && code == 0)
            return;  // that ends the program
        if (id == IDOK && code == BN_CLICKED)
            playing = !playing;
        const LPARAM control = random_() % 2 == 0 ? reinterpret_cast<LPARAM>(::GetDlgItem(dialog_, static_cast<int>(id))) : 0;
        ::SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, code), control);
    }

    void MoveSlider()
    {
        HWND slider = ::GetDlgItem(dialog_, IDC_VOLUME);
        ::SendMessageA(slider, TBM_SETPOS, TRUE, static_cast<LPARAM>(random_() % 65536));
        ::UpdateWindow(slider);
    }

    void Help()
    {
        const int modifiers[] = {0, VK_SHIFT, VK_CONTROL, VK_MENU};
        const int held = modifiers[random_() % 4];
        if (held != 0)
            SetKey(held, true);
        HELPINFO info{sizeof info, HELPINFO_WINDOW, IDOK, ::GetDlgItem(dialog_, IDOK), 0, {0, 0}};
        ::SendMessageA(dialog_, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));  // a notice is closed by the timer
        if (held != 0)
            SetKey(held, false);
    }

    HWND dialog_;
    std::mt19937& random_;
};

TEST(MessageStorm, HundredThousandRandomMessages)
{
    constexpr int kEvents = 100000;
    const unsigned seed = std::random_device{}();
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);

    SoundRecorder sound;
    WaveOutRecorder device{reinterpret_cast<HWAVEOUT>(0x5A5A), 0x80008000};
    CToneDlg dlg;
    testApp().m_pMainWnd = &dlg;

    ProcessUsage before{}, after{};
    const INT_PTR result = RunModal(dlg, {[&](HWND h) {
        g_main = h;
        const UINT_PTR closer = ::SetTimer(nullptr, 0, 5, &CloseBoxes);
        Storm storm(h, random);
        // The recorders' logs are emptied as the storm goes, so that they do not
        // count as the program's memory.
        auto event = [&] {
            storm.RandomEvent();
            sound.Take();
            device.TakeSets();
        };
        for (int i = 0; i < kEvents / 10; ++i)  // let caches and pools settle first
            event();
        before = ProcessUsage::Now();
        for (int i = 0; i < kEvents; ++i)
            event();
        after = ProcessUsage::Now();

        // The tone state the events call for: a final selection change starts
        // the chosen note if the tone is on, and only stops otherwise.
        ::ShowWindow(h, SW_RESTORE);
        sound.Take();
        ChooseNote(h, 7);
        const std::vector<PlaySoundCall> expected =
            storm.playing ? std::vector<PlaySoundCall>{StopCall(), StartCall(212 + 7)} : std::vector<PlaySoundCall>{StopCall()};
        EXPECT_EQ(sound.Take(), expected) << (storm.playing ? "on" : "off");
        ::KillTimer(nullptr, closer);
        g_main = nullptr;
    }});
    testApp().m_pMainWnd = nullptr;
    EXPECT_EQ(result, kEndedByDriver) << "the storm must not end the dialog";

    std::printf("after %d events: handles %lu -> %lu, memory %.0f -> %.0f KiB; %d boxes closed\n", kEvents,
                before.handles, after.handles, before.memory / 1024.0, after.memory / 1024.0, g_boxesClosed);
    EXPECT_LE(after.handles, before.handles + 16);
    EXPECT_LE(after.memory, before.memory + 256 * 1024);
}

}  // namespace
