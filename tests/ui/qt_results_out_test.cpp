// What only the Qt backend shows of the result table's way out: Qt's own save-file dialog, in
// Spanish, driven by its widgets, and the extension of the file type chosen added to a name
// typed without one.

#include "qt_gui_test.h"
#include "report/scan_table.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class QtResultsOutTest : public GuiTest {};

// Calls act with the modal file dialog once it is shown (from inside its loop); gives up after
// a few seconds.
void WhenFileDialogShown(std::function<void(QFileDialog&)> act, int triesLeft = 500)
{
    QTimer::singleShot(10, [act = std::move(act), triesLeft]() mutable {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            act(*dialog);
        else if (triesLeft > 0)
            WhenFileDialogShown(std::move(act), triesLeft - 1);
    });
}

TEST_F(QtResultsOutTest, TheSaveDialogSpeaksSpanishAndAddsTheChosenTypesExtension)
{
    const fs::path folder = fs::temp_directory_path() / ("zelmara-qt-save-dialog-" + std::to_string(std::random_device()()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    QStringList filters;
    QString title;
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        WhenFileDialogShown([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            title = dialog.windowTitle();
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (types == nullptr || name == nullptr) {
                dialog.reject();
                return;
            }
            QTest::keyClick(types, Qt::Key_Down);   // the comma-separated type
            dialog.setDirectory(QString::fromStdString(folder.string()));
            QTest::keyClicks(name, QStringLiteral("tabla"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        EXPECT_TRUE(ChooseContextMenuEntry(shown, IDC_RESULTS, IDM_SAVE_AS));
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(title, "Guardar como");
    EXPECT_EQ(filters, (QStringList{"Texto separado por tabuladores (*.tsv)", "Valores separados por comas (*.csv)"}));
    std::ifstream file(folder / "tabla.csv", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    CoefficientSet V{};
    V[3] = 3.0;
    EXPECT_EQ(text.str(), ScanTableText(V, 0.005, TableFormat::Csv, RowOrder::LargestAngleFirst));
    fs::remove_all(folder);
}

}  // namespace
