// Wrapper of a trackbar control ("msctls_trackbar32").
#ifndef SONIVEL_FRAMEWORK_SLIDERCTRL_H
#define SONIVEL_FRAMEWORK_SLIDERCTRL_H

#include "Wnd.h"

class CSliderCtrl : public CWnd {
public:
    // Sets the minimum, then the maximum position.
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
};

#endif
