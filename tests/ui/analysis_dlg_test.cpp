// The conformational analysis as a chemist reaches and uses it: opened from the main window's
// system menu and shortcut with the fields as typed, its lists, the temperature it refuses and
// the populations it recomputes. Runs on every backend.

#include "report/potential_plot.h"
#include "report/svg_plot.h"
#include "ui/analysis_dlg.h"
#include "ui_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class AnalysisDlgTest : public GuiTest {};

using Rows = std::vector<std::vector<std::string>>;

// Types coefficients (V1 first) into the main window.
void TypeCoefficients(CDialog& shown, const std::vector<const char*>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) Type(shown, IDC_V1 + static_cast<int>(i), values[i]);
}

// Opens the analysis from the main window in the way asked, runs driver in it and closes it.
enum class Opening { SystemMenu, Shortcut };
void OpenAnalysis(CDialog& main, Opening opening, const std::function<void(CDialog&)>& driver)
{
    WhenNextDialogShown([&](CDialog& analysis) {
        driver(analysis);
        Click(analysis, IDCANCEL);
    });
    if (opening == Opening::SystemMenu)
        EXPECT_TRUE(ChooseSystemMenuEntry(main, IDM_ANALYSIS));
    else
        PressCtrlShiftKey(main, IDC_V2, 'A');
}

// The population (%) of the minimum at angle.
double PopulationAt(const Rows& points, const std::string& angle)
{
    for (const auto& row : points)
        if (row[0] == "mínimo" && row[1] == angle) return ReadNumber(row[4]).value;
    ADD_FAILURE() << "no minimum at " << angle;
    return 0.0;
}

TEST_F(AnalysisDlgTest, AThreefoldBarrierFromTheMenuAndTheShortcutWithTheListLeftAlone)
{
    const Rows threefold = {{"máximo", "0", "3", "", ""},          {"mínimo", "60", "0", "0", "33.3333"},
                            {"máximo", "120", "3", "", ""},        {"mínimo", "180", "0", "0", "33.3333"},
                            {"máximo", "240", "3", "", ""},        {"mínimo", "300", "0", "0", "33.3333"}};
    CExtremaDlg dlg;
    int opened = 0;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        const Rows scanned = ResultRows(shown);
        Type(shown, IDC_V3, " 3,0 ");   // read as the compute button reads it; not computed
        for (const Opening opening : {Opening::SystemMenu, Opening::Shortcut}) {
            OpenAnalysis(shown, opening, [&](CDialog& analysis) {
                ++opened;
                EXPECT_EQ(Title(analysis), "Análisis conformacional");
                EXPECT_NE(SavePicture(analysis, "analysis_dialog_v3"), "");   // to look at
                EXPECT_EQ(ListHeadings(analysis, IDC_POINTS),
                          (std::vector<std::string>{"Tipo", "Ángulo", "V(Kcal/mol)", "ΔV(Kcal/mol)", "Población (%)"}));
                EXPECT_EQ(ShownListRows(analysis, IDC_POINTS), threefold);
                EXPECT_EQ(ListHeadings(analysis, IDC_BARRIERS),
                          (std::vector<std::string>{"Desde", "Hasta", "Sobre", "Barrera(Kcal/mol)"}));
                const Rows barriers = ShownListRows(analysis, IDC_BARRIERS);
                ASSERT_EQ(barriers.size(), 6u);   // each way between each pair of neighbours
                EXPECT_EQ(barriers[0], (std::vector<std::string>{"60", "300", "0", "3"}));
                for (const auto& barrier : barriers) EXPECT_EQ(barrier[3], "3");
                EXPECT_EQ(ControlText(analysis, IDC_TEMPERATURE), "298.15");
                EXPECT_EQ(ControlText(analysis, IDC_ANALYSIS_NOTE), "");
            });
        }
        EXPECT_EQ(ResultRows(shown), scanned);
        EXPECT_EQ(ControlText(shown, IDC_V3), " 3,0 ");
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(opened, 2);
}

