// The volume control, under wine: the wave-out calls the main dialog makes,
// recorded through the program's import table, as the slider paints.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include <gtest/gtest.h>

#include "DialogInput.h"
#include "ModalDriver.h"
#include "SoundRecorder.h"
#include "ToneDlg.h"
#include "WaveOutRecorder.h"
#include "resource.h"

namespace {

using Sets = std::vector<WaveOutRecorder::SetVolume>;

const auto kDevice = reinterpret_cast<HWAVEOUT>(0x5A5A);

HWND Slider(HWND dialog)
{
    return ::GetDlgItem(dialog, IDC_VOLUME);
}

// Paints the slider now, as uncovering it would.
void Repaint(HWND dialog)
{
    ::InvalidateRect(Slider(dialog), nullptr, TRUE);
    ::UpdateWindow(Slider(dialog));
}

class Volume : public ::testing::Test {
protected:
    // The device reports left 0x8000, right 0x4000.
    explicit Volume(HWAVEOUT handle = kDevice) : device(handle, 0x40008000) {}

    // Every level set since the last look, which must all be `level`, at least once.
    void ExpectLevelsSet(DWORD level, HWAVEOUT handle = kDevice)
    {
        const Sets sets = device.TakeSets();
        ASSERT_FALSE(sets.empty()) << "no level was set";
        for (const auto& set : sets)
            EXPECT_EQ(set, (WaveOutRecorder::SetVolume{handle, level})) << std::hex << set.volume;
    }

    SoundRecorder sound;
    WaveOutRecorder device;
    CToneDlg dlg;
};

TEST_F(Volume, OpensTheDefaultDeviceOnceAndStartsAtTheRightChannel)
{
    RunModal(dlg, {[&](HWND h) {
        ASSERT_EQ(device.opens.size(), 1u);
        const auto& open = device.opens[0];
        EXPECT_EQ(open.device, WAVE_MAPPER);
        EXPECT_EQ(open.callback, 0u);
        EXPECT_EQ(open.instance, 0u);
        EXPECT_EQ(open.flags, static_cast<DWORD>(CALLBACK_NULL));
        EXPECT_EQ(open.format.wFormatTag, WAVE_FORMAT_PCM);
        EXPECT_EQ(open.format.nChannels, 1);
        EXPECT_EQ(open.format.nSamplesPerSec, 44100u);
        EXPECT_EQ(open.format.nAvgBytesPerSec, 44100u);
        EXPECT_EQ(open.format.nBlockAlign, 1);
        EXPECT_EQ(open.format.wBitsPerSample, 8);
        EXPECT_EQ(open.format.cbSize, 0);

        ASSERT_EQ(device.reads.size(), 1u);
        EXPECT_EQ(device.reads[0].handle, kDevice) << "the level is read from the handle the open gave";

        EXPECT_EQ(::SendMessageA(Slider(h), TBM_GETPOS, 0, 0), 0x4000);
        ExpectLevelsSet(0x40004000);  // the first paint gives up the left level
    }});
    EXPECT_EQ(device.opens.size(), 1u) << "opened once, for the life of the dialog";
}

TEST_F(Volume, EveryPaintSetsThePositionOnBothChannels)
{
    const std::pair<int, DWORD> cases[] = {
        {0, 0x00000000}, {1, 0x00010001}, {0x1234, 0x12341234}, {65535, 0xFFFFFFFF}, {0x8000, 0x80008000},
    };
    RunModal(dlg, {[&](HWND h) {
        device.TakeSets();
        for (const auto& [position, level] : cases) {
            ::SendMessageA(Slider(h), TBM_SETPOS, TRUE, position);
            ::UpdateWindow(Slider(h));
            ExpectLevelsSet(level);
            Repaint(h);  // a paint without a move sets the same level again
            ExpectLevelsSet(level);
        }
    }});
}

TEST_F(Volume, MovingTheSliderByKeyWhileTheToneIsOffSetsTheLevel)
{
    RunModal(dlg, {
        [&](HWND h) {
            ::SetFocus(Slider(h));
            ::UpdateWindow(Slider(h));
            ExpectLevelsSet(0x40004000);  // gaining the focus repaints
            ::PostMessageA(Slider(h), WM_KEYDOWN, VK_END, 1);
        },
        [&](HWND h) {
            ::UpdateWindow(Slider(h));
            EXPECT_EQ(::SendMessageA(Slider(h), TBM_GETPOS, 0, 0), 0xFFFF);
            const Sets sets = device.TakeSets();
            ASSERT_FALSE(sets.empty());
            EXPECT_EQ(sets.back(), (WaveOutRecorder::SetVolume{kDevice, 0xFFFFFFFF}));
            EXPECT_TRUE(sound.Take().empty()) << "the tone stays off";
        },
    });
}

TEST_F(Volume, APaintRefreshesTheNoteThatOnOffStarts)
{
    RunModal(dlg, {[&](HWND h) {
        ::SendDlgItemMessageA(h, IDC_NOTE, CB_SETCURSEL, 4, 0);  // E2, without a selection notice
        Repaint(h);
        SendCommand(h, IDOK, BN_CLICKED);
        EXPECT_EQ(sound.Take(), (std::vector<PlaySoundCall>{StopCall(), StartCall(216)}));
    }});
}

TEST_F(Volume, TheHandlerAsksTheSliderForItsDefaultDrawing)
{
    RunModal(dlg, {[&](HWND h) {
        ::SetWindowLongPtrA(h, DWLP_MSGRESULT, 5);
        PaintNotice(h);
        EXPECT_EQ(::GetWindowLongPtrA(h, DWLP_MSGRESULT), CDRF_DODEFAULT);
    }});
}

class NoDevice : public Volume {
protected:
    NoDevice() : Volume(nullptr) {}
};

TEST_F(NoDevice, TheDialogWorksAndTheVolumeCallsFailHarmlessly)
{
    RunModal(dlg, {[&](HWND h) {
        ASSERT_EQ(device.opens.size(), 1u);
        EXPECT_EQ(device.reads.size(), 1u);
        EXPECT_EQ(::SendMessageA(Slider(h), TBM_GETPOS, 0, 0), 0xFFFF) << "full scale when nothing could be read";
        ExpectLevelsSet(0xFFFFFFFF, nullptr);

        ::SendMessageA(Slider(h), TBM_SETPOS, TRUE, 0x1234);
        ::UpdateWindow(Slider(h));
        ExpectLevelsSet(0x12341234, nullptr);

        SendCommand(h, IDOK, BN_CLICKED);
        EXPECT_EQ(sound.Take(), (std::vector<PlaySoundCall>{StopCall(), StartCall(245)}));
    }});
}

}  // namespace
