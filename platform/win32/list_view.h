#pragma once

// A list view of the Win32 backend: a real SysListView32 in report mode with LVS_OWNERDATA,
// whose rows live in the layer's ListRows. The control knows only how many rows it has been
// told of; it asks for each cell it shows (LVN_GETDISPINFOW), so inserting 1.8 million rows at
// the top costs one LVM_SETITEMCOUNT when the batch is published.

#include "afxwin.h"
#include "backend/list_rows.h"

class ListView final : private ListRowsObserver {
public:
    explicit ListView(HWND window) : m_window(window) {}

    ListRows& Rows() { return m_rows; }

    // Tells the control what it has not been told yet.
    void PublishNow();

    // Answers the control's request for a cell's text.
    void FillDisplayInfo(NMLVDISPINFOW& info) const;

    // A column at position column (clamped): heading, LVCFMT_ alignment, width in pixels at 96
    // dots per inch, scaled to the monitor's (-1: the heading's width). Returns its index, or -1.
    int InsertColumn(int column, std::string_view heading, int format, int widthPixels);

private:
    void RowsAboutToBeInserted(int first, int last) override;
    void RowsInserted() override;
    void AboutToReset() override;
    void Reset() override;
    void TextsChanged(int first, int last) override;
    void PublishLater() override;

    void TellRowCount();
    void ClearSelection();

    HWND m_window;
    ListRows m_rows{*this};
    bool m_publishPosted = false;
};

// Puts an owner-data list view in place of each template list view among dialog's controls:
// same ID, style, position, font and place in the tab order. A control's LVS_OWNERDATA style
// cannot be given after it is made, and the template's list views lack it.
void ReplaceTemplateListViews(HWND dialog);
