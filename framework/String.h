// An 8-bit (ANSI) text.
#ifndef SONIVEL_FRAMEWORK_STRING_H
#define SONIVEL_FRAMEWORK_STRING_H

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}  // NOLINT: implicit, as texts are passed around
    CString& operator=(const char* text)
    {
        m_text = text != nullptr ? text : "";
        return *this;
    }

    operator const char*() const { return m_text.c_str(); }  // NOLINT: for the platform's 8-bit calls
    bool IsEmpty() const { return m_text.empty(); }

    // Loads a string of the program's string table; empty if there is none.
    BOOL LoadString(UINT nID);

private:
    std::string m_text;
};

#endif
