// Drives a modal dialog from inside its own modal loop: each step runs on its
// own timer tick, so that what one step posts is handled before the next runs.
// A step that blocks in a nested modal loop holds its run back until it
// returns; a step that only posts what opens a box lets the next steps run
// inside that box's loop, to work on it and close it.
#ifndef SONIVEL_TESTS_MODALDRIVER_H
#define SONIVEL_TESTS_MODALDRIVER_H

#include <functional>
#include <vector>

#include "Dialog.h"

using Step = std::function<void(HWND dialog)>;

// What DoModal returns when the driver itself ended the dialog.
constexpr INT_PTR kEndedByDriver = 0x7E57;

// Runs dialog.DoModal() through the steps; ends the dialog with kEndedByDriver
// after the last one if it is still open. Returns what DoModal returned.
INT_PTR RunModal(CDialog& dialog, std::vector<Step> steps);

#endif
