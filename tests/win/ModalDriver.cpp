#include "ModalDriver.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

struct Run {
    CDialog* dialog;
    std::vector<Step> steps;
    std::size_t next = 0;
    UINT_PTR timer = 0;
    bool busy = false;  // a step is running (and may be inside a nested modal loop)
};

// The runs in progress, innermost last; the tests run on one thread.
std::vector<Run*> g_runs;

BOOL CALLBACK EndOwnedDialog(HWND window, LPARAM owner)
{
    for (HWND up = ::GetWindow(window, GW_OWNER); up != nullptr; up = ::GetWindow(up, GW_OWNER)) {
        if (up == reinterpret_cast<HWND>(owner)) {
            ::EndDialog(window, kEndedByDriver);
            break;
        }
    }
    return TRUE;
}

// Ends the dialog, and first any modal box still open over it (left by a
// failed step), so that every modal loop returns.
void EndWithEverythingOverIt(HWND dialog)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), &EndOwnedDialog, reinterpret_cast<LPARAM>(dialog));
    ::EndDialog(dialog, kEndedByDriver);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD)
{
    const auto found = std::find_if(g_runs.begin(), g_runs.end(), [&](Run* r) { return r->timer == timer; });
    if (found == g_runs.end() || (*found)->busy)
        return;
    Run& run = **found;
    HWND hwnd = run.dialog->m_hWnd;
    if (run.next < run.steps.size()) {
        const std::size_t step = run.next++;
        if (hwnd != nullptr) {
            run.busy = true;
            run.steps[step](hwnd);
            run.busy = false;
        }
        return;
    }
    ::KillTimer(nullptr, run.timer);
    run.timer = 0;
    if (hwnd != nullptr && ::IsWindow(hwnd))
        EndWithEverythingOverIt(hwnd);
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, std::vector<Step> steps)
{
    Run run{&dialog, std::move(steps)};
    run.timer = ::SetTimer(nullptr, 0, 10, &Tick);
    g_runs.push_back(&run);
    const INT_PTR result = dialog.DoModal();
    if (run.timer != 0)
        ::KillTimer(nullptr, run.timer);
    g_runs.erase(std::find(g_runs.begin(), g_runs.end(), &run));
    EXPECT_EQ(run.next, run.steps.size()) << "the dialog ended before every step ran";
    return result;
}
