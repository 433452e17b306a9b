// Message maps and dialog keys: clicks, Enter, Escape, the close box, F1, system commands,
// a derived map before its base's, painting and the drag icon.

#include "gui_test_support.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTableView>

namespace {

using platform_testing::ControlOf;
using platform_testing::DialogOf;
using platform_testing::MessageBoxRecorder;

class MessageMapTest : public GuiTest {};

TEST_F(MessageMapTest, AClickAndEnterAnywhereReachTheDefaultButtonsHandler)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        QTest::mouseClick(ControlOf(shown, IDC_COMPUTE), Qt::LeftButton);
        EXPECT_EQ(dlg.computeClicks, 1);
        QTest::keyClick(Edit(shown, IDC_V3), Qt::Key_Return);
        EXPECT_EQ(dlg.computeClicks, 2);
        QTest::keyClick(ControlOf(shown, IDC_RESULTS), Qt::Key_Enter);
        EXPECT_EQ(dlg.computeClicks, 3);
        EXPECT_TRUE(DialogOf(shown)->isVisible());
        QTest::mouseClick(ControlOf(shown, IDCANCEL), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.cancels, 1);
}

TEST_F(MessageMapTest, EscapeRunsOnCancelThroughTheMap)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [](CDialog& shown) {
        QTest::keyClick(Edit(shown, IDC_PRECISION), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.cancels, 1);
    EXPECT_TRUE(dlg.systemCommands.empty());
}

TEST_F(MessageMapTest, TheCloseBoxIsASystemCommandWhoseDefaultCancels)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        // Anything other than SC_CLOSE reaches the handler and changes nothing by default.
        shown.SendMessage(WM_SYSCOMMAND, SC_MOVE, 0);
        EXPECT_EQ(dlg.cancels, 0);
        DialogOf(shown)->close();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.systemCommands, (std::vector<UINT>{SC_MOVE, SC_CLOSE}));
    EXPECT_EQ(dlg.cancels, 1);
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
        QTest::keyClick(Edit(shown, IDC_V1), Qt::Key_Escape);
        EXPECT_EQ(dlg.ownCancels, 1);
        EXPECT_EQ(dlg.cancels, 0);
        EXPECT_TRUE(DialogOf(shown)->isVisible());
        QTest::mouseClick(ControlOf(shown, IDC_COMPUTE), Qt::LeftButton);   // CTestDlg's map
        EXPECT_EQ(dlg.computeClicks, 1);
        QTest::mouseClick(ControlOf(shown, IDOK), Qt::LeftButton);          // CDialog's map
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(MessageMapTest, F1GoesThroughTheApplicationsMapToItsHelp)
{
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        QTest::keyClick(Edit(shown, IDC_V2), Qt::Key_F1);
        QTest::keyClick(ControlOf(shown, IDC_COMPUTE), Qt::Key_F1);
        // A command nobody handles, not even the application, has no effect.
        EXPECT_EQ(shown.SendMessage(WM_COMMAND, MAKEWPARAM(0xBEEF, BN_CLICKED), 0), 0);
        shown.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    CString help;   // the help command's own string resource
    ASSERT_TRUE(help.LoadString(ID_HELP));
    EXPECT_EQ(boxes.Calls()[0].text, help.GetString());
    EXPECT_EQ(boxes.Calls()[0].caption, "Zelmara");
    EXPECT_EQ(boxes.Calls()[0].type, MB_ICONINFORMATION);
    EXPECT_EQ(dlg.computeClicks, 0);
}

// Paints through its own handler: the icon centred when minimised, Qt's painting otherwise.
class CPaintingDlg : public CTestDlg {
public:
    CPaintingDlg() { m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME); }
    HICON m_hIcon;
    int paints = 0;

protected:
    afx_msg void OnPaint()
    {
        ++paints;
        if (!IsIconic()) {
            CTestDlg::OnPaint();
            return;
        }
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    }
    afx_msg HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingDlg, CTestDlg)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

TEST_F(MessageMapTest, PaintingAndTheDragIconGoThroughTheMap)
{
    CPaintingDlg dlg;
    ASSERT_NE(dlg.m_hIcon, nullptr);
    CTestDlg plain;
    RunDriven(plain, [](CDialog& shown) {
        EXPECT_EQ(shown.SendMessage(WM_QUERYDRAGICON), 0);   // by default: no icon
        shown.EndDialog(IDCANCEL);
    });
    RunDriven(dlg, [&](CDialog& shown) {
        EXPECT_EQ(shown.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(dlg.m_hIcon));
        QDialog* window = DialogOf(shown);
        // The dialog's own surface, without its controls.
        const auto surface = [window] {
            QImage image(window->size(), QImage::Format_RGB32);
            window->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            return image;
        };
        const QImage normal = surface();
        EXPECT_GT(dlg.paints, 0);

        window->setWindowState(Qt::WindowMinimized);
        ASSERT_TRUE(shown.IsIconic());
        const QImage iconic = surface();
        // Minimised: the surface erased, the icon drawn in the middle of it.
        const QRect middle((window->width() - 32 + 1) / 2, (window->height() - 32 + 1) / 2, 32, 32);
        int changed = 0;
        for (int y = 0; y < iconic.height(); ++y) {
            for (int x = 0; x < iconic.width(); ++x) {
                if (iconic.pixel(x, y) == normal.pixel(x, y)) continue;
                EXPECT_TRUE(middle.contains(x, y)) << x << "," << y;
                ++changed;
            }
        }
        EXPECT_GT(changed, 100);
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
