// The application object: the main dialog is the one window, and the program ends with it.

#include "ui_test_support.h"

namespace {

class ExtremaAppTest : public GuiTest {};

TEST_F(ExtremaAppTest, RunsTheMainDialogAsTheOnlyWindowAndEndsWhenItCloses)
{
    CWinApp* app = AfxGetApp();
    ASSERT_NE(app, nullptr);
    int windowsShown = 0;
    bool mainWindowWasTheDialog = false;
    WhenNextDialogShown([&](CDialog& shown) {
        windowsShown = ShownTopLevelWindows();
        mainWindowWasTheDialog = app->m_pMainWnd == &shown;
        EXPECT_EQ(Title(shown), "Puntos extremos del potencial de torsión");
        shown.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        LetEventsRun();   // the close command may post the Cancel that ends the dialog
    });
    EXPECT_EQ(app->InitInstance(), FALSE);
    EXPECT_EQ(windowsShown, 1);
    EXPECT_TRUE(mainWindowWasTheDialog);
    EXPECT_EQ(app->m_pMainWnd, nullptr);
}

}  // namespace
