// The result list's rows taken out of the window: Ctrl+C, Ctrl+A and the context menu, the
// clipboard's text, the saved file's bytes, and saves that fail without touching any file.
// Runs on every backend.

#include "report/scan_table.h"
#include "ui_test_support.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

class ResultsOutTest : public GuiTest {};

CoefficientSet ThreefoldBarrier()
{
    CoefficientSet V{};
    V[3] = 3.0;
    return V;
}

// The table zelmara-scan prints for V at step h, largest angle first.
std::string ScanOutput(const CoefficientSet& V, double h, TableFormat format = TableFormat::Tab)
{
    return ScanTableText(V, h, format, RowOrder::LargestAngleFirst);
}

// The header line and the given lines (from 0) of a table's text.
std::string HeaderAndLines(const std::string& table, std::vector<int> lines)
{
    std::istringstream in(table);
    std::string line;
    std::getline(in, line);
    std::string out = line + '\n';
    for (int index = 0; std::getline(in, line); ++index)
        if (std::find(lines.begin(), lines.end(), index) != lines.end()) out += line + '\n';
    return out;
}

TEST_F(ResultsOutTest, CtrlCCopiesTheSelectedRowsOrAllAsZelmaraScanPrintsThem)
{
    const std::string table = ScanOutput(ThreefoldBarrier(), 0.005);
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        PressCtrlKey(shown, IDC_RESULTS, 'C');   // nothing selected: every row
        EXPECT_EQ(ClipboardText(), table);

        ClickListRow(shown, IDC_RESULTS, 1);
        ClickListRow(shown, IDC_RESULTS, 3, Modifier::Ctrl);
        EXPECT_EQ(SelectedListRows(shown, IDC_RESULTS), (std::vector<int>{1, 3}));
        PressCtrlKey(shown, IDC_RESULTS, 'C');
        EXPECT_EQ(ClipboardText(), HeaderAndLines(table, {1, 3}));

        ClickListRow(shown, IDC_RESULTS, 0);
        ClickListRow(shown, IDC_RESULTS, 2, Modifier::Shift);
        PressCtrlKey(shown, IDC_RESULTS, 'C');
        EXPECT_EQ(ClipboardText(), HeaderAndLines(table, {0, 1, 2}));

        PressCtrlKey(shown, IDC_RESULTS, 'A');
        EXPECT_EQ(SelectedListRows(shown, IDC_RESULTS), (std::vector<int>{0, 1, 2, 3}));
        // Keys that are not Ctrl+A or Ctrl+C copy nothing.
        PressCtrlKey(shown, IDC_RESULTS, 'X');
        EXPECT_EQ(ClipboardText(), HeaderAndLines(table, {0, 1, 2}));
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ResultsOutTest, TheContextMenuOffersItsEntriesOnceThereIsSomethingToTakeOut)
{
    const auto enabledOf = [](const std::vector<MenuEntry>& entries, UINT id) {
        for (const MenuEntry& entry : entries)
            if (entry.id == id) return entry.enabled ? 1 : 0;
        return -1;   // absent
    };
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        std::vector<MenuEntry> entries = ContextMenuEntries(shown, IDC_RESULTS);
        for (UINT id : {IDM_COPY, IDM_SELECT_ALL, IDM_SAVE_AS}) EXPECT_EQ(enabledOf(entries, id), 0) << id;
        EXPECT_FALSE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SAVE_AS));

        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        entries = ContextMenuEntries(shown, IDC_RESULTS);
        for (UINT id : {IDM_COPY, IDM_SELECT_ALL, IDM_SAVE_AS}) EXPECT_EQ(enabledOf(entries, id), 1) << id;
        ASSERT_GE(entries.size(), 4u);
        EXPECT_EQ(entries[0].text, "&Copiar\tCtrl+C");
        EXPECT_EQ(entries[1].text, "Seleccionar &todo\tCtrl+A");

        EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SELECT_ALL));
        EXPECT_EQ(SelectedListRows(shown, IDC_RESULTS).size(), 4u);
        ClickListRow(shown, IDC_RESULTS, 2);
        EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_COPY));
        EXPECT_EQ(ClipboardText(), HeaderAndLines(ScanOutput(ThreefoldBarrier(), 0.005), {2}));
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ResultsOutTest, SaveAsWritesTheLastComputationsTableAsZelmaraScanDoes)
{
    Folder folder;
    CExtremaDlg dlg;
    MessageBoxRecorder boxes;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        // Typed but never computed, and a computation refused: the table stays the last one's.
        Type(shown, IDC_V1, "1");
        Type(shown, IDC_PRECISION, "0");
        ClickCompute(shown);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        {
            SaveFileDialogRecorder dialogs((folder.path() / "tabla.tsv").string());
            EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SAVE_AS));
            ASSERT_EQ(dialogs.Requests().size(), 1u);
            const backend::SaveFileRequest& request = dialogs.Requests()[0];
            EXPECT_EQ(request.filters,
                      (std::vector<backend::FileFilter>{{"Texto separado por tabuladores (*.tsv)", "*.tsv"},
                                                        {"Valores separados por comas (*.csv)", "*.csv"}}));
            EXPECT_EQ(request.defaultExtension, "tsv");
            EXPECT_TRUE(request.confirmOverwrite);
        }
        EXPECT_EQ(FileText(folder.path() / "tabla.tsv"), ScanOutput(ThreefoldBarrier(), 0.005));

        // The comma-separated form: by the filter chosen, or by the name's own extension.
        Type(shown, IDC_PRECISION, "0.5");
        ClickCompute(shown);
        CoefficientSet V = ThreefoldBarrier();
        V[1] = 1.0;
        const std::string csv = ScanOutput(V, 0.5, TableFormat::Csv);
        for (const auto& [name, filter] : {std::pair<const char*, int>{"sin_extension", 2}, {"datos.CSV", 1}}) {
            SaveFileDialogRecorder dialogs((folder.path() / name).string(), filter);
            EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SAVE_AS));
            EXPECT_EQ(FileText(folder.path() / name), csv) << name;
        }
        {
            SaveFileDialogRecorder cancelled(std::nullopt);
            EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SAVE_AS));
        }
        {   // a name typed with a lone UTF-16 surrogate is refused, not written under another name
            SaveFileDialogRecorder notText(backend::SaveFileChoice{"", 1, false});
            EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SAVE_AS));
        }
        shown.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, "No se puede guardar con ese nombre: el nombre no es texto válido: tiene un "
                                     "carácter incompleto.\n\nNingún archivo ha cambiado.");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"datos.CSV", "sin_extension", "tabla.tsv"}));
}

