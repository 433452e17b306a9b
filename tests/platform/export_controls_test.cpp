// The drop-down list and the multi-line read-only text, on the export window's template: what
// the framework reads and changes, what the user's choice and keys do, on every backend.

#include "gui_test_support.h"

#include <string>
#include <vector>

namespace {

// A dialog on IDD_FORCE_FIELD_EXPORT that counts the notifications reaching it.
class CControlsDlg : public CDialog {
public:
    CControlsDlg() : CDialog(IDD_FORCE_FIELD_EXPORT) {}
    CComboBox m_list;
    int selectionChanges = 0;
    int textChanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_EXPORT_FORMAT, m_list);
    }
    afx_msg void OnSelectionChange() { ++selectionChanges; }
    afx_msg void OnTextChange() { ++textChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_EXPORT_FORMAT, OnSelectionChange)
    ON_EN_CHANGE(IDC_EXPORT_TYPES, OnTextChange)
END_MESSAGE_MAP()

class ExportControlsTest : public GuiTest {};

TEST_F(ExportControlsTest, DropDownListKeepsItsEntriesAndNotifiesOnlyTheUsersChoice)
{
    CControlsDlg dlg;
    EXPECT_EQ(dlg.m_list.AddString("unattached"), CB_ERR);
    RunDriven(dlg, [&](CDialog& shown) {
        CComboBox& list = dlg.m_list;
        EXPECT_EQ(list.GetCount(), 0);
        for (const char* entry : {"GROMACS, función 3", "CHARMM", "LAMMPS, opls"}) list.AddString(entry);
        EXPECT_EQ(list.GetCount(), 3);
        EXPECT_EQ(list.GetCurSel(), CB_ERR);   // adding chooses none
        EXPECT_EQ(list.SetCurSel(1), 1);
        EXPECT_EQ(list.SetCurSel(3), CB_ERR);
        EXPECT_EQ(list.GetCurSel(), 1);
        CString text;
        list.GetLBText(0, text);
        EXPECT_EQ(text, "GROMACS, función 3");
        list.GetLBText(3, text);
        EXPECT_EQ(text, "");
        EXPECT_EQ(ComboBoxEntries(shown, IDC_EXPORT_FORMAT),
                  (std::vector<std::string>{"GROMACS, función 3", "CHARMM", "LAMMPS, opls"}));
        EXPECT_EQ(ControlText(shown, IDC_EXPORT_FORMAT), "CHARMM");
        EXPECT_EQ(dlg.selectionChanges, 0);

        ChooseComboBoxEntry(shown, IDC_EXPORT_FORMAT, 2);
        EXPECT_EQ(dlg.selectionChanges, 1);
        ChooseComboBoxEntry(shown, IDC_EXPORT_FORMAT, 0);   // up through CHARMM
        EXPECT_EQ(dlg.selectionChanges, 3);
        EXPECT_EQ(list.GetCurSel(), 0);
        EXPECT_EQ(ComboBoxSelection(shown, IDC_EXPORT_FORMAT), 0);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExportControlsTest, MultiLineTextKeepsItsLinesAndIsSelectedAndCopiedAsTheToolkitDoes)
{
    CControlsDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        const std::string text = "[ dihedraltypes ]\nCT CT CT CT 3 2.9288 -1.4644 0 0 0 0\n; ñ\n";
        shown.SetDlgItemText(IDC_EXPORT_TEXT, text.c_str());
        EXPECT_EQ(ControlText(shown, IDC_EXPORT_TEXT), text);
        CString read;
        EXPECT_EQ(shown.GetDlgItemText(IDC_EXPORT_TEXT, read), static_cast<int>(text.size()));
        EXPECT_EQ(read.str(), text);

        PressCtrlKey(shown, IDC_EXPORT_TEXT, 'A');
        EXPECT_EQ(SelectedText(shown, IDC_EXPORT_TEXT), text);
        PressCtrlKey(shown, IDC_EXPORT_TEXT, 'C');
        EXPECT_EQ(ClipboardText(), text);

        // The one-line edit beside it tells each change, typed or set.
        const int before = dlg.textChanges;
        Type(shown, IDC_EXPORT_TYPES, "CT");
        EXPECT_GT(dlg.textChanges, before);
        const int typed = dlg.textChanges;
        shown.SetDlgItemText(IDC_EXPORT_TYPES, "X X X X");
        EXPECT_GT(dlg.textChanges, typed);
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
