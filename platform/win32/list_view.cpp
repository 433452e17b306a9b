#include "list_view.h"

#include "backend/backend.h"
#include "layer_window.h"
#include "text.h"

#include <algorithm>
#include <vector>

namespace {

// Pixels at 96 dots per inch as the window's monitor has them: the program is per-monitor DPI
// aware, so the system scales the dialog's layout but not the widths the program gives.
int ScaledForDpi(HWND window, int pixels)
{
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 96;
    return MulDiv(pixels, static_cast<int>(dpi != 0 ? dpi : 96), 96);
}

}  // namespace

void ListView::PublishNow()
{
    m_publishPosted = false;
    m_rows.Publish();
}

void ListView::FillDisplayInfo(NMLVDISPINFOW& info) const
{
    if ((info.item.mask & LVIF_TEXT) == 0) return;
    win32_text::CopyWide(m_rows.ShownText(info.item.iItem, info.item.iSubItem), info.item.pszText,
                         info.item.cchTextMax);
}

int ListView::InsertColumn(int column, std::string_view heading, int format, int widthPixels)
{
    m_rows.Publish();
    const HWND header = reinterpret_cast<HWND>(SendMessageW(m_window, LVM_GETHEADER, 0, 0));
    const int count = header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    column = std::clamp(column, 0, count);
    std::wstring text = win32_text::Wide(heading);
    LVCOLUMNW description{};
    description.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    description.fmt = format == LVCFMT_RIGHT ? LVCFMT_RIGHT : format == LVCFMT_CENTER ? LVCFMT_CENTER : LVCFMT_LEFT;
    description.pszText = text.data();
    description.iSubItem = column;
    if (widthPixels >= 0) {
        description.mask |= LVCF_WIDTH;
        description.cx = ScaledForDpi(m_window, widthPixels);
    }
    m_rows.InsertColumn(column);
    const int index = static_cast<int>(
        SendMessageW(m_window, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description)));
    if (index < 0) return -1;
    if (widthPixels < 0) SendMessageW(m_window, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), LVSCW_AUTOSIZE_USEHEADER);
    // The control asks for a column's cells by its subitem number: keep it the column's place,
    // as the rows keep their cells.
    for (int place = index + 1; place <= count; ++place) {
        LVCOLUMNW renumbered{};
        renumbered.mask = LVCF_SUBITEM;
        renumbered.iSubItem = place;
        SendMessageW(m_window, LVM_SETCOLUMNW, static_cast<WPARAM>(place), reinterpret_cast<LPARAM>(&renumbered));
    }
    return index;
}

void ListView::RowsAboutToBeInserted(int, int) {}

void ListView::RowsInserted()
{
    TellRowCount();
}

void ListView::AboutToReset() {}

void ListView::Reset()
{
    // New rows: what was selected is gone with the old ones.
    ClearSelection();
    TellRowCount();
}

void ListView::TextsChanged(int first, int last)
{
    SendMessageW(m_window, LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

void ListView::PublishLater()
{
    if (m_publishPosted) return;
    m_publishPosted = PostMessageW(m_window, layer_window::kPublishRows, 0, 0) != FALSE;
}

void ListView::TellRowCount()
{
    SendMessageW(m_window, LVM_SETITEMCOUNT, static_cast<WPARAM>(m_rows.ShownRowCount()), 0);
}

void ListView::ClearSelection()
{
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    SendMessageW(m_window, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

void ReplaceTemplateListViews(HWND dialog)
{
    std::vector<HWND> templateLists;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if (lstrcmpiW(className, WC_LISTVIEWW) == 0 && (style & LVS_OWNERDATA) == 0) templateLists.push_back(child);
    }
    for (HWND old : templateLists) {
        RECT rect{};
        GetWindowRect(old, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        // Selected rows shown so without the focus too; several selectable unless the template
        // says LVS_SINGLESEL.
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(old, GWL_STYLE)) | LVS_OWNERDATA | LVS_SHOWSELALWAYS;
        const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(old, GWL_EXSTYLE));
        const int id = GetDlgCtrlID(old);
        const HWND made = CreateWindowExW(exStyle, WC_LISTVIEWW, L"", style, rect.left, rect.top,
                                          rect.right - rect.left, rect.bottom - rect.top, dialog,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                          GetModuleHandleW(nullptr), nullptr);
        if (made == nullptr) continue;
        SendMessageW(made, WM_SETFONT, SendMessageW(old, WM_GETFONT, 0, 0), FALSE);
        SendMessageW(made, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        SetWindowPos(made, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        DestroyWindow(old);
    }
}

namespace backend {

ListRows* ListRowsOf(HWND list)
{
    ListView* view = layer_window::ListOf(list);
    return view != nullptr ? &view->Rows() : nullptr;
}

int InsertListColumn(HWND list, int column, std::string_view heading, int format, int widthPixels)
{
    ListView* view = layer_window::ListOf(list);
    return view != nullptr ? view->InsertColumn(column, heading, format, widthPixels) : -1;
}

std::vector<ListRowSpan> SelectedListRows(HWND list)
{
    std::vector<ListRowSpan> spans;
    if (layer_window::ListOf(list) == nullptr) return spans;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
    if (selected <= 0 || count <= 0) return spans;
    if (selected == count) return {{0, count - 1}};
    for (int row = -1; (row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                                LVNI_SELECTED))) >= 0;) {
        if (!spans.empty() && spans.back().last == row - 1)
            spans.back().last = row;
        else
            spans.push_back({row, row});
    }
    return spans;
}

void SelectAllListRows(HWND list)
{
    ListView* view = layer_window::ListOf(list);
    if (view == nullptr) return;
    view->PublishNow();
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

}  // namespace backend
