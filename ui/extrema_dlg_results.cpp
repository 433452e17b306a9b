// The main window's result list: its context menu and keys, the copy of its rows to the
// clipboard and the save of the whole table to a file. Both give the text zelmara-scan prints.

#include "ui/extrema_dlg.h"

#include "afxdlgs.h"
#include "file_save.h"
#include "report/scan_table.h"
#include "system/atomic_file.h"
#include "system/ordered_pieces.h"

#include <new>
#include <string>
#include <vector>

namespace {

// Where the menu opens from the keyboard: this far inside the list's top-left corner.
constexpr int kKeyboardMenuInset = 8;

// The file's own extension decides the form when it is .tsv or .csv; otherwise the filter the
// user chose (the second is the comma-separated one).
TableFormat FormatOfFile(const std::string& path, int filterIndex)
{
    if (HasExtension(path, ".csv")) return TableFormat::Csv;
    if (HasExtension(path, ".tsv")) return TableFormat::Tab;
    return filterIndex == 2 ? TableFormat::Csv : TableFormat::Tab;
}

}  // namespace

void CExtremaDlg::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (pWnd != &m_results) {
        CDialog::OnContextMenu(pWnd, point);
        return;
    }
    if (point.x == -1 && point.y == -1) {
        CRect list;
        m_results.GetWindowRect(&list);
        point = CPoint(list.left + kKeyboardMenuInset, list.top + kKeyboardMenuInset);
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_RESULTS_MENU)) return;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup == nullptr) return;
    const UINT rowsState = m_results.GetItemCount() > 0 ? MF_ENABLED : MF_GRAYED;
    popup->EnableMenuItem(IDM_COPY, MF_BYCOMMAND | rowsState);
    popup->EnableMenuItem(IDM_SELECT_ALL, MF_BYCOMMAND | rowsState);
    popup->EnableMenuItem(IDM_SAVE_AS, MF_BYCOMMAND | (m_table ? MF_ENABLED : MF_GRAYED));
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CExtremaDlg::OnResultsKeyDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(pNMHDR);
    *pResult = 0;
    // Ctrl without Alt: Ctrl+Alt is AltGr on many keyboards, which types characters.
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return;
    if (key->wVKey == 'C')
        OnCopy();
    else if (key->wVKey == 'A')
        OnSelectAll();
}

void CExtremaDlg::OnCopy()
{
    const int count = m_results.GetItemCount();
    if (count == 0) return;
    std::vector<ListRowSpan> rows = m_results.GetSelectedSpans();
    if (rows.empty()) rows.push_back({0, count - 1});
    try {
        if (SetClipboardText(m_results.GetRowsText(TableHeaderLine(TableFormat::Tab), rows, '\t')))
            return;
    } catch (const std::bad_alloc&) {
        // reported below, as a clipboard that refuses the text is
    }
    CString message;
    message.LoadString(IDS_COPY_FAILED);
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}

void CExtremaDlg::OnSelectAll()
{
    m_results.SelectAllItems();
}

void CExtremaDlg::OnSaveAs()
{
    if (!m_table) return;   // the menu offers no save before the first computation
    CString filter;
    filter.LoadString(IDS_SAVE_FILTER);
    CFileDialog dialog(FALSE, "tsv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, this);
    if (dialog.DoModal() != IDOK) return;

    const std::string path = dialog.GetPathName().str();
    const TableFormat format = FormatOfFile(path, dialog.GetFilterIndex());
    const TableInputs table = *m_table;
    const FileWriteOutcome outcome = WriteFileAtomically(path, [&](const TableOutput& write) {
        WriteScanTable(table.V, table.step, format, RowOrder::LargestAngleFirst, write,
                       DefaultThreadCount());
    });
    if (!outcome.ok()) ReportFileWriteFailure(IDS_SAVE_FAILED, path, outcome);
}
