// Compiled with the execution character set Windows-1251: the Russian text,
// written here in UTF-8, becomes 1251 bytes in the program.
#include "HelpNotice.h"

#include <windows.h>

#include "ProductText.h"

const char kHelpNotice[] = SONIVEL_NOTICE_EN "\n\n" SONIVEL_NOTICE_RU;

std::wstring HelpNoticeText()
{
    constexpr UINT kCyrillic = 1251;
    const int length = ::MultiByteToWideChar(kCyrillic, 0, kHelpNotice, -1, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(kCyrillic, 0, kHelpNotice, -1, text.data(), length);
    text.resize(text.size() - 1);  // the terminating zero
    return text;
}
