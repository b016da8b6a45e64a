// A menu of a window, by its handle; the object does not own the menu.
#ifndef SONIVEL_FRAMEWORK_MENU_H
#define SONIVEL_FRAMEWORK_MENU_H

#include <windows.h>

class CMenu {
public:
    explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}

    HMENU m_hMenu;

    // Appends an item at the end: a separator (MF_SEPARATOR), or a string item
    // (MF_STRING) with its command and text.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
};

#endif
