// The volume control: the default wave-out device is opened once, only to get
// a handle for volume calls; no audio is ever written to it. The slider starts
// at the device's right-channel level, and every paint of the slider sets its
// position as the level of both channels.
#include "ToneDlg.h"

#include <commctrl.h>

void CToneDlg::OpenWaveOut()
{
    m_pFormat = &m_format;
    m_phWaveOut = &m_hWaveOut;

    // The format of the tone assets: 8-bit mono PCM at 44100 samples per second.
    m_pFormat->wFormatTag = WAVE_FORMAT_PCM;
    m_pFormat->nChannels = 1;
    m_pFormat->nSamplesPerSec = 44100;
    m_pFormat->nAvgBytesPerSec = 44100;
    m_pFormat->nBlockAlign = 1;
    m_pFormat->wBitsPerSample = 8;
    m_pFormat->cbSize = 0;

    // The device stays open for the life of the program. Without a device the
    // handle stays null, the level stays at full scale, and the volume calls fail
    // harmlessly.
    ::waveOutOpen(m_phWaveOut, WAVE_MAPPER, m_pFormat, 0, 0, CALLBACK_NULL);
    ::waveOutGetVolume(m_hWaveOut, &m_dwDeviceVolume);
    m_nVolume = HIWORD(m_dwDeviceVolume);
}

void CToneDlg::OnCustomdrawVolume(NMHDR*, LRESULT* pResult)
{
    // The refresh also takes the note list's text, which On/Off then uses.
    UpdateData(TRUE);
    const auto level = static_cast<DWORD>(m_nVolume);
    ::waveOutSetVolume(m_hWaveOut, level << 16 | level);
    *pResult = CDRF_DODEFAULT;
}
