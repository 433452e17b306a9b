// The dialog's system menu: "Cerrar" first, appended entries last, choosing an entry sends
// WM_SYSCOMMAND, and the popup opens on a right-click on the surface and on Alt+Space.

#include "gui_test_support.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

namespace {

using platform_testing::ChooseSystemMenuEntry;
using platform_testing::DialogOf;
using platform_testing::SystemMenuEntries;
using platform_testing::SystemMenuEntry;

class SystemMenuTest : public GuiTest {};

// Appends the About entry as the program does: a separator, then the string resource.
void AppendAbout(CWnd& dlg)
{
    CMenu* menu = dlg.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_ABOUTBOX));
    ASSERT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, text));
}

const std::vector<SystemMenuEntry> kWithAbout = {
    {"&Cerrar\tAlt+F4", SC_CLOSE, false, true},
    {"", 0, true, true},
    {"&Acerca de Zelmara...", IDM_ABOUTBOX, false, true},
};

TEST_F(SystemMenuTest, StartsWithCerrarAndKeepsAppendedEntriesLast)
{
    CTestDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        EXPECT_EQ(SystemMenuEntries(shown),
                  (std::vector<SystemMenuEntry>{{"&Cerrar\tAlt+F4", SC_CLOSE, false, true}}));
        AppendAbout(shown);
        EXPECT_EQ(SystemMenuEntries(shown), kWithAbout);
        CMenu* menu = shown.GetSystemMenu(FALSE);
        EXPECT_FALSE(menu->AppendMenu(MF_STRING, 0x20, nullptr));   // a string entry needs text
        EXPECT_EQ(menu->GetMenuItemCount(), 3u);
        EXPECT_EQ(shown.GetSystemMenu(TRUE), nullptr);   // revert: the standard menu again
        EXPECT_EQ(SystemMenuEntries(shown).size(), 1u);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(SystemMenuTest, ChoosingAnEntrySendsItsCommandAndCerrarCancels)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        AppendAbout(shown);
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, IDM_ABOUTBOX));
        EXPECT_EQ(dlg.systemCommands, (std::vector<UINT>{IDM_ABOUTBOX}));
        EXPECT_TRUE(DialogOf(shown)->isVisible());
        EXPECT_FALSE(ChooseSystemMenuEntry(shown, 0x30));   // no such entry
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, SC_CLOSE));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.systemCommands, (std::vector<UINT>{IDM_ABOUTBOX, SC_CLOSE}));
    EXPECT_EQ(dlg.cancels, 1);
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

TEST_F(SystemMenuTest, APopupOpensOnTheSurfaceAndOnAltSpaceButNotOnAButton)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        AppendAbout(shown);
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

        QWidget* button = platform_testing::ControlOf(shown, IDC_COMPUTE);
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
