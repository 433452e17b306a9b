// The list view: rows kept where inserted, cells, emptying, columns, what its view shows, and
// the double click it tells its dialog of.

#include "gui_test_support.h"

#include <string>
#include <vector>

namespace {

class ListCtrlTest : public GuiTest {};

// Records the double clicks its list tells it of: the row, and the rows selected by then.
class CDoubleClickDlg : public CTestDlg {
public:
    struct Click {
        UINT_PTR id;
        int row;
        std::vector<int> selected;
    };
    std::vector<Click> clicks;

protected:
    afx_msg void OnResultsDoubleClick(NMHDR* header, LRESULT* result)
    {
        const auto* activation = reinterpret_cast<const NMITEMACTIVATE*>(header);
        clicks.push_back({header->idFrom, activation->iItem, SelectedListRows(*this, IDC_RESULTS)});
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDoubleClickDlg, CTestDlg)
    ON_NOTIFY(NM_DBLCLK, IDC_RESULTS, OnResultsDoubleClick)
END_MESSAGE_MAP()

std::string FirstColumn(const CListCtrl& list)
{
    std::string joined;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (row > 0) joined += ',';
        joined += list.GetItemText(row, 0).GetString();
    }
    return joined;
}

TEST_F(ListCtrlTest, KeepsRowsWhereTheyAreInserted)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        CListCtrl& list = dlg.m_results;
        for (const char* angle : {"0", "60", "120", "180"}) EXPECT_EQ(list.InsertItem(0, angle), 0);
        EXPECT_EQ(FirstColumn(list), "180,120,60,0");
        EXPECT_EQ(list.InsertItem(2, "90"), 2);
        EXPECT_EQ(list.InsertItem(100, "end"), 5);
        EXPECT_EQ(list.InsertItem(-3, "top"), 0);
        EXPECT_EQ(FirstColumn(list), "top,180,120,90,60,0,end");
        EXPECT_EQ(list.GetItemCount(), 7);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, SetsCellsOfExistingRowsOnly)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        CListCtrl& list = dlg.m_results;
        const int row = list.InsertItem(0, "60");
        EXPECT_TRUE(list.SetItemText(row, 1, "-1.2e-15"));
        EXPECT_TRUE(list.SetItemText(row, 2, "3"));
        list.InsertItem(0, "120");
        EXPECT_EQ(list.GetItemText(1, 1), "-1.2e-15");   // the cell moved down with its row
        EXPECT_EQ(list.GetItemText(1, 2), "3");
        // A failed insertion's index changes nothing, as does a column the list lacks.
        EXPECT_FALSE(list.SetItemText(-1, 1, "lost"));
        EXPECT_FALSE(list.SetItemText(2, 1, "lost"));
        EXPECT_FALSE(list.SetItemText(0, 3, "lost"));
        EXPECT_EQ(list.GetItemText(0, 1), "");
        EXPECT_EQ(list.GetItemCount(), 2);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, DeleteAllItemsAndItsMessageEmptyTheList)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        CListCtrl& list = dlg.m_results;
        for (int i = 0; i < 500; ++i) list.InsertItem(0, std::to_string(i).c_str());
        EXPECT_TRUE(list.DeleteAllItems());
        EXPECT_EQ(list.GetItemCount(), 0);
        for (int i = 0; i < 3; ++i) list.InsertItem(0, "x");
        EXPECT_EQ(list.SendMessage(LVM_GETITEMCOUNT), 3);
        list.SendMessage(LVM_DELETEALLITEMS);
        EXPECT_EQ(list.GetItemCount(), 0);
        EXPECT_EQ(list.InsertItem(0, "again"), 0);
        EXPECT_EQ(ShownListRows(shown, IDC_RESULTS), (std::vector<std::vector<std::string>>{{"again", "", ""}}));
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, ShowsTheColumnHeadingsOfTheGivenWidthsAndTheRowsAsInserted)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        EXPECT_EQ(ListHeadings(shown, IDC_RESULTS),
                  (std::vector<std::string>{"Ángulo", "Derivada de V", "V(Kcal/mol)"}));
        EXPECT_EQ(ListColumnWidths(shown, IDC_RESULTS), (std::vector<int>{133, 145, 145}));
        CListCtrl& list = dlg.m_results;
        for (const char* angle : {"0", "60", "120"}) list.SetItemText(list.InsertItem(0, angle), 2, "3");
        list.SetItemText(list.InsertItem(3, "end"), 1, "-1e-15");
        list.SetItemText(1, 2, "changed");
        const std::vector<std::vector<std::string>> shownRows = {
            {"120", "", "3"}, {"60", "", "changed"}, {"0", "", "3"}, {"end", "-1e-15", ""}};
        EXPECT_EQ(ShownListRows(shown, IDC_RESULTS), shownRows);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, ADoubleClickTellsTheDialogOfTheRowItSelected)
{
    CDoubleClickDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        for (const char* angle : {"0", "60", "120"}) dlg.m_results.InsertItem(0, angle);
        ClickListRow(shown, IDC_RESULTS, 0);
        EXPECT_TRUE(dlg.clicks.empty());
        DoubleClickListRow(shown, IDC_RESULTS, 2);
        ASSERT_EQ(dlg.clicks.size(), 1U);
        EXPECT_EQ(dlg.clicks[0].id, static_cast<UINT_PTR>(IDC_RESULTS));
        EXPECT_EQ(dlg.clicks[0].row, 2);
        EXPECT_EQ(dlg.clicks[0].selected, std::vector<int>{2});
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, AListWithoutAControlRefusesEverything)
{
    CListCtrl loose;
    EXPECT_EQ(loose.InsertColumn(0, "x"), -1);
    EXPECT_EQ(loose.InsertItem(0, "x"), -1);
    EXPECT_FALSE(loose.SetItemText(0, 0, "x"));
    EXPECT_FALSE(loose.DeleteAllItems());
    EXPECT_EQ(loose.GetItemCount(), 0);
    EXPECT_EQ(loose.GetItemText(0, 0), "");

    // The dialog's list is detached when the dialog ends.
    CTestDlg dlg;
    RunDriven(dlg, [](CDialog& shown) { shown.EndDialog(IDOK); });
    EXPECT_EQ(dlg.m_results.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_results.InsertItem(0, "late"), -1);
}

}  // namespace
