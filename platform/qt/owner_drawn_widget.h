#pragma once

// An owner-drawn static (SS_OWNERDRAW) in the Qt backend: whenever it is painted, its dialog gets
// WM_DRAWITEM with a paint context open on it.

#include <QWidget>

struct DialogWindow;
struct HWND__;

class OwnerDrawnWidget final : public QWidget {
public:
    // control is the static's window, which dialog owns.
    OwnerDrawnWidget(DialogWindow& dialog, HWND__& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DialogWindow& m_dialog;
    HWND__& m_control;
};
