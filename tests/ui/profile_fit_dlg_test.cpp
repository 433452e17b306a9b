// The fit to an energy profile as a chemist reaches and uses it: opened from the main window's
// system menu and shortcut on a file the open-file dialog gives, its figures beside those of
// zelmara-scan --fit, new fits with other terms and a cutoff, refused fits, and the coefficients
// taken back into the main window. Runs on every backend.

#include "ui/profile_fit_dlg.h"
#include "ui_test_support.h"

#include <fstream>

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

class ProfileFitDlgTest : public GuiTest {};

// The butane scan of tests/fitting as xtb leaves it, with the input that names its dihedral
// beside it when withInput.
fs::path ButaneScan(const Folder& folder, bool withInput)
{
    const fs::path log = folder.path() / "xtbscan.log";
    fs::copy_file(fs::path(ZELMARA_FITTING_DATA) / "butane_gfn2.xtbscan.log", log);
    if (withInput) std::ofstream(folder.path() / "xcontrol") << "$constrain\n   dihedral: 1,2,3,4,180.0\n$end\n";
    return log;
}

// The figures' values, V1 first, as shown.
std::vector<std::string> Figures(const CWnd& fit)
{
    std::vector<std::string> values;
    for (const auto& row : ShownListRows(fit, IDC_FIT_FIGURES)) values.push_back(row[1]);
    return values;
}

long CountUnused(const CWnd& fit)
{
    const Rows points = ShownListRows(fit, IDC_FIT_POINTS);
    return std::count_if(points.begin(), points.end(), [](const auto& row) { return row[4] == "no"; });
}

// What zelmara-scan --fit prints for the butane scan with --dihedral 1,2,3,4 and the default
// terms: V1 ... V6, offset, used, left out, RMSE, largest error.
const std::vector<std::string> kButaneFit = {"1.93936", "-1.07576", "2.90028", "-0.0581362", "0", "0",
                                             "0.0138855", "24", "0", "0.0438151", "0.0917743"};

std::string Utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Opens the fit from the main window in the way asked (the open-file dialog answered by the
// test's recorder), runs driver in the fit window and closes it with Cerrar when close.
enum class Opening { SystemMenu, Shortcut, ContextMenu };
void OpenFit(CDialog& main, Opening opening, const std::function<void(CDialog&)>& driver, bool close = true)
{
    WhenNextDialogShown([&](CDialog& fit) {
        driver(fit);
        if (close) Click(fit, IDCANCEL);
    });
    if (opening == Opening::Shortcut)
        PressCtrlShiftKey(main, IDC_V2, 'F');
    else if (opening == Opening::ContextMenu)
        EXPECT_TRUE(ChooseContextMenuEntry(main, IDC_RESULTS, IDM_FIT_PROFILE));
    else
        EXPECT_TRUE(ChooseSystemMenuEntry(main, IDM_FIT_PROFILE));
    EXPECT_EQ(PendingDialogDrivers(), 0) << "the fit window did not open";
}

TEST_F(ProfileFitDlgTest, TheMenuAndTheShortcutShowWhatTheCommandLinePrints)
{
    Folder folder;
    OpenFileDialogRecorder files(Utf8(ButaneScan(folder, true)), 2);
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        for (const Opening opening : {Opening::SystemMenu, Opening::Shortcut, Opening::ContextMenu})
            OpenFit(main, opening, [&](CDialog& fit) {
                EXPECT_EQ(Figures(fit), kButaneFit);
                EXPECT_EQ(ShownListRows(fit, IDC_FIT_POINTS)[0],
                          (std::vector<std::string>{"180", "0", "0.0138855", "-0.0138855", "sí"}));
                for (int n = 1; n <= 6; ++n) EXPECT_EQ(IsChecked(fit, IDC_FIT_V1 + n - 1), n <= 4) << n;
                EXPECT_EQ(ControlText(fit, IDC_FIT_DIHEDRAL), "1,2,3,4");
                EXPECT_EQ(ControlText(fit, IDC_FIT_CUTOFF), "");
                if (opening == Opening::SystemMenu) SavePicture(fit, "profile_fit_dialog");
            });
        EXPECT_EQ(ControlText(main, IDC_V1), "0") << "Cerrar changed the main window";
        main.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(files.Requests().size(), 3u);
    const auto& filters = files.Requests()[0].filters;
    ASSERT_EQ(filters.size(), 5u);
    EXPECT_EQ(filters[1], (backend::FileFilter{"Registro de xtb (xtbscan.log;*.log)", "xtbscan.log;*.log"}));
    EXPECT_EQ(filters[4], (backend::FileFilter{"Todos los archivos (*.*)", "*.*"}));
}

TEST_F(ProfileFitDlgTest, TermsAndACutoffRefitAndARefusedFitKeepsThePreviousOne)
{
    Folder folder;
    OpenFileDialogRecorder files(Utf8(ButaneScan(folder, true)));
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        OpenFit(main, Opening::SystemMenu, [](CDialog& fit) {
            Click(fit, IDC_FIT_V4);
            EXPECT_FALSE(IsChecked(fit, IDC_FIT_V4));
            Type(fit, IDC_FIT_CUTOFF, "3");
            Click(fit, IDC_FIT_REFIT);
            // zelmara-scan --fit ... --terms 1,2,3 --cutoff 3
            const std::vector<std::string> cut = {"1.83508", "-0.977316", "2.81098", "0", "0", "0",
                                                  "0.005813", "21", "3", "0.0257682"};
            std::vector<std::string> figures = Figures(fit);
            figures.pop_back();
            EXPECT_EQ(figures, cut);
            EXPECT_EQ(CountUnused(fit), 3);

            MessageBoxRecorder boxes;
            for (const int n : {4, 5, 6}) Click(fit, IDC_FIT_V1 + n - 1);
            Type(fit, IDC_FIT_CUTOFF, "0.1");   // one independent point for seven unknowns
            Click(fit, IDC_FIT_REFIT);
            Type(fit, IDC_FIT_CUTOFF, "-1");
            Click(fit, IDC_FIT_REFIT);
            Type(fit, IDC_FIT_CUTOFF, "tres");
            Click(fit, IDC_FIT_REFIT);
            ASSERT_EQ(boxes.Calls().size(), 3u);
            EXPECT_NE(boxes.Calls()[0].text.find("los puntos no bastan para los términos pedidos"), std::string::npos);
            EXPECT_NE(boxes.Calls()[1].text.find("corte"), std::string::npos) << boxes.Calls()[1].text;
            EXPECT_EQ(boxes.Calls()[2].text, "Escriba un número, o deje el campo vacío.");
            EXPECT_EQ(FocusedControl(fit), IDC_FIT_CUTOFF);
            EXPECT_EQ(Figures(fit)[0], "1.83508");
            EXPECT_EQ(CountUnused(fit), 3);

            for (const int n : {5, 6}) Click(fit, IDC_FIT_V1 + n - 1);
            Type(fit, IDC_FIT_CUTOFF, " ");
            Click(fit, IDC_FIT_REFIT);
            EXPECT_EQ(Figures(fit), kButaneFit);
        });
        main.EndDialog(IDCANCEL);
    });
}