TEST_F(AnalysisDlgTest, ABadFieldOrRefusedCoefficientsGiveAMessageAndNoDialog)
{
    struct Case {
        int field;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {IDC_PRECISION, "500", "Escriba un número entre 0.0001 y 180."},
        {IDC_V5, "cinco", "Escriba un número."},
        // Too large for the analysis, though the scan takes it.
        {IDC_V1, "1e301", "El coeficiente V1 es demasiado grande para el análisis: su valor absoluto no puede superar 1e+300."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        CExtremaDlg dlg;
        MessageBoxRecorder boxes;
        RunDriven(dlg, [&](CDialog& shown) {
            Type(shown, c.field, c.typed);
            WhenNextDialogShown([](CDialog& analysis) { analysis.EndDialog(IDCANCEL); });
            PressCtrlShiftKey(shown, IDC_V3, 'A');
            EXPECT_EQ(PendingDialogDrivers(), 1) << "the analysis opened";
            ClearDialogDrivers();
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].text, c.message);
            if (c.field != IDC_V1) {
                EXPECT_EQ(FocusedControl(shown), c.field);
            }
            shown.EndDialog(IDCANCEL);
        });
    }
}

TEST_F(AnalysisDlgTest, TheTemperatureIsRefusedOutsideItsRangeAndRecomputesThePopulationsWithin)
{
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        TypeCoefficients(shown, {"1", "0.5"});   // minima at 0 (ΔV 1) and 180
        OpenAnalysis(shown, Opening::SystemMenu, [&](CDialog& analysis) {
            Type(analysis, IDC_TEMPERATURE, "100");
            Click(analysis, IDC_RECOMPUTE);
            const Rows cold = ShownListRows(analysis, IDC_POINTS);
            for (const char* refused : {"0.999", "10000.5", "-5", "tibio"}) {
                Type(analysis, IDC_TEMPERATURE, refused);
                PressKey(analysis, IDC_TEMPERATURE, Key::Enter);
                EXPECT_EQ(ShownListRows(analysis, IDC_POINTS), cold) << refused;
                EXPECT_EQ(FocusedControl(analysis), IDC_TEMPERATURE);
            }
            ASSERT_EQ(boxes.Calls().size(), 4u);
            EXPECT_EQ(boxes.Calls()[0].text, "Escriba un número entre 1 y 10000.");
            EXPECT_EQ(boxes.Calls()[3].text, "Escriba un número.");

            Type(analysis, IDC_TEMPERATURE, "1000");
            Click(analysis, IDC_RECOMPUTE);
            const Rows hot = ShownListRows(analysis, IDC_POINTS);
            const double coldShare = PopulationAt(cold, "0"), hotShare = PopulationAt(hot, "0");
            EXPECT_GT(coldShare, 0.0);
            EXPECT_GT(hotShare, 2.0 * coldShare) << "the upper conformer fills as it warms";
            EXPECT_NEAR(hotShare + PopulationAt(hot, "180"), 100.0, 1e-4);
            for (const char* ends : {"1", "10000"}) {
                Type(analysis, IDC_TEMPERATURE, ends);
                Click(analysis, IDC_RECOMPUTE);
                EXPECT_EQ(ShownListRowCount(analysis, IDC_POINTS), 4) << ends;
            }
            EXPECT_EQ(boxes.Calls().size(), 4u);
        });
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(AnalysisDlgTest, AConstantPotentialSaysSoInsteadOfRows)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        OpenAnalysis(shown, Opening::Shortcut, [](CDialog& analysis) {
            EXPECT_EQ(ShownListRowCount(analysis, IDC_POINTS), 0);
            EXPECT_EQ(ShownListRowCount(analysis, IDC_BARRIERS), 0);
            EXPECT_EQ(ControlText(analysis, IDC_ANALYSIS_NOTE), "El potencial es constante: no hay puntos extremos.");
            Click(analysis, IDC_RECOMPUTE);
            EXPECT_EQ(ShownListRowCount(analysis, IDC_POINTS), 0);
        });
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(AnalysisDlgTest, TheContextMenuOfTheResultListOpensItToo)
{
    CExtremaDlg dlg;
    int opened = 0;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V2, "1");
        WhenNextDialogShown([&](CDialog& analysis) {
            ++opened;
            EXPECT_EQ(ShownListRowCount(analysis, IDC_POINTS), 4);   // minima 0 and 180, maxima 90 and 270
            analysis.EndDialog(IDCANCEL);
        });
        EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_ANALYSIS));
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(opened, 1);
}

