// Dialogs made from the resource script's templates: every control where the template puts
// it, the tab order, names for screen readers, captions, icons and placement. The pictures of
// both dialogs, checked for their size, are written into the build folder for a look.

#include "gui_test_support.h"
#include "qt_gui_test.h"
#include "resource_script/dialog_units.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

using platform_testing::ControlOf;
using platform_testing::DialogOf;

class DialogTemplateTest : public GuiTest {};

dialog_units::BaseUnits UnitsOf(const QWidget* dialog)
{
    const QFontMetrics metrics(dialog->font());
    return dialog_units::BaseUnitsFromFont(
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
        metrics.height());
}

QRect Pixels(const resource::Rect& rect, dialog_units::BaseUnits units)
{
    const dialog_units::PixelRect pixels = dialog_units::ToPixels(rect, units);
    return {pixels.x, pixels.y, pixels.width, pixels.height};
}

// Checks that the dialog's picture has the template's size in pixels (width and height in
// dialog units) and writes it as fileBase.png.
void CheckAndSavePicture(const CWnd& dialog, int width, int height, const std::string& fileBase)
{
    const QImage picture = platform_testing::GrabWindow(dialog);
    const QSize expected = Pixels({0, 0, width, height}, UnitsOf(DialogOf(dialog))).size();
    EXPECT_EQ(picture.size(), expected * picture.devicePixelRatio()) << fileBase;
    EXPECT_NE(SavePicture(dialog, fileBase), "");
}

TEST_F(DialogTemplateTest, PutsEveryControlWhereTheTemplateSays)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        QDialog* window = DialogOf(shown);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Puntos extremos del potencial de torsión"));
        EXPECT_TRUE(QFontInfo(window->font()).family().contains("Sans"));
        const dialog_units::BaseUnits units = UnitsOf(window);
        EXPECT_GE(units.cx, 5);
        EXPECT_LE(units.cx, 8);
        EXPECT_EQ(window->size(), Pixels({0, 0, 357, 225}, units).size());
        EXPECT_EQ(window->minimumSize(), window->maximumSize());   // fixed size
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

        const struct {
            int id;
            resource::Rect rect;
        } controls[] = {
            {IDC_V1, {26, 38, 78, 12}},          {IDC_V6, {231, 59, 78, 12}},
            {IDC_PRECISION, {129, 80, 66, 13}},  {IDC_COMPUTE, {84, 96, 179, 11}},
            {IDC_RESULTS, {24, 114, 285, 78}},   {IDOK, {119, 204, 50, 14}},
            {IDCANCEL, {181, 204, 50, 14}},
        };
        for (const auto& control : controls)
            EXPECT_EQ(ControlOf(shown, control.id)->geometry(), Pixels(control.rect, units)) << control.id;

        // The formula picture keeps its own 173 x 33 pixels at the template's corner.
        const auto* formula = window->findChild<QLabel*>(QStringLiteral("static_0"));
        ASSERT_NE(formula, nullptr);
        EXPECT_EQ(formula->geometry(), QRect(Pixels({7, 7, 0, 0}, units).topLeft(), QSize(173, 33)));
        const auto* label = window->findChild<QLabel*>(QStringLiteral("static_13"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Precisión (recomendado 0.005):"));
        EXPECT_EQ(label->geometry(), Pixels({13, 81, 116, 9}, units));

        auto* compute = qobject_cast<QPushButton*>(ControlOf(shown, IDC_COMPUTE));
        EXPECT_TRUE(compute->isDefault());
        EXPECT_EQ(compute->text(), QStringLiteral("Obtener puntos extremos"));

        // A row in the list and a typed field, so that the picture shows them too.
        const int row = dlg.m_results.InsertItem(0, "180");
        dlg.m_results.SetItemText(row, 1, "-1.83697e-16");
        dlg.m_results.SetItemText(row, 2, "6");
        Type(shown, IDC_V3, "3");
        CheckAndSavePicture(shown, 357, 225, "main_dialog");
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(DialogTemplateTest, TabOrderFollowsTheTemplateAndEditsAreNamedByTheirLabels)
{
    CTestDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        QDialog* window = DialogOf(shown);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const int order[] = {IDC_V1, IDC_V2, IDC_V3, IDC_V4, IDC_V5, IDC_V6, IDC_PRECISION,
                             IDC_COMPUTE, IDC_RESULTS, IDOK, IDCANCEL, IDC_V1};
        EXPECT_EQ(QApplication::focusWidget(), ControlOf(shown, order[0]));
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), ControlOf(shown, order[i])) << "step " << i;
        }
        EXPECT_EQ(ControlOf(shown, IDC_V1)->accessibleName(), "V1");
        EXPECT_EQ(ControlOf(shown, IDC_V5)->accessibleName(), "V5");
        EXPECT_EQ(ControlOf(shown, IDC_PRECISION)->accessibleName(),
                  QStringLiteral("Precisión (recomendado 0.005):"));
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(DialogTemplateTest, SetIconGivesTheWindowItsBigAndSmallImages)
{
    CTestDlg dlg;
    const HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(AfxGetApp()->LoadIcon(IDR_MAINFRAME), icon);   // one shared handle
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(AfxGetApp()->LoadIcon(777), nullptr);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("777"), std::string::npos);
    RunDriven(dlg, [&](CDialog& shown) {
        EXPECT_EQ(shown.SetIcon(icon, TRUE), nullptr);
        EXPECT_EQ(shown.SetIcon(icon, FALSE), nullptr);
        EXPECT_EQ(shown.SetIcon(icon, TRUE), icon);   // the previous big icon
        const QList<QSize> sizes = DialogOf(shown)->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(DialogTemplateTest, TheAboutBoxWrapsItsLongTextAndCentresOverTheMainWindow)
{
    CTestDlg main;
    CWinApp* app = AfxGetApp();
    app->m_pMainWnd = &main;
    RunDriven(main, [&](CDialog& shownMain) {
        CDialog about(IDD_ABOUTBOX);
        const INT_PTR result = RunDriven(about, [&](CDialog& shownAbout) {
            QDialog* box = DialogOf(shownAbout);
            QDialog* owner = DialogOf(shownMain);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Acerca de Zelmara"));
            EXPECT_EQ(box->parentWidget(), owner);
            EXPECT_LE((box->geometry().center() - owner->geometry().center()).manhattanLength(), 4);
            const auto* version = box->findChild<QLabel*>(QStringLiteral("static_1"));
            const auto* purpose = box->findChild<QLabel*>(QStringLiteral("static_5"));
            ASSERT_NE(version, nullptr);
            ASSERT_NE(purpose, nullptr);
            EXPECT_EQ(version->text(), QStringLiteral("Zelmara Versión 1.0"));
            EXPECT_FALSE(version->wordWrap());
            EXPECT_TRUE(purpose->wordWrap());
            EXPECT_LE(purpose->heightForWidth(purpose->width()), purpose->height());   // not clipped
            CheckAndSavePicture(shownAbout, 240, 87, "about_box");
            QTest::keyClick(box, Qt::Key_Return);   // "Aceptar" is the default button
        });
        EXPECT_EQ(result, IDOK);
        shownMain.EndDialog(IDCANCEL);
    });
    app->m_pMainWnd = nullptr;
}

}  // namespace
