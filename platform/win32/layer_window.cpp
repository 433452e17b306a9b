#include "layer_window.h"

#include "backend/window_map.h"
#include "list_view.h"

#include <memory>
#include <unordered_map>
#include <utility>

namespace layer_window {

namespace {

constexpr UINT_PTR kShownTimer = 0x5A31;   // the layer's timer on a dialog not yet shown

struct Record {
    WNDPROC original = nullptr;
    backend::ModalDialogSite* site = nullptr;
    std::unique_ptr<ListView> list;
    HACCEL accelerators = nullptr;
    int painting = 0;
};

std::unordered_map<HWND, Record>& Records()
{
    static std::unordered_map<HWND, Record> records;
    return records;
}

Record* Find(HWND window)
{
    auto found = Records().find(window);
    return found != Records().end() ? &found->second : nullptr;
}

LRESULT CALLBACK LayerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record* record = Find(window);
    if (record == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY: {
        window_map::Forget(window);
        const WNDPROC original = record->original;
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        const Record gone = std::move(*record);   // the list's rows go after the last message
        Records().erase(window);
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    case kDialogShown:
        // A template without WS_VISIBLE is shown by the modal loop once no message waits:
        // looked at again on a timer, whose message comes only then.
        if (!IsWindowVisible(window)) {
            SetTimer(window, kShownTimer, USER_TIMER_MINIMUM, nullptr);
            return 0;
        }
        if (record->site != nullptr) record->site->Shown();
        return 0;
    case WM_TIMER:
        if (wParam != kShownTimer) break;
        KillTimer(window, kShownTimer);
        PostMessageW(window, kDialogShown, 0, 0);
        return 0;
    case kPublishRows:
        if (record->list != nullptr) record->list->PublishNow();
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == LVN_GETDISPINFOW) {
            if (ListView* list = ListOf(header->hwndFrom)) {
                list->FillDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
                return 0;
            }
        }
        break;
    }
    case WM_PAINT: {
        // The rows are told before they are painted, in case the paint comes first.
        if (record->list != nullptr) record->list->PublishNow();
        ++record->painting;
        const LRESULT result = window_map::Deliver(window, message, wParam, lParam);
        if (Record* still = Find(window)) --still->painting;
        return result;
    }
    default:
        break;
    }
    return window_map::Deliver(window, message, wParam, lParam);
}

}  // namespace

void Subclass(HWND window, backend::ModalDialogSite* site, std::unique_ptr<ListView> list)
{
    Record& record = Records()[window];
    record.site = site;
    record.list = std::move(list);
    record.original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LayerProcedure)));
}

ListView* ListOf(HWND window)
{
    Record* record = Find(window);
    return record != nullptr ? record->list.get() : nullptr;
}

LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Record* record = Find(window);
    if (record == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(record->original, window, message, wParam, lParam);
}

bool Painting(HWND window)
{
    const Record* record = Find(window);
    return record != nullptr && record->painting > 0;
}

void UseAccelerators(HWND window, HACCEL table)
{
    if (Record* record = Find(window)) record->accelerators = table;
}

HACCEL AcceleratorsOf(HWND window)
{
    const Record* record = Find(window);
    return record != nullptr ? record->accelerators : nullptr;
}

}  // namespace layer_window
