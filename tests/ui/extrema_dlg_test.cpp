// The main window as a chemist uses it: typing, Enter and clicks, the list it fills, the
// validation it refuses with, and the ways it ends. Runs on every backend.

#include "ui_test_support.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

class ExtremaDlgTest : public GuiTest {};

const int kFieldIds[] = {IDC_V1, IDC_V2, IDC_V3, IDC_V4, IDC_V5, IDC_V6, IDC_PRECISION};

TEST_F(ExtremaDlgTest, StartsWithTheDefaultsTheFocusInV1AndAnEmptyList)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        EXPECT_EQ(Title(shown), "Puntos extremos del potencial de torsión");
        for (int id : {IDC_V1, IDC_V2, IDC_V3, IDC_V4, IDC_V5, IDC_V6}) EXPECT_EQ(ControlText(shown, id), "0");
        EXPECT_EQ(ControlText(shown, IDC_PRECISION), "0.005");
        EXPECT_EQ(FocusedControl(shown), IDC_V1);
        EXPECT_TRUE(ResultRows(shown).empty());
        EXPECT_EQ(ListHeadings(shown, IDC_RESULTS),
                  (std::vector<std::string>{"Ángulo", "Derivada de V", "V(Kcal/mol)"}));
        EXPECT_EQ(ListColumnWidths(shown, IDC_RESULTS), (std::vector<int>{133, 145, 145}));
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, EveryTextOfBothDialogsShowsWhole)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        EXPECT_EQ(ClippedStaticTexts(shown), std::vector<std::string>{});
        WhenNextDialogShown([](CDialog& about) {
            EXPECT_EQ(ClippedStaticTexts(about), std::vector<std::string>{});
            about.EndDialog(IDOK);
        });
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, IDM_ABOUTBOX));
        shown.EndDialog(IDCANCEL);
    });
}

// Pictures to look at, written into the build folder: the computed threefold barrier and the
// About box over it.
TEST_F(ExtremaDlgTest, PicturesOfTheComputedWindowAndTheAboutBox)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        ASSERT_EQ(ResultRows(shown).size(), 4u);
        EXPECT_NE(SavePicture(shown, "main_dialog_v3"), "");
        WhenNextDialogShown([](CDialog& about) {
            EXPECT_NE(SavePicture(about, "about_box"), "");
            about.EndDialog(IDOK);
        });
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, IDM_ABOUTBOX));
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, UsesTheProgramIconWhileDraggedAndKnowsWhenItIsMinimised)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        const HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);   // one shared handle
        EXPECT_EQ(shown.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(icon));
        EXPECT_FALSE(shown.IsIconic());
        Minimize(shown);
        EXPECT_TRUE(shown.IsIconic());
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, EnterInAnyFieldComputes)
{
    for (int field : kFieldIds) {
        SCOPED_TRACE(field);
        CExtremaDlg dlg;
        RunDriven(dlg, [field](CDialog& shown) {
            Type(shown, IDC_V3, "3");
            PressKey(shown, field, Key::Enter);
            EXPECT_EQ(ResultRows(shown).size(), 4u);
            shown.EndDialog(IDCANCEL);
        });
    }
}

