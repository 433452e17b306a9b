// Figures for the result list at its largest: every coefficient zero at the finest step,
// 0.0001, gives about 1.8 million rows, each inserted at the top of the list with its angle
// and then given its two other cells, as the main dialog's compute command does. The list is
// then shown and painted once. Printed: the scan and row texts alone, the same with the list
// filled, the view told and painted, and the peak resident memory. It never fails.
//
// Run: bench/list_bench (offscreen with Qt unless QT_QPA_PLATFORM says otherwise; under Wine
// with a display on Windows builds).

#include "afxcmn.h"
#include "afxwin.h"
#include "bench_timing.h"
#include "core/extremum_scan.h"
#include "report/row_text.h"
#include "resource.h"
#include "testing/test_driver.h"

#include <clocale>
#include <cstdio>

namespace {

constexpr double kStep = 0.0001;

class CBenchApp : public CWinApp {};
CBenchApp theBenchApp;

// The main template with its list attached and the three columns, as the program has them.
class CListDlg : public CDialog {
public:
    CListDlg() : CDialog(IDD_MAIN_DIALOG) {}
    CListCtrl m_results;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_RESULTS, m_results); }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_results.InsertColumn(0, "Ángulo", LVCFMT_LEFT, 133);
        m_results.InsertColumn(1, "Derivada de V", LVCFMT_LEFT, 145);
        m_results.InsertColumn(2, "V(Kcal/mol)", LVCFMT_LEFT, 145);
        return TRUE;
    }
};

}  // namespace

int main(int, char** argv)
{
    const std::unique_ptr<backend::Toolkit> toolkit = test_driver::StartApplication(argv[0]);
    std::setlocale(LC_NUMERIC, "C");   // the toolkit set the user's locale; figures keep a point
    const CoefficientSet zero{};

    // The scan and the row texts alone: what any front end pays.
    BenchClock::time_point start = BenchClock::now();
    long rows = 0;
    ScanForExtrema(zero, kStep, [&rows](const ExtremumRow& row) {
        const ExtremumRowText text = FormatRow(row);
        rows += text.angle[0] != '\0';
    });
    const double scanSeconds = SecondsSince(start);

    CListDlg dlg;
    test_driver::WhenNextDialogShown([&](CDialog& shown) {
        const double residentBefore = PeakResidentMegabytes();
        CListCtrl& list = dlg.m_results;
        const BenchClock::time_point fillStart = BenchClock::now();
        ScanForExtrema(zero, kStep, [&list](const ExtremumRow& row) {
            const ExtremumRowText text = FormatRow(row);
            const int index = list.InsertItem(0, text.angle);
            list.SetItemText(index, 1, text.derivative);
            list.SetItemText(index, 2, text.potential);
        });
        const double fillSeconds = SecondsSince(fillStart);

        // Back to the event loop (the view is told), then one painting of the whole window.
        const BenchClock::time_point showStart = BenchClock::now();
        test_driver::LetEventsRun();
        test_driver::PaintNow(shown);
        const double showSeconds = SecondsSince(showStart);

        std::printf("rows in the list:                    %d (top row %s)\n", list.GetItemCount(),
                    list.GetItemText(0, 0).GetString());
        std::printf("scan and row texts alone:            %.3f s\n", scanSeconds);
        std::printf("scan, texts and list filled:         %.3f s\n", fillSeconds);
        std::printf("  of which the list:                 %.3f s\n", fillSeconds - scanSeconds);
        std::printf("view told and window painted:        %.3f s\n", showSeconds);
        std::printf("list filled, told and painted:       %.3f s\n", fillSeconds + showSeconds);
        std::printf("peak resident memory, dialog shown:  %.1f MB\n", residentBefore);
        std::printf("peak resident memory, list painted:  %.1f MB\n", PeakResidentMegabytes());

        const BenchClock::time_point clearStart = BenchClock::now();
        list.SendMessage(LVM_DELETEALLITEMS);
        test_driver::LetEventsRun();
        std::printf("list emptied and view told:          %.3f s\n", SecondsSince(clearStart));
        shown.EndDialog(IDOK);
    });
    dlg.DoModal();
    return rows > 0 ? 0 : 1;
}
