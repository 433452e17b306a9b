// The force-field export as a chemist reaches and uses it: opened from the main window's menus
// with the coefficients as typed, its text the one zelmara-scan --export prints and the
// format's reader reads back, the refusals, and the text copied and saved. Runs on every
// backend.

#include "cli/command_line.h"
#include "cli/export_program.h"
#include "forcefield/amber_reader.h"
#include "forcefield/charmm_reader.h"
#include "forcefield/gromacs_reader.h"
#include "forcefield/lammps_reader.h"
#include "ui/force_field_export_dlg.h"
#include "ui_test_support.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

class ForceFieldExportDlgTest : public GuiTest {};

// What zelmara-scan prints for these arguments, or its error line.
std::string CommandLineExport(std::vector<std::string_view> arguments)
{
    const CommandLine parsed = ParseCommandLine(arguments);
    EXPECT_EQ(parsed.error, "");
    std::string out, error;
    ExportCoefficients(parsed.request, out, error);
    return error.empty() ? out : error;
}

// Types V1 ... V6 into the main window and opens the export from its system menu; driver runs
// in it, then "Cerrar" closes it.
void OpenExport(CDialog& main, const std::vector<const char*>& V, const std::function<void(CDialog&)>& driver)
{
    for (std::size_t i = 0; i < V.size(); ++i) Type(main, IDC_V1 + static_cast<int>(i), V[i]);
    WhenNextDialogShown([&](CDialog& exported) {
        driver(exported);
        Click(exported, IDCANCEL);
    });
    EXPECT_TRUE(ChooseSystemMenuEntry(main, IDM_EXPORT_FORCE_FIELD));
    EXPECT_EQ(PendingDialogDrivers(), 0);
}

TEST_F(ForceFieldExportDlgTest, TheTextIsTheCommandLinesAndReadsBackToTheTypedCoefficients)
{
    const GromacsFiles noFiles{[](const std::string&) { return IncludedFile(); }, {}};
    const std::vector<std::pair<int, std::function<ForceFieldReading(const std::string&)>>> formats{
        {0, [&](const std::string& text) { return ReadGromacs(text, "out.itp", noFiles); }},
        {3, [](const std::string& text) { return ReadCharmm(text, "out.prm"); }},
        {4, [](const std::string& text) { return ReadAmber(text, "out.frcmod"); }},
        {8, [](const std::string& text) { return ReadLammps(text, "in.out", {}); }},
    };
    const char* const words[] = {"gromacs-rb", "", "", "charmm", "amber", "", "", "", "lammps-fourier"};
    const CoefficientSet V{0, 1.3, -0.05, 0.2, 0.7, -0.1, 0};
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        OpenExport(main, {"1.3", "-0,05", "0.2", "0.7", "-0.1", "0"}, [&](CDialog& shown) {
            EXPECT_EQ(Title(shown), "Exportar a un campo de fuerza");
            const std::vector<std::string> entries = ComboBoxEntries(shown, IDC_EXPORT_FORMAT);
            ASSERT_EQ(entries.size(), 10u);
            EXPECT_EQ(entries[0], "GROMACS, Ryckaert–Bellemans (función 3)");
            EXPECT_EQ(ComboBoxSelection(shown, IDC_EXPORT_FORMAT), 0);
            EXPECT_EQ(ControlText(shown, IDC_EXPORT_TYPES), "X X X X");
            EXPECT_NE(SavePicture(shown, "force_field_export_dialog"), "");   // to look at
            for (const auto& [index, read] : formats) {
                ChooseComboBoxEntry(shown, IDC_EXPORT_FORMAT, index);
                Type(shown, IDC_EXPORT_TYPES, index == 4 ? "CT C N H" : "\tCT  CT OS HC ");
                const std::string text = ControlText(shown, IDC_EXPORT_TEXT);
                EXPECT_EQ(text, CommandLineExport({"--export", words[index], "--v1", "1.3", "--v2", "-0.05", "--v3",
                                                   "0.2", "--v4", "0.7", "--v5", "-0.1", "--types",
                                                   index == 4 ? "CT C N H" : "CT CT OS HC"}));
                const ForceFieldReading back = read(text);
                ASSERT_TRUE(back.ok()) << back.error << "\n" << text;
                ASSERT_EQ(back.torsions.size(), 1u) << text;
                if (index != 8) {   // LAMMPS names its types in a comment only
                    ASSERT_EQ(back.torsions[0].types.size(), 4u) << text;
                    EXPECT_EQ(back.torsions[0].types[2], index == 4 ? "N" : "OS");
                }
                for (std::size_t n = 1; n <= 6; ++n) EXPECT_NEAR(back.torsions[0].V[n], V[n], 1e-13) << text;
            }
        });
        EXPECT_EQ(ShownTopLevelWindows(), 1);
        main.EndDialog(IDCANCEL);
    });
}

