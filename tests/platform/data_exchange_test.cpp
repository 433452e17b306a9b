// Field exchange and validation on the main template: order, the first failure alone
// reported and focused, range ends, number texts independent of the locale.

#include "gui_test_support.h"
#include "text/number_text.h"

#include <cmath>
#include <limits>

namespace {

class DataExchangeTest : public GuiTest {};

TEST_F(DataExchangeTest, FillsTheFieldsWithPointNumbersUnderTheSpanishLocale)
{
    CTestDlg dlg;
    dlg.m_V[4] = -2.5e-7;
    const INT_PTR result = RunDriven(dlg, [](CDialog& shown) {
        EXPECT_EQ(ControlText(shown, IDC_PRECISION), "0.005");
        EXPECT_EQ(ControlText(shown, IDC_V1), "0");
        EXPECT_EQ(ControlText(shown, IDC_V4), "-2.5e-07");
        // OnInitDialog returned TRUE: the first tab stop has the focus, its text selected.
        EXPECT_EQ(FocusedControl(shown), IDC_V1);
        EXPECT_EQ(SelectedText(shown, IDC_V1), "0");
        shown.EndDialog(IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(DataExchangeTest, ReadsTypedNumbersInEveryAcceptedForm)
{
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_PRECISION, "0,01");   // a lone decimal comma
        Type(shown, IDC_V1, "  -3 ");
        Type(shown, IDC_V2, "2.5E-3");
        Type(shown, IDC_V3, "+1e14");
        Type(shown, IDC_V6, ".5");
        EXPECT_TRUE(shown.UpdateData(TRUE));
        shown.EndDialog(IDOK);
    });
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(dlg.m_precision, 0.01);
    EXPECT_EQ(dlg.m_V[1], -3.0);
    EXPECT_EQ(dlg.m_V[2], 0.0025);
    EXPECT_EQ(dlg.m_V[3], 1e14);
    EXPECT_EQ(dlg.m_V[6], 0.5);
}

TEST_F(DataExchangeTest, StopsAtTheFirstBadFieldWhichAloneIsReportedAndFocused)
{
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V1, "7");
        Type(shown, IDC_V2, "x");
        Type(shown, IDC_PRECISION, "200");
        // The precision comes before the coefficients: it is the one reported.
        EXPECT_FALSE(shown.UpdateData(TRUE));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, "Escriba un número entre 0.0001 y 180.");
        EXPECT_EQ(boxes.Calls()[0].caption, "Zelmara");
        EXPECT_EQ(boxes.Calls()[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(FocusedControl(shown), IDC_PRECISION);
        EXPECT_EQ(SelectedText(shown, IDC_PRECISION), "200");
        EXPECT_EQ(dlg.m_precision, 0.005);
        EXPECT_EQ(dlg.m_V[1], 0.0);   // after the failure: untouched

        Type(shown, IDC_PRECISION, "0.5");
        EXPECT_FALSE(shown.UpdateData(TRUE));
        ASSERT_EQ(boxes.Calls().size(), 2u);
        EXPECT_EQ(boxes.Calls()[1].text, "Escriba un número.");
        EXPECT_EQ(FocusedControl(shown), IDC_V2);
        EXPECT_EQ(SelectedText(shown, IDC_V2), "x");
        EXPECT_EQ(dlg.m_precision, 0.5);   // before the failure: read
        EXPECT_EQ(dlg.m_V[1], 7.0);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(DataExchangeTest, AcceptsBothRangeEndsAndRefusesTheNeighboursOutside)
{
    const double inside[] = {0.0001, 180.0};
    const double outside[] = {std::nextafter(0.0001, 0.0),
                              std::nextafter(180.0, std::numeric_limits<double>::infinity()), 0.0,
                              -1.0};
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        for (const double value : inside) {
            Type(shown, IDC_PRECISION, FormatRoundTrip(value).c_str());
            EXPECT_TRUE(shown.UpdateData(TRUE)) << value;
            EXPECT_EQ(dlg.m_precision, value);
        }
        for (const double value : outside) {
            const std::string text = FormatRoundTrip(value);
            Type(shown, IDC_PRECISION, text.c_str());
            EXPECT_FALSE(shown.UpdateData(TRUE)) << text;
            EXPECT_EQ(dlg.m_precision, 180.0);   // a refused value never stays in the member
        }
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(boxes.Calls().size(), std::size(outside));
}

TEST_F(DataExchangeTest, RefusesTextsThatAreNotNumbers)
{
    const char* const refused[] = {"", "   ", "abc", "5 kcal", "1.2.3", "1,5,0", "0x10",
                                   "nan", "inf", "-Infinity", "−3"};
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        for (const char* text : refused) {
            Type(shown, IDC_V5, text);
            EXPECT_FALSE(shown.UpdateData(TRUE)) << '"' << text << '"';
        }
        shown.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), std::size(refused));
    for (const auto& call : boxes.Calls()) EXPECT_EQ(call.text, "Escriba un número.");
    EXPECT_EQ(dlg.m_V[5], 0.0);
}

// A number no double can hold is told apart, in the words zelmara-scan uses for it.
TEST_F(DataExchangeTest, SaysWhyANumberIsOutOfRange)
{
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        for (const char* text : {"1e999", "-1e-400"}) {
            Type(shown, IDC_V5, text);
            EXPECT_FALSE(shown.UpdateData(TRUE)) << text;
        }
        shown.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].text,
              "El número es demasiado grande (el mayor valor absoluto representable es 1.7976931348623157e+308).");
    EXPECT_EQ(boxes.Calls()[1].text, "El número es demasiado pequeño: se leería como 0 (el menor valor absoluto "
                                     "representable distinto de 0 es 5e-324).");
    EXPECT_EQ(dlg.m_V[5], 0.0);
}

