#include "SliderCtrl.h"

#include <commctrl.h>

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw)
{
    SendMessage(TBM_SETRANGEMIN, bRedraw, nMin);
    SendMessage(TBM_SETRANGEMAX, bRedraw, nMax);
}