TEST_F(ExtremaDlgTest, AThreefoldBarrierListsItsFourExtremaLargestAngleFirst)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        const auto rows = ResultRows(shown);
        ASSERT_EQ(rows.size(), 4u);
        const char* angles[] = {"180", "120", "60", "0"};
        const char* potentials[] = {"0", "3", "0", "3"};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i][0], angles[i]);
            EXPECT_EQ(rows[i][2], potentials[i]);
            // The derivative is a rounding residue of zero, far below the threshold 0.0005.
            const NumberReading derivative = ReadNumber(rows[i][1]);
            ASSERT_TRUE(derivative.ok()) << rows[i][1];
            EXPECT_LT(std::fabs(derivative.value), 1e-9) << rows[i][1];
        }
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, AllZeroCoefficientsListEveryGridAngleUpTo180Point1)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        ClickCompute(shown);
        const auto rows = ResultRows(shown);
        ASSERT_EQ(rows.size(), 36021u);   // 0, 0.005, ..., 180.1
        EXPECT_EQ(rows.front(), (std::vector<std::string>{"180.1", "0", "0"}));
        EXPECT_EQ(rows[20][0], "180");
        EXPECT_EQ(rows.back(), (std::vector<std::string>{"0", "0", "0"}));
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, ASecondComputationReplacesTheFirst)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        Type(shown, IDC_V3, "0");
        Type(shown, IDC_V1, "1");
        Type(shown, IDC_PRECISION, "1");
        ClickCompute(shown);
        const auto rows = ResultRows(shown);
        ASSERT_EQ(rows.size(), 24u);   // 180 ... 169, then 11 ... 0
        EXPECT_EQ(rows.front()[0], "180");
        EXPECT_EQ(rows[11][0], "169");
        EXPECT_EQ(rows[12][0], "11");
        EXPECT_EQ(rows.back()[0], "0");
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, AScanThatAcceptsNothingLeavesTheListEmptyWithoutAMessage)
{
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        Type(shown, IDC_V3, "0");
        Type(shown, IDC_V1, "1e14");
        ClickCompute(shown);
        EXPECT_TRUE(ResultRows(shown).empty());
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

struct PrecisionCase {
    const char* typed;
    bool accepted;
};

TEST_F(ExtremaDlgTest, AcceptsThePrecisionRangeEndsAndRefusesJustOutside)
{
    const std::string justBelow = FormatRoundTrip(std::nextafter(0.0001, 0.0));
    const std::string justAbove = FormatRoundTrip(std::nextafter(180.0, 200.0));
    const PrecisionCase cases[] = {
        {"0.0001", true}, {"180", true}, {justBelow.c_str(), false}, {justAbove.c_str(), false},
        {"abc", false},   {"", false},
    };
    for (const PrecisionCase& c : cases) {
        SCOPED_TRACE(c.typed);
        CExtremaDlg dlg;
        MessageBoxRecorder boxes;
        RunDriven(dlg, [&](CDialog& shown) {
            Type(shown, IDC_V3, "3");
            ClickCompute(shown);
            const auto before = ResultRows(shown);
            Type(shown, IDC_PRECISION, c.typed);
            ClickCompute(shown);
            if (c.accepted) {
                EXPECT_TRUE(boxes.Calls().empty());
                EXPECT_FALSE(ResultRows(shown).empty());
            } else {
                ASSERT_EQ(boxes.Calls().size(), 1u);
                EXPECT_EQ(ResultRows(shown), before);   // refused before the list changed
                EXPECT_EQ(FocusedControl(shown), IDC_PRECISION);
            }
            shown.EndDialog(IDCANCEL);
        });
    }
}

TEST_F(ExtremaDlgTest, ABadPrecisionIsTheOneReportedWhenCoefficientsAreBadToo)
{
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V1, "uno");
        Type(shown, IDC_V6, "1,2,3");
        Type(shown, IDC_PRECISION, "500");
        ClickCompute(shown);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, "Escriba un número entre 0.0001 y 180.");
        EXPECT_EQ(boxes.Calls()[0].caption, "Zelmara");
        EXPECT_EQ(FocusedControl(shown), IDC_PRECISION);

        Type(shown, IDC_PRECISION, "0.005");
        ClickCompute(shown);
        ASSERT_EQ(boxes.Calls().size(), 2u);
        EXPECT_EQ(boxes.Calls()[1].text, "Escriba un número.");
        EXPECT_EQ(FocusedControl(shown), IDC_V1);
        EXPECT_TRUE(ResultRows(shown).empty());
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, ComputingNeverRewritesTheFields)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        Type(shown, IDC_V3, " 3,0 ");
        Type(shown, IDC_PRECISION, "5e-3");
        ClickCompute(shown);
        EXPECT_EQ(ResultRows(shown).size(), 4u);
        EXPECT_EQ(ControlText(shown, IDC_V3), " 3,0 ");
        EXPECT_EQ(ControlText(shown, IDC_PRECISION), "5e-3");
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ExtremaDlgTest, OkValidatesAndEndsOnlyOnSuccess)
{
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    int stillOpenAfterBadOk = 0;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        Type(shown, IDC_PRECISION, "0");
        Click(shown, IDOK);
        stillOpenAfterBadOk = IsShown(shown);
        EXPECT_EQ(ResultRows(shown).size(), 4u);
        Type(shown, IDC_PRECISION, "0.01");
        Click(shown, IDOK);
    });
    EXPECT_EQ(stillOpenAfterBadOk, 1);
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(result, IDOK);
}