TEST_F(AnalysisDlgTest, ThePlotIsSavedAsSvgOrPngByTheNamesTypeAndAFailureChangesNoFile)
{
    CoefficientSet V{};
    V[3] = 3.0;
    const std::string svg = WriteSvg(PlotPotential(V, AnalyzeConformations(V).analysis, kPlotFileWidth, kPlotFileHeight));
    const std::string pngSignature("\x89PNG\r\n\x1a\n", 8);
    Folder folder;
    MessageBoxRecorder boxes;
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        OpenAnalysis(shown, Opening::SystemMenu, [&](CDialog& analysis) {
            {
                SaveFileDialogRecorder dialogs((folder.path() / "grafica.svg").string());
                Click(analysis, IDC_SAVE_PLOT);
                ASSERT_EQ(dialogs.Requests().size(), 1u);
                EXPECT_EQ(dialogs.Requests()[0].filters,
                          (std::vector<backend::FileFilter>{{"Imagen SVG (*.svg)", "*.svg"}, {"Imagen PNG (*.png)", "*.png"}}));
                EXPECT_EQ(dialogs.Requests()[0].defaultExtension, "svg");
                EXPECT_TRUE(dialogs.Requests()[0].confirmOverwrite);
            }
            for (const auto& [name, filter] : {std::pair<const char*, int>{"sin_extension", 2}, {"dibujo.PNG", 1}}) {
                SaveFileDialogRecorder dialogs((folder.path() / name).string(), filter);
                Click(analysis, IDC_SAVE_PLOT);
            }
            const std::string missing = (folder.path() / "no_existe" / "grafica.svg").string();
            SaveFileDialogRecorder dialogs(missing);
            Click(analysis, IDC_SAVE_PLOT);
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].text,
                      "No se ha podido guardar la gráfica en «" + missing + "»: la carpeta no existe.\n\nNingún archivo ha cambiado.");
        });
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"dibujo.PNG", "grafica.svg", "sin_extension"}));
    EXPECT_EQ(FileText(folder.path() / "grafica.svg"), svg) << "the picture zelmara-scan --plot writes";
#ifndef _WIN32  // xmllint is a tool of the Linux build machine, out of reach of a Windows program
    EXPECT_EQ(std::system(("xmllint --noout " + (folder.path() / "grafica.svg").string()).c_str()), 0);
#endif
    for (const char* png : {"sin_extension", "dibujo.PNG"})
        EXPECT_EQ(FileText(folder.path() / png).substr(0, 8), pngSignature) << png;
}

TEST_F(AnalysisDlgTest, TheMenuEntryComesBeforeTheAboutEntryAndNoMnemonicIsShared)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        const auto entries = SystemMenuEntries(shown);
        ASSERT_GE(entries.size(), 5u);
        const std::size_t last = entries.size() - 1;
        EXPECT_EQ(entries[last].id, static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_TRUE(entries[last - 1].separator);
        // The windows' entries, after a separator and before About's.
        const std::vector<std::pair<std::string, UINT>> windows = {
            {"A&nálisis conformacional...\tCtrl+Mayús+A", IDM_ANALYSIS},
            {"&Importar de un campo de fuerza...\tCtrl+O", IDM_IMPORT_FORCE_FIELD},
            {"&Exportar a un campo de fuerza...", IDM_EXPORT_FORCE_FIELD},
            {"A&justar a un perfil de energía...\tCtrl+Mayús+F", IDM_FIT_PROFILE}};
        ASSERT_GT(last, windows.size() + 1);
        const std::size_t first = last - 1 - windows.size();
        EXPECT_TRUE(entries[first - 1].separator);
        for (std::size_t k = 0; k < windows.size(); ++k) {
            EXPECT_EQ(entries[first + k].text, windows[k].first);
            EXPECT_EQ(entries[first + k].id, windows[k].second);
        }
#ifndef _WIN32  // Windows' own entries speak the system's language (Wine adds one of its own)
        std::string mnemonics;
        for (const auto& entry : entries) {
            const std::size_t amp = entry.text.find('&');
            if (amp == std::string::npos || amp + 1 >= entry.text.size()) continue;
            const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(entry.text[amp + 1])));
            EXPECT_EQ(mnemonics.find(letter), std::string::npos) << entry.text;
            mnemonics += letter;
        }
#endif
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(AnalysisDlgTest, TheShortcutTakesExactlyItsKeysFromAnyControl)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        WhenNextDialogShown([](CDialog& analysis) { analysis.EndDialog(IDCANCEL); });
        PressCtrlKey(shown, IDC_V3, 'A');   // without Shift: not the shortcut
        EXPECT_EQ(PendingDialogDrivers(), 1) << "Ctrl+A opened the analysis";
        PressCtrlShiftKey(shown, IDC_RESULTS, 'A');
        EXPECT_EQ(PendingDialogDrivers(), 0) << "Ctrl+Shift+A in the list did not open it";
        ClearDialogDrivers();
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
