#include "backend/window_map.h"

#include "backend/backend.h"

#include <memory>
#include <unordered_map>
#include <utility>

namespace window_map {

namespace {

struct Record {
    CWnd* attached = nullptr;
    std::unique_ptr<CWnd> temporary;
    std::unique_ptr<CMenu> systemMenu;
    bool exchangeBroken = false;
    bool ended = false;
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

}  // namespace

CWnd* AttachedObject(HWND window)
{
    const Record* record = Find(window);
    return record != nullptr ? record->attached : nullptr;
}

bool Attach(HWND window, CWnd& object)
{
    if (window == nullptr) return false;
    Record& record = Records()[window];
    if (record.attached != nullptr) return false;
    record.attached = &object;
    return true;
}

void Detach(HWND window, const CWnd& object)
{
    Record* record = Find(window);
    if (record != nullptr && record->attached == &object) record->attached = nullptr;
}

CWnd& ObjectFor(HWND window)
{
    Record& record = Records()[window];
    if (record.attached != nullptr) return *record.attached;
    if (record.temporary == nullptr) {
        record.temporary = std::make_unique<CWnd>();
        record.temporary->m_hWnd = window;
    }
    return *record.temporary;
}

CMenu& SystemMenuObject(HWND window, HMENU menu)
{
    Record& record = Records()[window];
    if (record.systemMenu == nullptr) record.systemMenu = std::make_unique<CMenu>();
    record.systemMenu->m_hMenu = menu;
    return *record.systemMenu;
}

void MarkExchangeBroken(HWND dialog)
{
    Records()[dialog].exchangeBroken = true;
}

bool ExchangeBroken(HWND dialog)
{
    const Record* record = Find(dialog);
    return record != nullptr && record->exchangeBroken;
}

void MarkEnded(HWND dialog)
{
    Records()[dialog].ended = true;
}

bool Ended(HWND dialog)
{
    const Record* record = Find(dialog);
    return record != nullptr && record->ended;
}

void Forget(HWND window)
{
    auto found = Records().find(window);
    if (found == Records().end()) return;
    Record record = std::move(found->second);
    Records().erase(found);
    if (record.attached != nullptr) record.attached->m_hWnd = nullptr;
    if (record.temporary != nullptr) record.temporary->m_hWnd = nullptr;
}

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd* object = AttachedObject(window)) return object->WindowProc(message, wParam, lParam);
    return backend::DefaultProcessing(window, message, wParam, lParam);
}

}  // namespace window_map
