// Test-only interception of the platform calls the program makes. The program
// calls imported functions through its import address table; a patch points
// one slot of that table at a recorder for as long as the patch lives.
#ifndef SONIVEL_TESTS_IMPORTPATCH_H
#define SONIVEL_TESTS_IMPORTPATCH_H

#include <windows.h>

class ImportPatch {
public:
    ImportPatch(void** slot, void* replacement) : slot_(slot), original_(*slot)
    {
        write(replacement);
    }
    ~ImportPatch() { write(original_); }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    void* original() const { return original_; }

private:
    void write(void* value)
    {
        DWORD old = 0;
        ::VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &old);
        *slot_ = value;
        ::VirtualProtect(slot_, sizeof *slot_, old, &old);
    }

    void** slot_;
    void* original_;
};

#endif