TEST_F(DataExchangeTest, OkEndsTheDialogOnlyAfterASuccessfulExchange)
{
    CTestDlg dlg;
    MessageBoxRecorder boxes;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "tres");
        Click(shown, IDOK);
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_TRUE(IsShown(shown));
        Type(shown, IDC_V3, "3");
        Click(shown, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_V[3], 3.0);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

// A dialog whose exchange names a control its template lacks.
class CMissingControlDlg : public CDialog {
public:
    CMissingControlDlg() : CDialog(IDD_MAIN_DIALOG) {}
    double m_value = 1.0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 4242, m_value); }
};

TEST_F(DataExchangeTest, MissingTemplatesAndControlsFailLoudlyWithoutADialog)
{
    CDialog missingTemplate(9999);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(missingTemplate.DoModal(), -1);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("9999"), std::string::npos);

    CMissingControlDlg missingControl;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(missingControl.DoModal(), -1);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("4242"), std::string::npos);
    EXPECT_EQ(missingControl.m_hWnd, nullptr);
}

// A dialog whose exchange attaches two objects to the same list.
class CDoubleAttachDlg : public CDialog {
public:
    CDoubleAttachDlg() : CDialog(IDD_MAIN_DIALOG) {}
    CListCtrl m_first;
    CListCtrl m_second;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_RESULTS, m_first);
        DDX_Control(pDX, IDC_RESULTS, m_second);
    }
};

TEST_F(DataExchangeTest, AControlThatCannotBeAttachedEndsTheExchangeAsFailed)
{
    CDoubleAttachDlg twice;
    WhenNextDialogShown([](CDialog& shown) { shown.EndDialog(IDOK); });
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(twice.DoModal(), -1);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("1007"), std::string::npos);
    EXPECT_EQ(PendingDialogDrivers(), 1) << "the dialog was shown";
    ClearDialogDrivers();
    EXPECT_EQ(twice.m_first.m_hWnd, nullptr);
    EXPECT_EQ(twice.m_second.m_hWnd, nullptr);

    // In a running dialog whose list has been given another object: the exchange stops at the
    // list, so the precision after it is not read.
    CTestDlg dlg;
    CListCtrl other;
    RunDriven(dlg, [&](CDialog& shown) {
        ASSERT_TRUE(other.Attach(dlg.m_results.Detach()));
        Type(shown, IDC_PRECISION, "0.5");
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(shown.UpdateData(TRUE));
        EXPECT_NE(::testing::internal::GetCapturedStderr().find("1007"), std::string::npos);
        EXPECT_EQ(dlg.m_precision, 0.005);
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(other.m_hWnd, nullptr);   // detached when the dialog went
}

}  // namespace
