#include "String.h"

#include "WinApp.h"

BOOL CString::LoadString(UINT nID)
{
    // A string table entry holds at most 65535 characters.
    std::string text(65536, '\0');
    const int length = ::LoadStringA(AfxGetResourceHandle(), nID, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    m_text = std::move(text);
    return length > 0;
}
