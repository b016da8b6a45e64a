// Identifiers of the framework's help routing.
#ifndef SONIVEL_FRAMEWORK_HELP_H
#define SONIVEL_FRAMEWORK_HELP_H

#include <windows.h>

// The Help command, which F1 sends to the application's main window.
#define ID_HELP 0xE146

// Asks a window for its help context: it answers nonzero when it has one and
// has handed it to the application's help call.
#define WM_COMMANDHELP 0x0365

// A dialog's help context is its template ID plus this base.
#define HID_BASE_RESOURCE 0x00020000UL

#endif
