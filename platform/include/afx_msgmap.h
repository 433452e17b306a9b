#pragma once

// Message maps: per-class static tables of (message, notification code, control ID, handler
// signature, handler). A class declares its table with DECLARE_MESSAGE_MAP() and defines it
// between BEGIN_MESSAGE_MAP(theClass, baseClass) and END_MESSAGE_MAP(). Dispatch searches the
// class's table, then its base class's, and so on; a message nobody handles gets the default
// processing.

#include "afx_types.h"

class CCmdTarget;
class CWnd;

// The handler signatures a table can hold. Each is stated once, here and in the union below.
enum class AfxSig : unsigned char {
    End,   // marks the end of a table
    vv,    // void handler()                     (commands, button clicks, WM_PAINT)
    vwl,   // void handler(UINT, LPARAM)         (WM_SYSCOMMAND)
    hv,    // HCURSOR handler()                  (WM_QUERYDRAGICON)
    vOWNER,   // void handler(int, LPDRAWITEMSTRUCT)   (WM_DRAWITEM)
    vWp,   // void handler(CWnd*, CPoint)        (WM_CONTEXTMENU)
    vNMHDRpl,   // void handler(NMHDR*, LRESULT*)   (WM_NOTIFY from a control)
};

using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PMSG_VWL = void (CWnd::*)(UINT, LPARAM);
using AFX_PMSG_HV = HCURSOR (CWnd::*)();
using AFX_PMSG_VOWNER = void (CWnd::*)(int, LPDRAWITEMSTRUCT);
using AFX_PMSG_VWP = void (CWnd::*)(CWnd*, CPoint);
using AFX_PMSG_NOTIFY = void (CCmdTarget::*)(NMHDR*, LRESULT*);

// One table row. The handler is kept as a pointer to a member of a framework base class; the
// signature tag says which member of the union holds it, and dispatch calls it through that
// member only.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage = 0;
    UINT nCode = 0;   // notification code of WM_COMMAND (BN_CLICKED = 0 for buttons and commands)
                      // or of WM_NOTIFY (LVN_KEYDOWN, say)
    UINT nID = 0;     // control or command ID of WM_COMMAND or WM_NOTIFY
    AfxSig nSig = AfxSig::End;
    union {
        AFX_PMSG pfn_vv;
        AFX_PMSG_VWL pfn_vwl;
        AFX_PMSG_HV pfn_hv;
        AFX_PMSG_VOWNER pfn_vOWNER;
        AFX_PMSG_VWP pfn_vWp;
        AFX_PMSG_NOTIFY pfn_notify;
    };

    constexpr AFX_MSGMAP_ENTRY() : pfn_vv(nullptr) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, UINT code, UINT id, AFX_PMSG handler)
        : nMessage(message), nCode(code), nID(id), nSig(AfxSig::vv), pfn_vv(handler) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, UINT code, UINT id, AFX_PMSG_VWL handler)
        : nMessage(message), nCode(code), nID(id), nSig(AfxSig::vwl), pfn_vwl(handler) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, UINT code, UINT id, AFX_PMSG_HV handler)
        : nMessage(message), nCode(code), nID(id), nSig(AfxSig::hv), pfn_hv(handler) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, UINT code, UINT id, AFX_PMSG_VOWNER handler)
        : nMessage(message), nCode(code), nID(id), nSig(AfxSig::vOWNER), pfn_vOWNER(handler) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, UINT code, UINT id, AFX_PMSG_VWP handler)
        : nMessage(message), nCode(code), nID(id), nSig(AfxSig::vWp), pfn_vWp(handler) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, UINT code, UINT id, AFX_PMSG_NOTIFY handler)
        : nMessage(message), nCode(code), nID(id), nSig(AfxSig::vNMHDRpl), pfn_notify(handler) {}
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();   // nullptr at the root
    const AFX_MSGMAP_ENTRY* lpEntries;      // ends with an AfxSig::End row
};

// The first row for message, code and id in map, then in its base classes' maps; nullptr
// when none has one.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                            UINT id);

// The root of every class that receives commands.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Calls the handler of command id with notification code from this object's table chain.
    // TRUE when one was found.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                             \
    {                                                                           \
        using ThisClass [[maybe_unused]] = theClass;                            \
        using TheBaseClass = baseClass;                                         \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                       \
            AFX_MSGMAP_ENTRY()                                                  \
        };                                                                      \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, \
                                              &messageEntries[0]};              \
        return &messageMap;                                                     \
    }

// The handler's name is written as in the framework, without '&'; a base class's handler is
// named with its class (CWinApp::OnHelp). The static_casts check the handler's signature.
#define ON_COMMAND(id, memberFxn) \
    AFX_MSGMAP_ENTRY(WM_COMMAND, 0, (id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)),

#define ON_BN_CLICKED(id, memberFxn) \
    AFX_MSGMAP_ENTRY(WM_COMMAND, BN_CLICKED, (id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)),

// An edit's text changed (typed or set).
#define ON_EN_CHANGE(id, memberFxn) \
    AFX_MSGMAP_ENTRY(WM_COMMAND, EN_CHANGE, (id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)),

// The user chose an entry of a drop-down list.
#define ON_CBN_SELCHANGE(id, memberFxn) \
    AFX_MSGMAP_ENTRY(WM_COMMAND, CBN_SELCHANGE, (id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)),

#define ON_WM_SYSCOMMAND()                                                 \
    AFX_MSGMAP_ENTRY(WM_SYSCOMMAND, 0, 0,                                  \
                     static_cast<AFX_PMSG_VWL>(&ThisClass::OnSysCommand)),

#define ON_WM_PAINT()                                                      \
    AFX_MSGMAP_ENTRY(WM_PAINT, 0, 0,                                       \
                     static_cast<AFX_PMSG>(static_cast<void (CWnd::*)()>(&ThisClass::OnPaint))),

#define ON_WM_QUERYDRAGICON()                                              \
    AFX_MSGMAP_ENTRY(WM_QUERYDRAGICON, 0, 0,                               \
                     static_cast<AFX_PMSG_HV>(&ThisClass::OnQueryDragIcon)),

// WM_DRAWITEM: handler(control ID, what to draw where).
#define ON_WM_DRAWITEM()                                                   \
    AFX_MSGMAP_ENTRY(WM_DRAWITEM, 0, 0,                                    \
                     static_cast<AFX_PMSG_VOWNER>(&ThisClass::OnDrawItem)),
// WM_CONTEXTMENU: the window right-clicked (or with the focus when the menu key or Shift+F10
// was pressed) and the screen position; -1, -1 when it came from the keyboard.
#define ON_WM_CONTEXTMENU()                                                \
    AFX_MSGMAP_ENTRY(WM_CONTEXTMENU, 0, 0,                                 \
                     static_cast<AFX_PMSG_VWP>(&ThisClass::OnContextMenu)),

// WM_NOTIFY with notification code from control id: handler(NMHDR*, LRESULT* result).
#define ON_NOTIFY(code, id, memberFxn)                                     \
    AFX_MSGMAP_ENTRY(WM_NOTIFY, static_cast<UINT>(code), (id),             \
                     static_cast<AFX_PMSG_NOTIFY>(&ThisClass::memberFxn)),
