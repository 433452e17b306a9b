#include "gui_test_support.h"

#include <QTest>

#include <memory>

namespace {

// Starts Qt once for the test program, as the program's entry point does.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // These tests never need a display, whoever runs them.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = platform_testing::StartApplication(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    char m_name[18] = "platform_gui_test";
    char* m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CTestApp theTestApp;

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_BN_CLICKED(IDC_COMPUTE, OnComputeExtrema)
END_MESSAGE_MAP()

void CTestDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESULTS, m_results);
    DDX_Text(pDX, IDC_PRECISION, m_precision);
    DDV_MinMaxDouble(pDX, m_precision, 0.0001, 180.);
    DDX_Text(pDX, IDC_V1, m_V[1]);
    DDX_Text(pDX, IDC_V2, m_V[2]);
    DDX_Text(pDX, IDC_V3, m_V[3]);
    DDX_Text(pDX, IDC_V4, m_V[4]);
    DDX_Text(pDX, IDC_V5, m_V[5]);
    DDX_Text(pDX, IDC_V6, m_V[6]);
}

BOOL CTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_results.InsertColumn(0, "Ángulo", LVCFMT_LEFT, 133);
    m_results.InsertColumn(1, "Derivada de V", LVCFMT_LEFT, 145);
    m_results.InsertColumn(2, "V(Kcal/mol)", LVCFMT_LEFT, 145);
    return TRUE;
}

void CTestDlg::OnCancel()
{
    ++cancels;
    CDialog::OnCancel();
}

void CTestDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    systemCommands.push_back(nID);
    CDialog::OnSysCommand(nID, lParam);
}

void CTestDlg::OnComputeExtrema()
{
    ++computeClicks;
    if (onCompute) onCompute();
}

void GuiTest::TearDown()
{
    EXPECT_EQ(platform_testing::PendingDialogDrivers(), 0) << "a queued driver was never run";
    platform_testing::ClearDialogDrivers();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList leaked;
    for (const QWidget* window : QApplication::topLevelWidgets())
        leaked << window->metaObject()->className() + QStringLiteral(" ") + window->objectName();
    EXPECT_TRUE(leaked.isEmpty()) << "top-level windows left: " << leaked.join(", ").toStdString();
}

INT_PTR RunDriven(CDialog& dlg, std::function<void(CDialog&)> driver)
{
    platform_testing::WhenNextDialogShown(std::move(driver));
    return dlg.DoModal();
}

QLineEdit* Edit(const CWnd& dlg, int id)
{
    return qobject_cast<QLineEdit*>(platform_testing::ControlOf(dlg, id));
}

void Type(const CWnd& dlg, int id, const char* text)
{
    QLineEdit* edit = Edit(dlg, id);
    ASSERT_NE(edit, nullptr) << "no edit " << id;
    edit->selectAll();
    const QString typed = QString::fromUtf8(text);
    bool ascii = true;
    for (const QChar c : typed) ascii = ascii && c.unicode() < 0x80;
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (ascii)
        QTest::keyClicks(edit, typed);
    else
        edit->insert(typed);   // as an input method commits it: QTest types ASCII only
}