enum class Ending { CancelButton, EscapeKey, CloseCommand };

TEST_F(ExtremaDlgTest, CancelEscapeAndTheCloseBoxEndAtOnceEvenWithBadFields)
{
    for (Ending ending : {Ending::CancelButton, Ending::EscapeKey, Ending::CloseCommand}) {
        SCOPED_TRACE(static_cast<int>(ending));
        CExtremaDlg dlg;
        MessageBoxRecorder boxes;
        const INT_PTR result = RunDriven(dlg, [ending](CDialog& shown) {
            Type(shown, IDC_PRECISION, "nada");
            switch (ending) {
            case Ending::CancelButton: Click(shown, IDCANCEL); break;
            case Ending::EscapeKey: PressKey(shown, IDC_V2, Key::Escape); break;
            case Ending::CloseCommand: CloseBox(shown); break;
            }
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

TEST_F(ExtremaDlgTest, TheSystemMenuEndsWithASeparatorAndTheAboutEntry)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        const auto entries = SystemMenuEntries(shown);
        ASSERT_GE(entries.size(), 3u);
        EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                                [](const SystemMenuEntry& entry) { return entry.id == SC_CLOSE; }),
                  1);
        EXPECT_TRUE(entries[entries.size() - 2].separator);
        EXPECT_EQ(entries.back().text, "&Acerca de Zelmara...");
        EXPECT_EQ(entries.back().id, static_cast<UINT>(IDM_ABOUTBOX));
        // "Cerrar" ends the dialog through the default handling of the system command.
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, SC_CLOSE));
    });
}

TEST_F(ExtremaDlgTest, TheAboutBoxOpensRepeatedlyAndLeavesFieldsAndRowsAlone)
{
    CExtremaDlg dlg;
    std::vector<std::string> captions;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        Type(shown, IDC_V2, "7");   // typed, not yet computed
        for (int time = 0; time < 3; ++time) {
            WhenNextDialogShown([&](CDialog& about) {
                captions.push_back(Title(about));
                PressKey(about, IDOK, Key::Enter);   // "Aceptar", the default button
            });
            EXPECT_TRUE(ChooseSystemMenuEntry(shown, IDM_ABOUTBOX));
        }
        EXPECT_EQ(ControlText(shown, IDC_V2), "7");
        EXPECT_EQ(ResultRows(shown).size(), 4u);
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(captions, std::vector<std::string>(3, "Acerca de Zelmara"));
}

TEST_F(ExtremaDlgTest, OtherSystemCommandsGetTheDefaultHandling)
{
    CExtremaDlg dlg;
    const INT_PTR result = RunDriven(dlg, [](CDialog& shown) {
        shown.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);   // no About box
        EXPECT_TRUE(shown.IsIconic());
        EXPECT_EQ(ShownTopLevelWindows(), 1);
        shown.SendMessage(WM_SYSCOMMAND, SC_CLOSE | 0x3, 0);
        LetEventsRun();   // the close command may post the Cancel that ends the dialog
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ExtremaDlgTest, F1ShowsTheHelpOfEveryWindow)
{
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    std::string help;
    RunDriven(dlg, [&help](CDialog& shown) {
        WhenNextDialogShown([&help](CDialog& window) {
            EXPECT_EQ(Title(window), "Ayuda de Zelmara");
            EXPECT_NE(SavePicture(window, "help_window"), "");   // to look at
            help = ControlText(window, IDC_HELP_TEXT);
            EXPECT_EQ(FocusedControl(window), IDOK);   // the text is not shown selected
            PressKey(window, IDOK, Key::Enter);
        });
        PressKey(shown, IDC_V4, Key::F1);
        EXPECT_EQ(PendingDialogDrivers(), 0);
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_TRUE(boxes.Calls().empty());
    for (const char* topic : {"kcal/mol", "grados", "Ángulo", "Derivada de V", "V(Kcal/mol)", "décima",
                              "Ctrl+C", "Ctrl+A", "Guardar como", "Análisis conformacional", "Ctrl+Mayús+A",
                              "Guardar gráfica", "Importar de un campo de fuerza", "Ctrl+O",
                              "Exportar a un campo de fuerza", "Ajustar a un perfil de energía", "Ctrl+Mayús+F"})
        EXPECT_NE(help.find(topic), std::string::npos) << topic;
}

}  // namespace
