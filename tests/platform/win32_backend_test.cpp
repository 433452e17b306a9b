// What only the Win32 backend shows, read through the system's own messages: the icons reach the
// real window; the list view, read as a screen reader reads it, keeps its rows in their places
// until a batch of inserted rows is told, and its selection goes with its rows; the clipboard
// holds the text as other Windows programs read it.

#include "gui_test_support.h"

#include <string>
#include <vector>

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

TEST_F(Win32BackendTest, TheListViewSelectsSeveralRowsAndForgetsThemWithItsRows)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        const HWND list = GetDlgItem(shown.m_hWnd, IDC_RESULTS);
        EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & (LVS_SINGLESEL | LVS_SHOWSELALWAYS), LVS_SHOWSELALWAYS);
        for (const char* angle : {"0", "60", "120", "180", "240", "300"}) dlg.m_results.InsertItem(0, angle);
        for (int row : {1, 2, 3, 5}) ClickListRow(shown, IDC_RESULTS, row, Modifier::Ctrl);
        EXPECT_EQ(backend::SelectedListRows(list), (std::vector<ListRowSpan>{{1, 3}, {5, 5}}));
        backend::SelectAllListRows(list);
        EXPECT_EQ(backend::SelectedListRows(list), (std::vector<ListRowSpan>{{0, 5}}));

        dlg.m_results.DeleteAllItems();
        for (const char* angle : {"0", "60"}) dlg.m_results.InsertItem(0, angle);
        EXPECT_TRUE(SelectedListRows(shown, IDC_RESULTS).empty());
        shown.EndDialog(IDCANCEL);
    });
}

// The clipboard's raw UTF-16, as another program gets it.
std::wstring ClipboardUtf16()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST_F(Win32BackendTest, TheClipboardHoldsUtf16LinesEndedWithCrLf)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        const std::string table = "Ángulo\tV(Kcal/mol)\n180\t-1,5e-15\n\nφ\n";
        ASSERT_TRUE(shown.SetClipboardText(table));
        EXPECT_EQ(ClipboardUtf16(), L"Ángulo\tV(Kcal/mol)\r\n180\t-1,5e-15\r\n\r\nφ\r\n");
        EXPECT_EQ(ClipboardText(), table);
        // A line already ended with CR LF keeps one CR; a text without line ends is unchanged.
        ASSERT_TRUE(shown.SetClipboardText("a\r\nb\nc"));
        EXPECT_EQ(ClipboardUtf16(), L"a\r\nb\r\nc");
        ASSERT_TRUE(shown.SetClipboardText(""));
        EXPECT_EQ(ClipboardUtf16(), L"");
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
