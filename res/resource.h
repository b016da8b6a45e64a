// Resource identifiers shared by the resource script, the program and the
// build-time generators. Plain #defines so that the resource compiler reads it too.
#ifndef SONIVEL_RESOURCE_H
#define SONIVEL_RESOURCE_H

#define IDD_TONE_DIALOG     102
#define IDR_MAINFRAME       128
#define IDC_NOTE            1001
#define IDC_VOLUME          1002

// Tone assets: "WAVE" resources IDR_TONE_FIRST (C2) to IDR_TONE_FIRST + 40 (E5).
#define IDR_TONE_FIRST      212

#endif
