// What only the Qt backend shows of the framework layer: the toolkit's own Spanish texts, real
// message boxes, Qt's open-file dialog, painting a minimised dialog, the list's item model and its batches, and the
// system-menu popup that stands in for the window manager's.

#include "afxdlgs.h"
#include "gui_test_support.h"
#include "qt_gui_test.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using platform_testing::ControlOf;
using platform_testing::DialogOf;

class QtWidgetsTest : public GuiTest {};

TEST_F(QtWidgetsTest, QtIsSpanishWhileFieldsKeepTheirPoint)
{
    CTestDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
        EXPECT_EQ(Edit(shown, IDC_PRECISION)->text(), "0.005");
        shown.EndDialog(IDOK);
    });
}

TEST_F(QtWidgetsTest, RealMessageBoxesCarryTheTitleAndSpanishButtons)
{
    QString caption, text;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        for (const QAbstractButton* button : box->buttons()) buttons << button->text();
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(AfxMessageBox("¿Seguro?", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);
    EXPECT_EQ(caption, "Zelmara");
    EXPECT_EQ(text, QStringLiteral("¿Seguro?"));
    buttons.sort();
    EXPECT_EQ(buttons.join("|").toStdString(), "Aceptar|Cancelar");
}

TEST_F(QtWidgetsTest, TheOpenDialogSpeaksSpanishAndTakesEveryPatternOfAFilter)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("zelmara-open-dialog-" + std::to_string(QApplication::applicationPid()));
    fs::create_directories(folder);
    std::ofstream(folder / "campo.top") << "; vacío\n";
    QString title;
    QStringList filters;
    bool existingOnly = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        existingOnly = dialog->fileMode() == QFileDialog::ExistingFile;
        dialog->setDirectory(QString::fromStdString(folder.string()));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        QTest::keyClicks(name, QStringLiteral("campo.top"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     "GROMACS (*.itp;*.top)|*.itp;*.top|Todos los archivos (*.*)|*.*||");
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(title, "Abrir");
    EXPECT_EQ(filters, (QStringList{"GROMACS (*.itp *.top)", "Todos los archivos (*)"}));
    EXPECT_TRUE(existingOnly);
    EXPECT_EQ(fs::path(open.GetPathName().GetString()), folder / "campo.top");
    EXPECT_EQ(open.GetFilterIndex(), 1);
    fs::remove_all(folder);
}

TEST_F(QtWidgetsTest, AMinimisedDialogDrawsItsIconInTheMiddleOfItsErasedSurface)
{
    CPaintingDlg dlg;
    ASSERT_NE(dlg.m_hIcon, nullptr);
    RunDriven(dlg, [&](CDialog& shown) {
        QDialog* window = DialogOf(shown);
        const QImage normal = DialogSurface(shown);
        EXPECT_GT(dlg.paints, 0);

        Minimize(shown);
        ASSERT_TRUE(shown.IsIconic());
        // Minimised: the surface erased, the icon drawn in the middle of it.
        const PictureDifference drawn = Difference(normal, DialogSurface(shown));
        const QRect middle((window->width() - 32 + 1) / 2, (window->height() - 32 + 1) / 2, 32, 32);
        EXPECT_TRUE(middle.contains(drawn.bounds)) << drawn.bounds.x() << "," << drawn.bounds.y();
        EXPECT_GT(drawn.pixels, 100);
        shown.EndDialog(IDCANCEL);
    });
}

QTableView* ResultView(const CWnd& dlg)
{
    return qobject_cast<QTableView*>(ControlOf(dlg, IDC_RESULTS));
}

TEST_F(QtWidgetsTest, ListHeadingsAreLeftAlignedAndShown)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        QTableView* view = ResultView(shown);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                    Qt::AlignLeft);
        EXPECT_TRUE(view->horizontalHeader()->isVisible());
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(QtWidgetsTest, TheViewIsToldOncePerBatchWhenTheEventLoopRuns)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        QTableView* view = ResultView(shown);
        const QAbstractItemModel* model = view->model();
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        for (int i = 0; i < 10'000; ++i) {
            const int row = dlg.m_results.InsertItem(0, std::to_string(i).c_str());
            dlg.m_results.SetItemText(row, 2, "0");
        }
        EXPECT_EQ(dlg.m_results.GetItemCount(), 10'000);   // the list itself is current
        EXPECT_EQ(model->rowCount(), 0);                    // the view not yet told
        QCoreApplication::processEvents();
        EXPECT_EQ(model->rowCount(), 10'000);
        EXPECT_EQ(inserted.count() + reset.count(), 1);
        EXPECT_EQ(model->data(model->index(0, 0)).toString(), "9999");

        // Emptying is told at once; refilling is one more batch, and a paint before the event
        // loop runs shows the current rows.
        dlg.m_results.SendMessage(LVM_DELETEALLITEMS);
        EXPECT_EQ(reset.count(), 1);
        EXPECT_EQ(model->rowCount(), 0);
        dlg.m_results.InsertItem(0, "b");
        dlg.m_results.InsertItem(0, "a");
        view->grab();
        EXPECT_EQ(model->rowCount(), 2);
        QCoreApplication::processEvents();
        EXPECT_EQ(inserted.count() + reset.count(), 3);
        shown.EndDialog(IDCANCEL);
    });
}

