// The GUI tests' fixture: a test that leaves a dialog open, or a driver unused, fails.

#include "gui_test_support.h"

#include <gtest/gtest-spi.h>

namespace {

class GuiFixtureTest : public GuiTest {};

TEST_F(GuiFixtureTest, ADialogItsDriverLeftOpenOrADriverNeverRunFailsTheTest)
{
    CTestDlg dlg;
    INT_PTR result = 0;
    ::testing::internal::CaptureStderr();
    EXPECT_NONFATAL_FAILURE(
        {
            result = RunDriven(dlg, [](CDialog&) {});
            ExpectDialogDriversFinished();
        },
        "a driver left its dialog open");
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("102"), std::string::npos);
    EXPECT_EQ(result, kDriverLeftDialogOpen);
    EXPECT_EQ(dlg.m_hWnd, nullptr);

    EXPECT_NONFATAL_FAILURE(
        {
            WhenNextDialogShown([](CDialog& shown) { shown.EndDialog(IDOK); });
            ExpectDialogDriversFinished();
        },
        "a queued driver was never run");
}

}  // namespace
