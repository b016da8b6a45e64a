// Message maps: each class that handles messages lists its handlers in a table
// declared with DECLARE_MESSAGE_MAP and defined with BEGIN_MESSAGE_MAP(Class, Base)
// ... END_MESSAGE_MAP. A lookup searches the class's own table before its
// base's, and the first matching entry wins.
#ifndef SONIVEL_FRAMEWORK_MESSAGEMAP_H
#define SONIVEL_FRAMEWORK_MESSAGEMAP_H

#include <windows.h>

class CCmdTarget;

struct MessageMapEntry {
    UINT message;  // the window message
    UINT code;     // notification code, for WM_COMMAND and WM_NOTIFY; 0 otherwise
    UINT id;       // control or command ID, for WM_COMMAND and WM_NOTIFY; 0 otherwise
    // Calls the handler on the object and returns the message's result.
    LRESULT (*invoke)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* (*base)();     // the base class's map; null for the root
    const MessageMapEntry* entries;  // ended by an entry without a handler
};

namespace message_map {

template <class>
struct MemberOf;
template <class C, class R, class... Args>
struct MemberOf<R (C::*)(Args...)> {
    using Class = C;
};

template <auto Handler>
auto& Object(CCmdTarget& target)
{
    return static_cast<typename MemberOf<decltype(Handler)>::Class&>(target);
}

// One adapter per handler signature; each turns the message parameters into the
// handler's arguments and its return value into the message result.
template <auto Handler>  // void Handler()
LRESULT Plain(CCmdTarget& target, WPARAM, LPARAM)
{
    (Object<Handler>(target).*Handler)();
    return 0;
}

template <auto Handler>  // void Handler(NMHDR*, LRESULT*)
LRESULT Notify(CCmdTarget& target, WPARAM, LPARAM lParam)
{
    LRESULT result = 0;
    (Object<Handler>(target).*Handler)(reinterpret_cast<NMHDR*>(lParam), &result);
    return result;
}

template <auto Handler>  // void Handler(UINT, LPARAM)
LRESULT SysCommand(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    (Object<Handler>(target).*Handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto Handler>  // BOOL Handler(HELPINFO*)
LRESULT HelpInfo(CCmdTarget& target, WPARAM, LPARAM lParam)
{
    return (Object<Handler>(target).*Handler)(reinterpret_cast<HELPINFO*>(lParam));
}

template <auto Handler>  // HCURSOR Handler()
LRESULT Cursor(CCmdTarget& target, WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>((Object<Handler>(target).*Handler)());
}

template <auto Handler>  // LRESULT Handler(WPARAM, LPARAM)
LRESULT Raw(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    return (Object<Handler>(target).*Handler)(wParam, lParam);
}

}  // namespace message_map

#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
    static const MessageMap* GetThisMessageMap();    \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
    const MessageMap* theClass::GetThisMessageMap()                                     \
    {                                                                                   \
        using ThisClass [[maybe_unused]] = theClass;                                    \
        using TheBaseClass = baseClass;                                                 \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                         \
            {0, 0, 0, nullptr}};                                                  \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                              \
    }

// Window messages, to the handlers of the conventional names.
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, &message_map::SysCommand<&ThisClass::OnSysCommand>},
#define ON_WM_HELPINFO() {WM_HELP, 0, 0, &message_map::HelpInfo<&ThisClass::OnHelpInfo>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &message_map::Plain<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON() {WM_QUERYDRAGICON, 0, 0, &message_map::Cursor<&ThisClass::OnQueryDragIcon>},

// A window message given to a handler that takes its raw parameters.
#define ON_MESSAGE(message, handler) {(message), 0, 0, &message_map::Raw<handler>},

// WM_COMMAND, by notification code and control or command ID.
#define ON_COMMAND(id, handler) {WM_COMMAND, 0, (id), &message_map::Plain<handler>},
#define ON_BN_CLICKED(id, handler) {WM_COMMAND, BN_CLICKED, (id), &message_map::Plain<handler>},
#define ON_CBN_SELCHANGE(id, handler) {WM_COMMAND, CBN_SELCHANGE, (id), &message_map::Plain<handler>},

// WM_NOTIFY, by notification code and control ID; the handler sets the result.
#define ON_NOTIFY(code, id, handler) \
    {WM_NOTIFY, static_cast<UINT>(code), (id), &message_map::Notify<handler>},

#endif
