// The main dialog: the note list, the On/Off button and the volume slider.
#ifndef SONIVEL_APP_TONEDLG_H
#define SONIVEL_APP_TONEDLG_H

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

    DECLARE_MESSAGE_MAP()

private:
    // The tone asset ID of the note with exactly this name, if there is one.
    static std::optional<UINT> FindToneId(const CString& name);
    void StartTone();
    void StopTone();

    CString m_strNote;  // the chosen note's name as of the last refresh
    bool m_bPlaying;    // whether the tone is switched on
    CSliderCtrl m_sliderVolume;
    int m_nVolume;      // slider position, 0 to 65535
};

#endif
