#include "gui_test.h"

#include <memory>
#include <string>

namespace {

// Starts the toolkit once for the test program, as the program's entry point does.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_toolkit = test_driver::StartApplication("gui_test"); }
    void TearDown() override { m_toolkit.reset(); }

private:
    std::unique_ptr<backend::Toolkit> m_toolkit;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

void ExpectDialogDriversFinished()
{
    EXPECT_EQ(test_driver::PendingDialogDrivers(), 0) << "a queued driver was never run";
    test_driver::ClearDialogDrivers();
    EXPECT_EQ(test_driver::TakeDialogsLeftOpen(), 0) << "a driver left its dialog open";
}

void GuiTest::SetUp()
{
    test_driver::SetFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
}

void GuiTest::TearDown()
{
    ExpectDialogDriversFinished();
    std::string left;
    for (const std::string& window : test_driver::TopLevelWindows()) left += window + "; ";
    EXPECT_TRUE(left.empty()) << "top-level windows left: " << left;
    test_driver::SetFailureHandler(nullptr);
}
