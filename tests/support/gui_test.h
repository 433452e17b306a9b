#pragma once

// What every GUI test program shares, on any backend: the toolkit started once as the program
// starts it, and a fixture that fails when a test leaves a dialog, a window or an unused dialog
// driver behind, or when the test driver cannot do what a test asked.

#include "afxwin.h"
#include "testing/test_driver.h"

#include <gtest/gtest.h>

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The checks GuiTest makes after each test about dialog drivers: none left queued, none that
// left its dialog open. Each is a non-fatal failure; the queue and the count are then reset.
void ExpectDialogDriversFinished();
