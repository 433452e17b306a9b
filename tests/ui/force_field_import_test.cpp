// The force-field import as a chemist uses it: opened from the main window's system menu, its
// shortcut and the result list's context menu; the file's torsions filtered by their types; one
// chosen by «Usar», Enter or a double click into the six fields; and what it refuses. Runs on
// every backend.

#include "ui_test_support.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>

namespace {

class ForceFieldImportTest : public GuiTest {};

using Rows = std::vector<std::vector<std::string>>;

// OPLS-AA's CT CT CT CT is the line of GROMACS' oplsaa.ff/ffbonded.itp (Debian's gromacs-data,
// LGPL-2.1-or-later); the other torsions are made up: one that V1 ... V6 cannot hold (a phase of
// 90 degrees) and an improper one.
constexpr const char* kTorsions =
    "[ dihedraltypes ]\n"
    "CT CT CT CT 3 2.92880 -1.46440 0.20920 -1.67360 0.00000 0.00000\n"
    "HC CT CT OH 9 0.0 0.979 3\n"
    "OS CT CT OS 9 90.0 1.0 2\n"
    "CT CT C O 9 180.0 4.6 2\n"
    "X CA CA X 4 180.0 4.6 2\n";

constexpr const char* kSummary =
    "Torsiones propias leídas: 4. Omitidas: 1 impropias y 1 que V1…V6 no representan.";

std::vector<std::string> Fields(const CWnd& dlg)
{
    std::vector<std::string> texts;
    for (int id : {IDC_V1, IDC_V2, IDC_V3, IDC_V4, IDC_V5, IDC_V6, IDC_PRECISION}) texts.push_back(ControlText(dlg, id));
    return texts;
}

// The fields hold OPLS-AA's CT CT CT CT, as exactly as the reader converted it from kJ/mol
// (V1 reads 1.2999999999999998), and the precision as typed.
void ExpectOplsFields(const CWnd& dlg)
{
    const std::vector<std::string> fields = Fields(dlg);
    const double opls[] = {1.3, -0.05, 0.2, 0, 0, 0};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_NEAR(ReadNumber(fields[i]).value, opls[i], 1e-15) << fields[i];
    EXPECT_EQ(fields[6], "0.01");
}

// How the import is opened from the main window.
enum class Opening { SystemMenu, Shortcut, ContextMenu };
void OpenImport(CDialog& main, Opening opening, std::function<void(CDialog&)> driver)
{
    WhenNextDialogShown(std::move(driver));
    if (opening == Opening::SystemMenu)
        EXPECT_TRUE(ChooseSystemMenuEntry(main, IDM_IMPORT_FORCE_FIELD));
    else if (opening == Opening::Shortcut)
        PressCtrlKey(main, IDC_V2, 'O');
    else
        EXPECT_TRUE(ChooseContextMenuEntry(main, IDC_RESULTS, IDM_IMPORT_FORCE_FIELD));
}

TEST_F(ForceFieldImportTest, FilterAndChooseBySystemMenuShortcutOrContextMenuLeavesTheRestAlone)
{
    Folder folder;
    const std::string path = (folder.path() / "torsiones.itp").string();
    std::ofstream(path) << kTorsions;
    OpenFileDialogRecorder files(path);
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        const Rows scanned = ResultRows(shown);
        Type(shown, IDC_PRECISION, "0.01");   // typed, not computed: it stays as typed
        OpenImport(shown, Opening::SystemMenu, [&](CDialog& import) {
            EXPECT_EQ(Title(import), "Importar de un campo de fuerza");
            EXPECT_EQ(ListHeadings(import, IDC_IMPORT_TORSIONS),
                      (std::vector<std::string>{"Tipos", "Origen", "V1", "V2", "V3", "V4", "Mínimos", "Barrera de rotación"}));
            const Rows rows = ShownListRows(import, IDC_IMPORT_TORSIONS);
            ASSERT_EQ(rows.size(), 4u);
            EXPECT_EQ(rows[0], (std::vector<std::string>{"CT CT CT CT", "torsiones.itp:2", "1.3", "-0.05", "0.2", "0", "180", "1.5"}));
            EXPECT_EQ(rows[2][2], "fase de 90 grados: V1…V6 solo representan fases de 0 o 180 grados");
            EXPECT_EQ(ControlText(import, IDC_IMPORT_SUMMARY), kSummary);
            EXPECT_EQ(ClippedStaticTexts(import), std::vector<std::string>{});
            EXPECT_NE(SavePicture(import, "force_field_import_dialog"), "");   // to look at
            Type(import, IDC_IMPORT_TYPES, "CT CT");
            EXPECT_EQ(ShownListRowCount(import, IDC_IMPORT_TORSIONS), 3);
            Type(import, IDC_IMPORT_TYPES, " CT CT CT CT ");
            EXPECT_EQ(ShownListRows(import, IDC_IMPORT_TORSIONS), Rows{rows[0]});
            EXPECT_EQ(ControlText(import, IDC_IMPORT_SUMMARY), std::string(kSummary) + " Mostradas: 1.");
            ClickListRow(import, IDC_IMPORT_TORSIONS, 0);
            PressKey(import, IDC_IMPORT_TORSIONS, Key::Enter);
        });
        ExpectOplsFields(shown);
        EXPECT_EQ(ResultRows(shown), scanned);
        for (const Opening opening : {Opening::Shortcut, Opening::ContextMenu, Opening::SystemMenu}) {
            Type(shown, IDC_V1, "7");
            OpenImport(shown, opening, [opening](CDialog& import) {
                if (opening != Opening::SystemMenu) return DoubleClickListRow(import, IDC_IMPORT_TORSIONS, 0);
                ClickListRow(import, IDC_IMPORT_TORSIONS, 0);
                Click(import, IDOK);
            });
            ExpectOplsFields(shown);
        }
        shown.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(files.Requests().size(), 4u);
    const backend::OpenFileRequest& request = files.Requests()[0];
    ASSERT_EQ(request.filters.size(), 7u);
    EXPECT_EQ(request.filters[0], (backend::FileFilter{"GROMACS (*.itp;*.top)", "*.itp;*.top"}));
    EXPECT_EQ(request.filters[2].pattern, "frcmod*;*.frcmod;*.dat");
    EXPECT_EQ(request.filters[6], (backend::FileFilter{"Todos los archivos (*.*)", "*.*"}));
}

TEST_F(ForceFieldImportTest, CancelsAndRefusalsChangeNothing)
{
    Folder folder;
    const std::string path = (folder.path() / "torsiones.itp").string();
    std::ofstream(path) << kTorsions;
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V2, "2");
        const std::vector<std::string> typed = Fields(shown);
        {
            OpenFileDialogRecorder cancelled(std::nullopt);
            PressCtrlKey(shown, IDC_V2, 'O');
            EXPECT_EQ(cancelled.Requests().size(), 1u);
        }
        const std::string missing = (folder.path() / "no_existe.itp").string();
        OpenFileDialogRecorder unreadable(missing);
        WhenNextDialogShown([](CDialog& import) { import.EndDialog(IDCANCEL); });
        PressCtrlKey(shown, IDC_V2, 'O');
        EXPECT_EQ(PendingDialogDrivers(), 1);   // no window opened
        ClearDialogDrivers();
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, missing + ": no existe ese archivo");

        OpenFileDialogRecorder files(path);
        OpenImport(shown, Opening::Shortcut, [&](CDialog& import) {
            Click(import, IDOK);   // no row selected
            ClickListRow(import, IDC_IMPORT_TORSIONS, 2);
            PressKey(import, IDC_IMPORT_TORSIONS, Key::Enter);
            DoubleClickListRow(import, IDC_IMPORT_TORSIONS, 2);
            EXPECT_TRUE(IsShown(import));
            Click(import, IDCANCEL);
        });
        ASSERT_EQ(boxes.Calls().size(), 4u);
        EXPECT_EQ(boxes.Calls()[1].text, "Seleccione en la lista la torsión cuyos coeficientes quiere usar.");
        EXPECT_EQ(boxes.Calls()[2].text, "Los coeficientes de esta torsión no se pueden usar: fase de 90 grados: "
                                         "V1…V6 solo representan fases de 0 o 180 grados.");
        EXPECT_EQ(boxes.Calls()[3].text, boxes.Calls()[2].text);
        EXPECT_EQ(Fields(shown), typed);
        shown.EndDialog(IDCANCEL);
    });
}

