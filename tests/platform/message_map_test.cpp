// Message maps and dialog keys: clicks, Enter, Escape, the close box, F1, system commands,
// a derived map before its base's, the drag icon, and an edit's changes.

#include "gui_test_support.h"

#include <string>
#include <vector>

namespace {

class MessageMapTest : public GuiTest {};

TEST_F(MessageMapTest, AClickAndEnterAnywhereReachTheDefaultButtonsHandler)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        Click(shown, IDC_COMPUTE);
        EXPECT_EQ(dlg.computeClicks, 1);
        PressKey(shown, IDC_V3, Key::Enter);
        EXPECT_EQ(dlg.computeClicks, 2);
        PressKey(shown, IDC_RESULTS, Key::Enter);
        EXPECT_EQ(dlg.computeClicks, 3);
        EXPECT_TRUE(IsShown(shown));
        Click(shown, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.cancels, 1);
}

TEST_F(MessageMapTest, EscapeRunsOnCancelThroughTheMap)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [](CDialog& shown) {
        PressKey(shown, IDC_PRECISION, Key::Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.cancels, 1);
    EXPECT_TRUE(dlg.systemCommands.empty());
}

TEST_F(MessageMapTest, TheCloseBoxIsASystemCommandWhoseDefaultCancels)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        // A command the default handling does not know reaches the handler and changes nothing.
        shown.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        EXPECT_EQ(dlg.cancels, 0);
        CloseBox(shown);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.systemCommands, (std::vector<UINT>{IDM_ABOUTBOX, SC_CLOSE}));
    EXPECT_EQ(dlg.cancels, 1);
}

// Records the texts of V1 each time that edit tells it of a change.
class CEditChangeDlg : public CTestDlg {
public:
    std::vector<std::string> texts;

protected:
    afx_msg void OnV1Changed()
    {
        CString text;
        GetDlgItemText(IDC_V1, text);
        texts.emplace_back(text.GetString());
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEditChangeDlg, CTestDlg)
    ON_EN_CHANGE(IDC_V1, OnV1Changed)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, AnEditTellsItsDialogOfAChangeWithTheTextItNowHas)
{
    CEditChangeDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        dlg.texts.clear();   // whatever filling the fields told
        Type(shown, IDC_V2, "5");
        EXPECT_TRUE(dlg.texts.empty());
        Type(shown, IDC_V1, "12");
        ASSERT_FALSE(dlg.texts.empty());
        EXPECT_EQ(dlg.texts.back(), "12");
        CString missing = "x";
        EXPECT_EQ(shown.GetDlgItemText(9999, missing), 0);
        EXPECT_EQ(missing, "");
        shown.EndDialog(IDCANCEL);
    });
}

// Its own map handles Cancel; everything else comes from CTestDlg's map and CDialog's.
class CDerivedDlg : public CTestDlg {
public:
    int ownCancels = 0;

protected:
    afx_msg void OnOwnCancel() { ++ownCancels; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedDlg, CTestDlg)
    ON_COMMAND(IDCANCEL, OnOwnCancel)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, ADerivedMapIsSearchedBeforeItsBases)
{
    CDerivedDlg dlg;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        PressKey(shown, IDC_V1, Key::Escape);
        EXPECT_EQ(dlg.ownCancels, 1);
        EXPECT_EQ(dlg.cancels, 0);
        EXPECT_TRUE(IsShown(shown));
        Click(shown, IDC_COMPUTE);   // CTestDlg's map
        EXPECT_EQ(dlg.computeClicks, 1);
        Click(shown, IDOK);          // CDialog's map
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(MessageMapTest, F1GoesThroughTheApplicationsMapToItsHelp)
{
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        PressKey(shown, IDC_V2, Key::F1);
        PressKey(shown, IDC_COMPUTE, Key::F1);
        // A command nobody handles, not even the application, has no effect.
        EXPECT_EQ(shown.SendMessage(WM_COMMAND, MAKEWPARAM(0xBEEF, BN_CLICKED), 0), 0);
        shown.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    CString help;   // the help command's own string resource
    ASSERT_TRUE(help.LoadString(ID_HELP));
    EXPECT_EQ(boxes.Calls()[0].text, help.GetString());
    EXPECT_EQ(boxes.Calls()[0].caption, "Zelmara");
    EXPECT_EQ(boxes.Calls()[0].type, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(dlg.computeClicks, 0);
}

TEST_F(MessageMapTest, PaintingGoesThroughTheMapWithADeviceOnlyWhilePainting)
{
    CPaintingDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        PaintNow(shown);
        EXPECT_GT(dlg.paints, 0);
        EXPECT_EQ(dlg.paintsWithDevice, dlg.paints);
        const CPaintDC outside(&shown);   // not handling WM_PAINT: nothing to paint on
        EXPECT_EQ(outside.GetSafeHdc(), nullptr);
        shown.EndDialog(IDCANCEL);
    });
}

// Gives the program's icon as the cursor of a dragged minimised window.
class CIconDlg : public CTestDlg {
public:
    CIconDlg() { m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME); }
    HICON m_hIcon;

protected:
    afx_msg HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIconDlg, CTestDlg)
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

TEST_F(MessageMapTest, TheDragIconGoesThroughTheMap)
{
    CIconDlg dlg;
    ASSERT_NE(dlg.m_hIcon, nullptr);
    CTestDlg plain;
    RunDriven(plain, [&](CDialog& shown) {
        // By default, the system's choice: never the program's icon.
        EXPECT_NE(shown.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(dlg.m_hIcon));
        shown.EndDialog(IDCANCEL);
    });
    RunDriven(dlg, [&](CDialog& shown) {
        EXPECT_EQ(shown.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(dlg.m_hIcon));
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
