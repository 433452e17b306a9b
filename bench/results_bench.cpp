// Figures for taking the result table out of the main window at its largest: every coefficient
// zero at the finest step, 0.0001 (about 1.8 million rows). Ctrl+C with no row selected, and
// after Ctrl+A; "Guardar como..." to a file in the temporary folder; each with its wall time and
// the peak resident memory it added over what the window held before, beside the size of the
// text. For comparison, the same text handed to the clipboard as a QString (UTF-16). Then the
// hostile typing of the fields: the paste, and from the click on the compute button the time to
// the validation message, to the click handled (the field focused, its text selected) and to
// the window painted again. It prints figures only; it never fails.
//
// Run offscreen: QT_QPA_PLATFORM=offscreen bench/results_bench. The Windows build runs under
// Wine with a display (xvfb-run); Windows cannot forget a process's peak working set, so there a
// step's "memory added" is the peak so far less the working set before it: too high once an
// earlier step has peaked higher.

#include "app/extrema_app.h"
#include "bench_timing.h"
#include "framework/hooks.h"
#include "report/scan_table.h"
#include "resource.h"
#include "testing/test_driver.h"
#include "ui/extrema_dlg.h"

#ifndef _WIN32
#include <QApplication>
#include <QClipboard>
#endif

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

CExtremaApp theApp;

namespace {

using namespace test_driver;

#ifdef _WIN32
PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

double ResetPeak()
{
    return static_cast<double>(MemoryCounters().WorkingSetSize) / (1024.0 * 1024.0);
}

double PeakMegabytes()
{
    return static_cast<double>(MemoryCounters().PeakWorkingSetSize) / (1024.0 * 1024.0);
}
#else
// A field of /proc/self/status in MB (VmRSS, VmHWM), or -1.
double StatusMegabytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string name;
    double kilobytes = -1.0;
    while (status >> name) {
        if (name == std::string(field) + ":") {
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    return -1.0;
}

// Starts a measurement of peak memory: the kernel forgets the peak so far (VmHWM becomes
// VmRSS). Returns the resident memory now.
double ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusMegabytes("VmRSS");
}

double PeakMegabytes()
{
    return StatusMegabytes("VmHWM");
}
#endif

struct Figures {
    double seconds;
    double peakAddedMegabytes;
};

template <class Work>
Figures Measure(Work&& work)
{
    const double before = ResetPeak();
    const BenchClock::time_point start = BenchClock::now();
    work();
    const double seconds = SecondsSince(start);
    return {seconds, PeakMegabytes() - before};
}

void Print(const char* what, const Figures& figures, double textMegabytes)
{
    std::printf("%-40s %6.3f s   peak memory added %6.1f MB (%.2f x the text)\n", what,
                figures.seconds, figures.peakAddedMegabytes, figures.peakAddedMegabytes / textMegabytes);
}

struct Hostile {
    const char* what;
    int field;
    std::string text;
};

}  // namespace

int main(int, char** argv)
{
    const std::unique_ptr<backend::Toolkit> toolkit = StartApplication(argv[0]);
    std::setlocale(LC_NUMERIC, "C");   // the toolkit set the user's locale; figures keep a point
    const std::filesystem::path saved = std::filesystem::temp_directory_path() / "zelmara-results-bench.tsv";

    CExtremaDlg dlg;
    WhenNextDialogShown([&](CDialog& shown) {
        Type(shown, IDC_PRECISION, "0.0001");
        Click(shown, IDC_COMPUTE);
        LetEventsRun();
        PaintNow(shown);
        const int rows = ShownListRowCount(shown, IDC_RESULTS);

        const Figures copyAll = Measure([&] { PressCtrlKey(shown, IDC_RESULTS, 'C'); });
        const std::string copied = ClipboardText();
        const double textMegabytes = static_cast<double>(copied.size()) / (1024.0 * 1024.0);
        PressCtrlKey(shown, IDC_RESULTS, 'A');
        const Figures copySelected = Measure([&] { PressCtrlKey(shown, IDC_RESULTS, 'C'); });
        const bool sameText = ClipboardText() == copied;

#ifndef _WIN32
        const Figures asQString = Measure([&] {
            QApplication::clipboard()->setText(QString::fromUtf8(copied.data(), static_cast<qsizetype>(copied.size())));
        });
#endif

        Figures save{};
        {
            SaveFileDialogRecorder dialogs(saved.string());
            save = Measure([&] { shown.SendMessage(WM_COMMAND, IDM_SAVE_AS); });
        }
        const auto savedBytes = std::filesystem::file_size(saved);
        CoefficientSet zero{};
        const bool savedAsScan = savedBytes == ScanTableText(zero, 0.0001, TableFormat::Tab, RowOrder::LargestAngleFirst).size();
        std::filesystem::remove(saved);

        std::printf("rows in the list:                        %d\n", rows);
        std::printf("table text:                              %.1f MB (%zu bytes; saved file %s the same size)\n",
                    textMegabytes, copied.size(), savedAsScan ? "has" : "does NOT have");
        Print("Ctrl+C, no row selected:", copyAll, textMegabytes);
        Print("Ctrl+C after Ctrl+A:", copySelected, textMegabytes);
        std::printf("  same text both ways:                   %s\n", sameText ? "yes" : "NO");
#ifndef _WIN32
        Print("for comparison, the text as a QString:", asQString, textMegabytes);
#endif
        Print("Guardar como... (.tsv):", save, textMegabytes);

        Type(shown, IDC_PRECISION, "0.005");
        Type(shown, IDC_V3, "3");
        Click(shown, IDC_COMPUTE);
        std::string megabyte;
        while (megabyte.size() < (1u << 20)) megabyte += "V1 = 12,5 kcal/mol; ";
        const Hostile hostile[] = {
            {"1 MB pasted into V1", IDC_V1, megabyte},
            {"10,000-digit V2", IDC_V2, std::string(10000, '9')},
            {"Arabic-Indic digit in V4", IDC_V4, "\u0663"},
            {"right-to-left marks in V5", IDC_V5, "\u200F5\u200F"},
            {"\"1,000.5\" in V6", IDC_V6, "1,000.5"},
            {"\"1.000,5\" in V6", IDC_V6, "1.000,5"},
        };
        std::printf("\nhostile typing                         paste   message   handled   painted\n");
        for (const Hostile& entry : hostile) {
            const BenchClock::time_point pasteStart = BenchClock::now();
            Paste(shown, entry.field, entry.text);
            PaintNow(shown);
            const double paste = SecondsSince(pasteStart);

            BenchClock::time_point start;
            double message = -1.0;
            int messages = 0;
            platform_hooks::MessageBoxOverride() = [&](const std::string&, const std::string&, UINT) {
                message = SecondsSince(start);
                ++messages;
                return IDOK;
            };
            start = BenchClock::now();
            Click(shown, IDC_COMPUTE);
            const double handled = SecondsSince(start);
            PaintNow(shown);
            const double painted = SecondsSince(start);
            platform_hooks::MessageBoxOverride() = nullptr;
            std::printf("  %-32s %6.1f ms %6.1f ms %6.1f ms %6.1f ms  (%d message%s)\n", entry.what,
                        paste * 1e3, message * 1e3, handled * 1e3, painted * 1e3, messages,
                        messages == 1 ? "" : "s");
            Type(shown, entry.field, "0");
        }
        shown.EndDialog(IDOK);
    });
    dlg.DoModal();
    return 0;
}
