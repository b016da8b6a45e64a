// Resource identifiers shared by the resource script, the program and the
// build-time generators. Plain #defines so that the resource compiler reads it too.
#ifndef SONIVEL_RESOURCE_H
#define SONIVEL_RESOURCE_H

#define IDD_ABOUTBOX        100
#define IDS_ABOUTBOX        101
#define IDD_TONE_DIALOG     102
#define IDR_MAINFRAME       128
#define IDC_NOTE            1001
#define IDC_VOLUME          1002
#define IDC_LINK_MUSIC      1003
#define IDC_LINK_SITE       1004

// The system-menu command that opens the About box.
#define IDM_ABOUTBOX        0x0010

// Tone assets: "WAVE" resources IDR_TONE_FIRST (C2) to IDR_TONE_FIRST + 40 (E5).
#define IDR_TONE_FIRST      212

#endif
