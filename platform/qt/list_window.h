#pragma once

// A list view's window: a table view in report mode over a ListModel, with extended selection.
// Its keys, double clicks and context menu reach its dialog as a Windows list view sends them.

#include "window.h"

#include <memory>
#include <string_view>

class ListModel;
class QTableView;

struct ListWindow final : HWND__ {
    // The view is made as a child of dialog's widget, with a frame when border is set; tabStop
    // makes it a tab stop.
    ListWindow(HWND__& dialog, bool border, bool tabStop);
    ~ListWindow() override;

    ListModel& Model() const { return *m_model; }
    QTableView& View() const;

    // Adds a column with its heading, alignment (LVCFMT_...) and width in pixels (-1: the
    // heading's width).
    int InsertColumn(int column, std::string_view heading, int format, int widthPixels);

    // The list-view messages the rows answer (ListRowsMessage).
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    ListWindow* AsList() override { return this; }

    HWND__& dialog;   // where its notifications and context menus go

private:
    std::unique_ptr<ListModel> m_model;
};
