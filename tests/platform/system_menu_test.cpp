// The dialog's system menu: the system's own entries, appended entries last, reverting, and
// choosing an entry sends WM_SYSCOMMAND.

#include "gui_test_support.h"

#include <algorithm>

namespace {

class SystemMenuTest : public GuiTest {};

TEST_F(SystemMenuTest, KeepsAppendedEntriesLastAndRevertsToTheSystemsOwn)
{
    CTestDlg dlg;
    RunDriven(dlg, [](CDialog& shown) {
        const std::vector<SystemMenuEntry> standard = SystemMenuEntries(shown);
        const auto cerrar = std::find_if(standard.begin(), standard.end(),
                                         [](const SystemMenuEntry& entry) { return entry.id == SC_CLOSE; });
        ASSERT_NE(cerrar, standard.end());
        EXPECT_TRUE(cerrar->enabled);
        EXPECT_EQ(cerrar->text.substr(0, 7), "&Cerrar");

        AppendAboutEntry(shown);
        std::vector<SystemMenuEntry> withAbout = standard;
        withAbout.push_back({"", 0, true, true});
        withAbout.push_back({"&Acerca de Zelmara...", IDM_ABOUTBOX, false, true});
        EXPECT_EQ(SystemMenuEntries(shown), withAbout);
        CMenu* menu = shown.GetSystemMenu(FALSE);
        EXPECT_FALSE(menu->AppendMenu(MF_STRING, 0x20, nullptr));   // a string entry needs text
        EXPECT_EQ(menu->GetMenuItemCount(), static_cast<UINT>(withAbout.size()));
        EXPECT_EQ(shown.GetSystemMenu(TRUE), nullptr);   // revert: the standard menu again
        EXPECT_EQ(SystemMenuEntries(shown), standard);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(SystemMenuTest, ChoosingAnEntrySendsItsCommandAndCerrarCancels)
{
    CTestDlg dlg;
    const INT_PTR result = RunDriven(dlg, [&](CDialog& shown) {
        AppendAboutEntry(shown);
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, IDM_ABOUTBOX));
        EXPECT_EQ(dlg.systemCommands, (std::vector<UINT>{IDM_ABOUTBOX}));
        EXPECT_TRUE(IsShown(shown));
        EXPECT_FALSE(ChooseSystemMenuEntry(shown, 0x30));   // no such entry
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, SC_CLOSE));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.systemCommands, (std::vector<UINT>{IDM_ABOUTBOX, SC_CLOSE}));
    EXPECT_EQ(dlg.cancels, 1);
}

// A menu from the resources: an entry's state is found through its popups, each change gives the
// state before it, and a command the menu lacks is reported as such.
TEST_F(SystemMenuTest, AResourceMenusEntriesChangeStateThroughItsPopups)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_RESULTS_MENU));
    EXPECT_FALSE(menu.LoadMenu(IDR_RESULTS_MENU));   // one menu per object
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetSubMenu(0), nullptr);   // "Copiar" is a command, not a popup
    EXPECT_EQ(menu.EnableMenuItem(IDM_SAVE_AS, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(MF_ENABLED));
    EXPECT_EQ(popup->EnableMenuItem(IDM_SAVE_AS, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(popup->EnableMenuItem(0x7FFF, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(-1));
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(menu.DestroyMenu());
}

}  // namespace
