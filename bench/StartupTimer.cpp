// Start-up time: from launching a program to its window named "Sonivel" being
// visible. Runs the programs given interleaved, in turns whose order alternates,
// and prints every time in milliseconds, one line per start:
// "<program index> <milliseconds>". A program is a command line: a path
// without spaces, and its arguments.
//
//   startup_timer <runs of each> <program>...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char title[16] = {};
    ::GetWindowTextA(window, title, sizeof title);
    if (owner == search.processId && ::IsWindowVisible(window) && std::string(title) == "Sonivel") {
        search.window = window;
        return FALSE;
    }
    return TRUE;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds until the program's window is visible, or a negative number.
double TimeOneStart(const char* program)
{
    std::string commandLine = program;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, shown;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return -1;
    Search search{process.dwProcessId, nullptr};
    double elapsed = -1;
    for (;;) {
        ::EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        ::QueryPerformanceCounter(&shown);
        if (search.window != nullptr) {
            elapsed = 1000 * Seconds(start, shown);
            break;
        }
        if (Seconds(start, shown) > 30 || ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        ::Sleep(1);
    }
    if (search.window != nullptr)
        ::PostMessageA(search.window, WM_COMMAND, IDCANCEL, 0);
    if (::WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_timer <runs of each> <program>...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int programs = argc - 2;
    // A window of the timer's own keeps the desktop up between the runs, so
    // that no run pays for starting it; one untimed start of each program warms
    // the caches.
    ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    for (int program = 2; program < argc; ++program)
        TimeOneStart(argv[program]);
    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < programs; ++turn) {
            const int program = 2 + (run % 2 == 0 ? turn : programs - 1 - turn);
            const double ms = TimeOneStart(argv[program]);
            if (ms < 0) {
                std::fprintf(stderr, "startup_timer: %s did not show its window\n", argv[program]);
                return 1;
            }
            std::printf("%d %.2f\n", program - 2, ms);
            std::fflush(stdout);
        }
    }
    return 0;
}