TEST_F(ForceFieldExportDlgTest, WhatTheConventionCannotHoldIsSaidInPlaceOfTheTextAndNothingIsCopiedOrSaved)
{
    MessageBoxRecorder boxes;
    Folder folder;
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        OpenExport(main, {"1", "0", "0", "0", "0", "2"}, [&](CDialog& shown) {
            const std::string refusal = "gromacs-rb no admite V6 (aquí 2): solo llega hasta V5";
            EXPECT_EQ(ControlText(shown, IDC_EXPORT_TEXT), refusal);
            EXPECT_EQ(CommandLineExport({"--export", "gromacs-rb", "--v1", "1", "--v6", "2"}), refusal);
            EXPECT_TRUE(shown.SetClipboardText("antes"));
            SaveFileDialogRecorder dialogs((folder.path() / "x.itp").string());
            Click(shown, IDC_EXPORT_COPY);
            Click(shown, IDC_EXPORT_SAVE);
            EXPECT_EQ(ClipboardText(), "antes");
            EXPECT_TRUE(dialogs.Requests().empty());
            // Three types are not four; the periodic form holds V6.
            ChooseComboBoxEntry(shown, IDC_EXPORT_FORMAT, 2);
            Type(shown, IDC_EXPORT_TYPES, "CT CT CT");
            EXPECT_EQ(ControlText(shown, IDC_EXPORT_TEXT),
                      "Escriba en «Tipos» cuatro nombres de tipo separados por espacios.");
            Type(shown, IDC_EXPORT_TYPES, "CT CT CT CT");
            EXPECT_EQ(ControlText(shown, IDC_EXPORT_TEXT),
                      CommandLineExport({"--export", "gromacs-periodic", "--v1", "1", "--v6", "2", "--types", "CT CT CT CT"}));
        });
        main.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    for (const MessageBoxCall& call : boxes.Calls())
        EXPECT_EQ(call.text, "No hay nada que copiar ni guardar: gromacs-rb no admite V6 (aquí 2): solo llega hasta V5");
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(ForceFieldExportDlgTest, ABadFieldIsReportedAsTheComputeButtonDoesAndOpensNoWindow)
{
    MessageBoxRecorder boxes;
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        Type(main, IDC_V2, "1.5x");
        WhenNextDialogShown([](CDialog& exported) { exported.EndDialog(IDCANCEL); });
        EXPECT_TRUE(ChooseSystemMenuEntry(main, IDM_EXPORT_FORCE_FIELD));
        EXPECT_EQ(PendingDialogDrivers(), 1);
        ClearDialogDrivers();
        EXPECT_EQ(FocusedControl(main), IDC_V2);
        ClickCompute(main);
        main.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].text, boxes.Calls()[1].text);
}

TEST_F(ForceFieldExportDlgTest, FromTheListsMenuTheTextIsCopiedAndSavedWithTheFormatsFileType)
{
    MessageBoxRecorder boxes;
    Folder folder;
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& main) {
        const auto entries = SystemMenuEntries(main);
        const auto analysis = std::ranges::find(entries, static_cast<UINT>(IDM_ANALYSIS), &MenuEntry::id);
        const auto exported = std::ranges::find(entries, static_cast<UINT>(IDM_EXPORT_FORCE_FIELD), &MenuEntry::id);
        ASSERT_NE(exported, entries.end());
        EXPECT_EQ(exported->text, "&Exportar a un campo de fuerza...");
        EXPECT_TRUE(analysis < exported && exported < entries.end() - 2);   // About, after a separator, stays last
        const auto listMenu = ContextMenuEntries(main, IDC_RESULTS);
        EXPECT_NE(std::ranges::find(listMenu, MenuEntry{"&Exportar a un campo de fuerza...", IDM_EXPORT_FORCE_FIELD}),
                  listMenu.end());

        Type(main, IDC_V3, "3");
        WhenNextDialogShown([&](CDialog& shown) {
            ChooseComboBoxEntry(shown, IDC_EXPORT_FORMAT, 3);   // CHARMM
            const std::string text = ControlText(shown, IDC_EXPORT_TEXT);
            EXPECT_EQ(text, CommandLineExport({"--export", "charmm", "--v3", "3"}));
            Click(shown, IDC_EXPORT_COPY);
            EXPECT_EQ(ClipboardText(), text);
            {
                SaveFileDialogRecorder dialogs((folder.path() / "torsion.prm").string());
                Click(shown, IDC_EXPORT_SAVE);
                ASSERT_EQ(dialogs.Requests().size(), 1u);
                const backend::SaveFileRequest& request = dialogs.Requests()[0];
                EXPECT_EQ(request.filters, (std::vector<backend::FileFilter>{{"Parámetros de CHARMM (*.prm)", "*.prm"},
                                                                             {"Todos los archivos (*.*)", "*.*"}}));
                EXPECT_EQ(request.defaultExtension, "prm");
            }
            EXPECT_EQ(FileText(folder.path() / "torsion.prm"), text);
            {   // a folder cannot be replaced by the file: reported, nothing written
                SaveFileDialogRecorder dialogs(folder.path().string());
                Click(shown, IDC_EXPORT_SAVE);
            }
            Click(shown, IDCANCEL);
        });
        EXPECT_TRUE(ChooseContextMenuEntry(main, IDC_RESULTS, IDM_EXPORT_FORCE_FIELD));
        EXPECT_EQ(PendingDialogDrivers(), 0);
        main.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_TRUE(boxes.Calls()[0].text.starts_with("No se ha podido guardar la torsión en «")) << boxes.Calls()[0].text;
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"torsion.prm"}));
}

}  // namespace
