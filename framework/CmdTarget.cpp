#include "CmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const
{
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->invoke != nullptr; ++entry) {
            if (entry->message == message && entry->code == code && entry->id == id)
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code)
{
    const MessageMapEntry* entry = FindEntry(WM_COMMAND, code, id);
    if (entry == nullptr)
        return FALSE;
    entry->invoke(*this, MAKEWPARAM(id, code), 0);
    return TRUE;
}
