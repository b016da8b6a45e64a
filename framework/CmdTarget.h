// The root of every object that handles messages or commands through a message map.
#ifndef SONIVEL_FRAMEWORK_CMDTARGET_H
#define SONIVEL_FRAMEWORK_CMDTARGET_H

#include "MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Calls the handler that this object's message maps give for the command
    // (WM_COMMAND with this ID and notification code); false when there is none.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // The first entry for the message, searching this class's map, then its bases'.
    const MessageMapEntry* FindEntry(UINT message, UINT code, UINT id) const;
};

#endif
