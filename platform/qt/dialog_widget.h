#pragma once

// The Qt dialog behind a DialogWindow. It turns the dialog keys, the close box, right-clicks
// on its surface and painting into messages for the dialog's window object.

#include <QDialog>

struct DialogWindow;

class DialogWidget final : public QDialog {
public:
    DialogWidget(DialogWindow& window, QWidget* owner);

    // Escape: WM_COMMAND IDCANCEL.
    void reject() override;
    // WM_COMMAND IDOK.
    void accept() override;

    // Qt's own painting of the dialog's surface (WM_PAINT's standard processing).
    void PaintAsQtDoes(QPaintEvent* event) { QDialog::paintEvent(event); }

    // Watches widget's key presses for the dialog's accelerators, F1 (WM_HELP) and Alt+Space
    // (system menu).
    void WatchKeys(QWidget* widget);

protected:
    // The close box: WM_SYSCOMMAND SC_CLOSE; the window stays until the dialog ends.
    void closeEvent(QCloseEvent* event) override;
    // WM_PAINT through the message map.
    void paintEvent(QPaintEvent* event) override;
    // A right-click on the dialog's own surface (or a static) shows the system menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogWindow& m_window;
};