// Debian's largest force field (python3-openmm's CHARMM36, about 6,100 torsions, some of them
// sixfold) lists whole, with V1 ... V6.
TEST_F(ForceFieldImportTest, TheReadersRemarksAreShownBesideTheList)
{
    Folder folder;
    const std::string path = (folder.path() / "torsiones.offxml").string();
    std::ofstream(path) << "<SMIRNOFF version=\"0.3\">\n<ProperTorsions version=\"0.3\" default_idivf=\"auto\">\n"
                           "<Proper smirks=\"[*:1]-[#6X4:2]-[#6X4:3]-[*:4]\" id=\"t1\" periodicity1=\"3\""
                           " phase1=\"0.0 * degree\" k1=\"0.15 * mole**-1 * kilocalorie\"/>\n"
                           "</ProperTorsions>\n</SMIRNOFF>\n";
    OpenFileDialogRecorder files(path);
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        OpenImport(shown, Opening::Shortcut, [&](CDialog& import) {
            EXPECT_EQ(ShownListRowCount(import, IDC_IMPORT_TORSIONS), 1);
            EXPECT_EQ(ControlText(import, IDC_IMPORT_NOTES), "torsiones.offxml:2: default_idivf=\"auto\" se lee como 1");
            Click(import, IDCANCEL);
        });
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ForceFieldImportTest, ALargeForceFieldListsEveryTorsion)
{
    const std::string path = "/usr/lib/python3/dist-packages/openmm/app/data/charmm36.xml";
    if (!std::ifstream(path)) GTEST_SKIP() << path << " is missing (Debian package python3-openmm)";
    OpenFileDialogRecorder files(path);
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        const auto start = std::chrono::steady_clock::now();
        OpenImport(shown, Opening::Shortcut, [&](CDialog& import) {
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::printf("charmm36.xml: %d rows shown %.3f s after the file was chosen\n",
                        ShownListRowCount(import, IDC_IMPORT_TORSIONS), seconds);
            EXPECT_GT(ShownListRowCount(import, IDC_IMPORT_TORSIONS), 6000);
            EXPECT_EQ(ListHeadings(import, IDC_IMPORT_TORSIONS).size(), 10u);   // some have V5 or V6
            Type(import, IDC_IMPORT_TYPES, "CT2 CT2 CT2 CT2");
            EXPECT_GE(ShownListRowCount(import, IDC_IMPORT_TORSIONS), 1);
            Click(import, IDCANCEL);
        });
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
