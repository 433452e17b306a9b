// What only the Win32 backend shows, read through the system's own messages: the icons reach the
// real window, and the list view, read as a screen reader reads it, keeps its rows in their
// places until a batch of inserted rows is told.

#include "gui_test_support.h"

#include <string>

namespace {

class Win32BackendTest : public GuiTest {};

TEST_F(Win32BackendTest, SetIconGivesTheRealWindowItsIcons)
{
    CTestDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        const HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
        ASSERT_NE(icon, nullptr);
        shown.SetIcon(icon, TRUE);
        shown.SetIcon(icon, FALSE);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(shown.m_hWnd, WM_GETICON, ICON_BIG, 0)), icon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(shown.m_hWnd, WM_GETICON, ICON_SMALL, 0)), icon);
        shown.EndDialog(IDCANCEL);
    });
}

std::string ViewText(HWND list, int row)
{
    wchar_t text[64] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

TEST_F(Win32BackendTest, TheListViewKeepsItsRowsUntilTheBatchIsTold)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        const HWND list = GetDlgItem(shown.m_hWnd, IDC_RESULTS);
        ASSERT_NE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_OWNERDATA, 0);
        for (const char* angle : {"0", "60", "120"}) dlg.m_results.InsertItem(0, angle);
        LetEventsRun();
        ASSERT_EQ(ViewText(list, 0), "120");

        dlg.m_results.InsertItem(0, "new");
        EXPECT_EQ(dlg.m_results.GetItemCount(), 4);   // the program's list is current
        EXPECT_EQ(ViewText(list, 0), "120");         // the view's row 0 is still its own
        EXPECT_EQ(ViewText(list, 2), "0");
        LetEventsRun();
        EXPECT_EQ(ViewText(list, 0), "new");
        EXPECT_EQ(ViewText(list, 3), "0");
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
