// Forced into the Windows build of GoogleTest. GoogleTest's own Notification
// class uses std::mutex, which the win32 thread model of mingw-w64's GCC 12 does
// not have; this one, on a Win32 event, stands in for it.
#ifndef SONIVEL_TESTS_GTESTNOTIFICATION_H
#define SONIVEL_TESTS_GTESTNOTIFICATION_H

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : event_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { ::CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { ::SetEvent(event_); }
    void WaitForNotification() { ::WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

}  // namespace internal
}  // namespace testing

#endif
