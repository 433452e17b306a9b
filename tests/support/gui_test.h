#pragma once

// What every GUI test program shares: Qt started once as the program starts it, a fixture that
// fails when a test leaves a window or an unused dialog driver behind, and ways to drive a
// modal dialog with keys and clicks.

#include "afxwin.h"
#include "testing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QRect>

#include <functional>
#include <string>

// Checks after each test that no dialog driver was left unused and no top-level window leaked.
class GuiTest : public ::testing::Test {
protected:
    void TearDown() override;
};

// Runs driver inside dlg's modal loop and returns DoModal's result.
INT_PTR RunDriven(CDialog& dlg, std::function<void(CDialog&)> driver);

// The edit with ID id of a running dialog.
QLineEdit* Edit(const CWnd& dlg, int id);
// Replaces an edit's text the way a user does: select all, then type or delete.
void Type(const CWnd& dlg, int id, const char* text);
// Clicks the push button with ID id of a running dialog with the mouse.
void ClickButton(const CWnd& dlg, int id);
// The dialog's own surface as it paints it now, without its controls.
QImage DialogSurface(const CWnd& dlg);
// The smallest rectangle holding every pixel in which two pictures of one size differ (empty
// when none does), and how many pixels differ.
struct PictureDifference {
    QRect bounds;
    int pixels = 0;
};
PictureDifference Difference(const QImage& before, const QImage& after);

// Writes what the dialog shows now as a PNG named fileName into the working directory, which
// CTest sets to the test's build folder.
void SavePicture(const CWnd& dlg, const std::string& fileName);
