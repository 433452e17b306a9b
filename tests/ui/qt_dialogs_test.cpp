// What only the Qt backend can show of the program's dialogs: the window icon's images, the
// minimised window's painting, the About box's picture, and what assistive technologies read.

#include "qt_gui_test.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QLabel>

#include <algorithm>

namespace {

using platform_testing::ControlOf;
using platform_testing::DialogOf;

class QtDialogsTest : public GuiTest {};

TEST_F(QtDialogsTest, TheWindowHasBothIconImagesAndPaintsTheIconWhenMinimised)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        QDialog* window = DialogOf(shown);
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));

        const QImage normal = DialogSurface(shown);
        Minimize(shown);
        ASSERT_TRUE(shown.IsIconic());
        // Minimised: the 32-pixel icon drawn in the middle of the erased surface.
        const PictureDifference drawn = Difference(normal, DialogSurface(shown));
        const QRect middle((window->width() - 32 + 1) / 2, (window->height() - 32 + 1) / 2, 32, 32);
        EXPECT_TRUE(middle.contains(drawn.bounds)) << drawn.bounds.x() << "," << drawn.bounds.y();
        EXPECT_GT(drawn.pixels, 100);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(QtDialogsTest, TheAboutBoxShowsTheProgramsIcon)
{
    CAboutDlg about;
    RunDriven(about, [](CDialog& shown) {
        const auto labels = DialogOf(shown)->findChildren<QLabel*>();
        const auto pictures = std::count_if(labels.begin(), labels.end(),
                                            [](const QLabel* label) { return !label->pixmap().isNull(); });
        EXPECT_EQ(pictures, 1);
        shown.EndDialog(IDOK);
    });
}

TEST_F(QtDialogsTest, FieldsButtonsAndResultCellsAreExposedToAssistiveTechnologies)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        const char* labels[] = {"V1", "V2", "V3", "V4", "V5", "V6"};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(Edit(shown, IDC_V1 + i)->accessibleName(), labels[i]);
        EXPECT_TRUE(Edit(shown, IDC_PRECISION)->accessibleName().startsWith("Precisión"));

        QAccessibleInterface* compute = QAccessible::queryAccessibleInterface(ControlOf(shown, IDC_COMPUTE));
        ASSERT_NE(compute, nullptr);
        EXPECT_EQ(compute->text(QAccessible::Name), "Obtener puntos extremos");

        Type(shown, IDC_V3, "3");
        ClickCompute(shown);
        ResultRows(shown);   // lets the view learn of the rows
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(ControlOf(shown, IDC_RESULTS));
        ASSERT_NE(list, nullptr);
        QAccessibleTableInterface* table = list->tableInterface();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), 4);
        EXPECT_EQ(table->columnCount(), 3);
        EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), "180");
        EXPECT_EQ(table->cellAt(1, 2)->text(QAccessible::Name), "3");
        EXPECT_EQ(table->columnDescription(1), "Derivada de V");
        shown.EndDialog(IDCANCEL);
    });
}

}  // namespace
