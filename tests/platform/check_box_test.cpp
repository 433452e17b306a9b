// Check boxes: a click toggles the box and reaches the dialog as BN_CLICKED, as a push button's
// does; the program's setting sends none; DDX_Check exchanges the state both ways. On the fit
// window's template, whose V1 ... V6 are AUTOCHECKBOX statements.

#include "gui_test_support.h"

namespace {

class CCheckDlg : public CDialog {
public:
    CCheckDlg() : CDialog(IDD_PROFILE_FIT) {}
    int m_v1 = BST_CHECKED;
    int m_v2 = BST_UNCHECKED;
    std::vector<int> clicks;   // V1's state as the handler finds it, per click

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Check(pDX, IDC_FIT_V1, m_v1);
        DDX_Check(pDX, IDC_FIT_V2, m_v2);
    }
    afx_msg void OnV1() { clicks.push_back(static_cast<int>(IsDlgButtonChecked(IDC_FIT_V1))); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckDlg, CDialog)
    ON_BN_CLICKED(IDC_FIT_V1, OnV1)
END_MESSAGE_MAP()

class CheckBoxTest : public GuiTest {};

TEST_F(CheckBoxTest, AClickTogglesAndNotifiesTheProgramsSettingDoesNot)
{
    CCheckDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        EXPECT_TRUE(IsChecked(shown, IDC_FIT_V1));
        EXPECT_FALSE(IsChecked(shown, IDC_FIT_V2));
        Click(shown, IDC_FIT_V1);
        Click(shown, IDC_FIT_V2);
        EXPECT_FALSE(IsChecked(shown, IDC_FIT_V1));
        EXPECT_EQ(dlg.clicks, (std::vector<int>{BST_UNCHECKED}));
        EXPECT_TRUE(shown.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_v1, static_cast<int>(BST_UNCHECKED));
        EXPECT_EQ(dlg.m_v2, static_cast<int>(BST_CHECKED));

        shown.CheckDlgButton(IDC_FIT_V1, BST_CHECKED);
        EXPECT_TRUE(IsChecked(shown, IDC_FIT_V1));
        dlg.m_v2 = BST_UNCHECKED;
        EXPECT_TRUE(shown.UpdateData(FALSE));
        EXPECT_FALSE(IsChecked(shown, IDC_FIT_V2));
        EXPECT_EQ(dlg.clicks.size(), 1u) << "setting a box sent BN_CLICKED";

        shown.GetDlgItem(IDC_FIT_V1)->EnableWindow(FALSE);
        EXPECT_FALSE(IsEnabled(shown, IDC_FIT_V1));
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