TEST_F(ProfileFitDlgTest, TheCoefficientsTakenReplaceTheMainFieldsAlone)
{
    Folder folder;
    OpenFileDialogRecorder files(Utf8(ButaneScan(folder, true)));
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        Type(main, IDC_V6, "7");
        Type(main, IDC_PRECISION, "0.5");
        ClickCompute(main);
        const Rows computed = ResultRows(main);
        OpenFit(main, Opening::Shortcut, [](CDialog& fit) { Click(fit, IDC_FIT_USE); }, false);
        // The fields' own form: the shortest text that reads back to the fitted double.
        EXPECT_EQ(ControlText(main, IDC_V1).substr(0, 9), "1.9393641");
        EXPECT_EQ(ControlText(main, IDC_V4).substr(0, 9), "-0.058136");
        EXPECT_EQ(ControlText(main, IDC_V6), "0");
        EXPECT_EQ(ControlText(main, IDC_PRECISION), "0.5");
        EXPECT_EQ(ResultRows(main), computed);
        main.EndDialog(IDCANCEL);
    });
}

TEST_F(ProfileFitDlgTest, CancelAFileThatCannotBeReadOrFittedAndAnUnknownDihedral)
{
    Folder folder;
    std::ofstream(folder.path() / "dos.txt") << "0 1\n90 2\n";
    const std::string log = Utf8(ButaneScan(folder, false));
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        MessageBoxRecorder boxes;
        for (const std::optional<std::string>& path :
             {std::optional<std::string>(), std::optional(Utf8(folder.path() / "no.log")),
              std::optional(Utf8(folder.path() / "dos.txt"))}) {
            OpenFileDialogRecorder files(path);
            WhenNextDialogShown([](CDialog& fit) { fit.EndDialog(IDCANCEL); });
            EXPECT_TRUE(ChooseSystemMenuEntry(main, IDM_FIT_PROFILE));
            EXPECT_EQ(PendingDialogDrivers(), 1) << "a fit window opened";
            ClearDialogDrivers();
        }
        ASSERT_EQ(boxes.Calls().size(), 2u);
        EXPECT_EQ(boxes.Calls()[0].text, "No se puede leer «no.log»: el archivo no existe.");
        EXPECT_EQ(boxes.Calls()[1].text.rfind("dos.txt: los puntos no bastan", 0), 0u) << boxes.Calls()[1].text;
        EXPECT_EQ(ControlText(main, IDC_V1), "0");

        // No input beside the log names its dihedral: the user types it.
        OpenFileDialogRecorder files(log);
        OpenFit(main, Opening::SystemMenu, [](CDialog& fit) {
            EXPECT_EQ(ShownListRowCount(fit, IDC_FIT_FIGURES), 0);
            EXPECT_FALSE(IsEnabled(fit, IDC_FIT_USE));
            Type(fit, IDC_FIT_DIHEDRAL, "1,2,3,4");
            Click(fit, IDC_FIT_REFIT);
            EXPECT_EQ(Figures(fit), kButaneFit);
            EXPECT_TRUE(IsEnabled(fit, IDC_FIT_USE));
        });
        main.EndDialog(IDCANCEL);
    });
}

}  // namespace