// Collects the warnings Qt logs while alive; QAbstractItemModelTester reports a broken item
// model contract as one.
class QtWarnings {
public:
    QtWarnings() { m_previous = qInstallMessageHandler(&Collect); }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;
    ~QtWarnings() { qInstallMessageHandler(m_previous); }

    static std::string& Text()
    {
        static std::string text;
        return text;
    }

private:
    static void Collect(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg) Text() += message.toStdString() + "\n";
    }
    QtMessageHandler m_previous;
};

std::string Cell(const QAbstractItemModel& model, int row, int column)
{
    return model.index(row, column).data().toString().toStdString();
}

TEST_F(QtWidgetsTest, TheModelAnswersForTheRowsItHasToldTheViewOf)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        QAbstractItemModel& model = *ResultView(shown)->model();
        QtWarnings::Text().clear();
        const QtWarnings warnings;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
        CListCtrl& list = dlg.m_results;
        for (const char* angle : {"0", "60", "120"}) list.SetItemText(list.InsertItem(0, angle), 2, "3");
        LetEventsRun();

        // Rows at the top and the bottom not yet told: the view's rows keep their places.
        list.InsertItem(0, "new");
        list.InsertItem(4, "last");
        EXPECT_EQ(model.rowCount(), 3);
        EXPECT_EQ(Cell(model, 0, 0), "120");
        EXPECT_EQ(Cell(model, 2, 0), "0");
        EXPECT_EQ(Cell(model, 2, 2), "3");
        LetEventsRun();
        EXPECT_EQ(model.rowCount(), 5);
        EXPECT_EQ(Cell(model, 0, 0), "new");
        EXPECT_EQ(Cell(model, 4, 0), "last");

        // Elsewhere, a row is told at once, as is emptying; changed texts of told rows come
        // with the next batch.
        list.InsertItem(0, "top");
        list.InsertItem(2, "middle");
        EXPECT_EQ(model.rowCount(), 7);
        EXPECT_EQ(Cell(model, 2, 0), "middle");
        list.SetItemText(3, 1, "changed");
        LetEventsRun();
        EXPECT_EQ(Cell(model, 3, 1), "changed");
        list.DeleteAllItems();
        EXPECT_EQ(model.rowCount(), 0);
        list.InsertItem(0, "again");
        LetEventsRun();
        EXPECT_EQ(model.rowCount(), 1);
        EXPECT_EQ(QtWarnings::Text(), "");
        shown.EndDialog(IDCANCEL);
    });
}

// The popup shown now, and its entries' texts ("" for a separator).
QStringList PopupTexts()
{
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList texts;
    if (popup == nullptr) return texts;
    for (const QAction* action : popup->actions()) texts << action->text();
    return texts;
}

TEST_F(QtWidgetsTest, ASystemMenuPopupOpensOnTheSurfaceAndOnAltSpaceButNotOnAButton)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        AppendAboutEntry(shown);
        QDialog* window = DialogOf(shown);
        const QStringList expected = {"&Cerrar\tAlt+F4", "", "&Acerca de Zelmara..."};

        QContextMenuEvent onSurface(QContextMenuEvent::Mouse, QPoint(3, 3), window->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(window, &onSurface);
        EXPECT_EQ(PopupTexts(), expected);
        // Choosing the entry sends the command once the popup has closed.
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        popup->actions().at(2)->trigger();
        popup->close();
        EXPECT_TRUE(dlg.systemCommands.empty());
        QCoreApplication::processEvents();
        EXPECT_EQ(dlg.systemCommands, (std::vector<UINT>{IDM_ABOUTBOX}));

        QWidget* button = ControlOf(shown, IDC_COMPUTE);
        QContextMenuEvent onButton(QContextMenuEvent::Mouse, button->geometry().center(),
                                   window->mapToGlobal(button->geometry().center()));
        QApplication::sendEvent(window, &onButton);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

        QTest::keyClick(Edit(shown, IDC_V1), Qt::Key_Space, Qt::AltModifier);
        EXPECT_EQ(PopupTexts(), expected);
        EXPECT_EQ(Edit(shown, IDC_V1)->text(), "0");   // no space typed
        QApplication::activePopupWidget()->close();
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