#ifdef __linux__
// Writes beyond limit bytes fail (EFBIG) while alive, also for root: a write failure injected
// where a full disk would be.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedSignal);
    }

private:
    rlimit m_saved{};
    void (*m_savedSignal)(int) = nullptr;
};
#endif

enum class Failure { FolderMissing, TargetIsAFolder, WriteFails };

TEST_F(ResultsOutTest, AFailedSaveIsReportedAndChangesNoFileAndNoRow)
{
    std::vector<Failure> failures = {Failure::FolderMissing, Failure::TargetIsAFolder};
#ifdef __linux__
    failures.push_back(Failure::WriteFails);
#endif
    for (Failure failure : failures) {
        SCOPED_TRACE(static_cast<int>(failure));
        Folder folder;
        std::ofstream(folder.path() / "old.tsv", std::ios::binary) << "old contents\n";
        fs::create_directory(folder.path() / "sub");
        fs::path target = folder.path() / "old.tsv";
        const char* reason = "supera el tamaño máximo permitido";
        if (failure == Failure::FolderMissing) {
            target = folder.path() / "gone" / "x.tsv";
            reason = "la carpeta no existe";
        } else if (failure == Failure::TargetIsAFolder) {
            target = folder.path() / "sub";
            reason = "ese nombre es el de una carpeta";
        }
        CExtremaDlg dlg;
        MessageBoxRecorder boxes;
        RunDriven(dlg, [&](CDialog& shown) {
            ClickCompute(shown);   // every angle: 36021 rows, some 500 kB of text
            const auto rows = ResultRows(shown);
            SaveFileDialogRecorder dialogs(target.string());
#ifdef __linux__
            std::optional<FileSizeLimit> limit;
            if (failure == Failure::WriteFails) limit.emplace(64 * 1024);
#endif
            EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SAVE_AS));
            EXPECT_EQ(ResultRows(shown), rows);
            shown.EndDialog(IDCANCEL);
        });
        ASSERT_EQ(boxes.Calls().size(), 1u);
        const std::string& message = boxes.Calls()[0].text;
        EXPECT_EQ(message.rfind("No se ha podido guardar la tabla en «" + target.string() + "»: ", 0), 0u) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        EXPECT_EQ(FileText(folder.path() / "old.tsv"), "old contents\n");
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"old.tsv", "sub"}));
        EXPECT_TRUE(fs::is_empty(folder.path() / "sub"));
    }
}

// Hostile input: each is refused with a short Spanish message, the field keeps what it took (a
// paste longer than an edit holds keeps its beginning), and the list keeps its rows.
TEST_F(ResultsOutTest, HostileTypingIsRefusedQuicklyAndLosesNothing)
{
    struct Hostile {
        const char* what;
        int field;
        std::string text;
    };
    std::string megabyte;
    while (megabyte.size() < (1u << 20)) megabyte += "V1 = 12,5 kcal/mol; ";
    const Hostile cases[] = {
        {"a megabyte pasted", IDC_V1, megabyte},
        {"10,000 digits", IDC_V2, std::string(10000, '9')},
        {"10,000 digits of precision", IDC_PRECISION, "0." + std::string(10000, '0') + "1"},
        {"Arabic-Indic digit", IDC_V4, "\u0663"},
        {"right-to-left marks", IDC_V5, "\u200F5\u200F"},
        {"thousands with a point", IDC_V6, "1,000.5"},
        {"thousands with a comma", IDC_V6, "1.000,5"},
    };
    for (const Hostile& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        CExtremaDlg dlg;
        MessageBoxRecorder boxes;
        RunDriven(dlg, [&](CDialog& shown) {
            Type(shown, IDC_V3, "3");
            ClickCompute(shown);
            Paste(shown, hostile.field, hostile.text);
            ClickCompute(shown);
            ASSERT_EQ(boxes.Calls().size(), 1u);
            const std::string& message = boxes.Calls()[0].text;
            EXPECT_LT(message.size(), 120u);
            EXPECT_TRUE(message.starts_with("Escriba un número") || message.starts_with("El número es demasiado"))
                << message;
            const std::string kept = hostile.text.substr(0, backend::kEditMaxCharacters);   // ASCII or short
            EXPECT_TRUE(ControlText(shown, hostile.field) == kept) << "the field lost some text";
            EXPECT_EQ(FocusedControl(shown), hostile.field);
            EXPECT_EQ(ResultRows(shown).size(), 4u);
            shown.EndDialog(IDCANCEL);
        });
    }
}

}  // namespace
