// The help notice: the English and the Russian notice, a blank line between.
#ifndef SONIVEL_APP_HELPNOTICE_H
#define SONIVEL_APP_HELPNOTICE_H

#include <string>

// The notice as the program holds it: Windows-1251 (Cyrillic) bytes.
extern const char kHelpNotice[];

// The notice as 16-bit text, converted from code page 1251, so that it reads
// correctly whatever the system's 8-bit code page is.
std::wstring HelpNoticeText();

#endif
