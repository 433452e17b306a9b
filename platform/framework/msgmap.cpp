#include "afx_msgmap.h"

namespace {

const AFX_MSGMAP_ENTRY kNoEntries[] = {AFX_MSGMAP_ENTRY()};
const AFX_MSGMAP kRootMap = {nullptr, &kNoEntries[0]};

}  // namespace

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                            UINT id)
{
    for (; map != nullptr; map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig::End; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && entry->nID == id)
                return entry;
        }
    }
    return nullptr;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    return &kRootMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code)
{
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, code, id);
    if (entry == nullptr || entry->nSig != AfxSig::vv) return FALSE;
    (this->*entry->pfn_vv)();
    return TRUE;
}
