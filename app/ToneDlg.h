// The main dialog: the note list, the On/Off button and the volume slider.
#ifndef SONIVEL_APP_TONEDLG_H
#define SONIVEL_APP_TONEDLG_H

#include <windows.h>

#include <mmsystem.h>

#include <optional>

#include "DataExchange.h"
#include "Dialog.h"
#include "SliderCtrl.h"
#include "String.h"

class CToneDlg : public CDialog {
public:
    explicit CToneDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // The tone player.
    void OnSelchangeNote();
    void OnOnOff();

    // The volume control: every paint of the slider sets its position as the
    // level of both channels.
    void OnCustomdrawVolume(NMHDR* pNMHDR, LRESULT* pResult);

    // The program icon: drawn while minimised, and shown while dragged.
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    // The About item of the system menu opens the About box; F1 shows the
    // help notice.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    DECLARE_MESSAGE_MAP()

private:
    // The tone asset ID of the note with exactly this name, if there is one.
    static std::optional<UINT> FindToneId(const CString& name);
    void StartTone();
    void StopTone();
    // Opens the default wave-out device for its volume and reads the level.
    void OpenWaveOut();

    HICON m_hIcon;      // the program icon, loaded once, never released
    CString m_strNote;  // the chosen note's name as of the last refresh
    bool m_bPlaying;    // whether the tone is switched on
    CSliderCtrl m_sliderVolume;
    int m_nVolume;      // slider position, 0 to 65535
    // The device's packed stereo level as read at start (low word left, high
    // word right). Full scale until read, in case the device cannot be read.
    DWORD m_dwDeviceVolume = 0xFFFFFFFF;
    HWAVEOUT* m_phWaveOut = nullptr;
    WAVEFORMATEX* m_pFormat = nullptr;
    HWAVEOUT m_hWaveOut = nullptr;  // stays null if the device cannot be opened
    WAVEFORMATEX m_format{};
};

#endif
