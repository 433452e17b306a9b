#pragma once

// The application object, the entry point and message boxes.

#include "afx_wnd.h"

#include <string>

// The program's one application object, a global constructed before AfxWinMain runs. Its
// constructor does nothing but register it.
class CWinApp : public CCmdTarget {
public:
    // appName captions the framework's messages; nullptr gives "Zelmara".
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    // Called once by AfxWinMain after the toolkit has started. TRUE runs the message loop
    // (Run); FALSE ends the program at once.
    virtual BOOL InitInstance();
    // The message loop: returns when the last window has closed, at once when none is shown.
    virtual int Run();
    // The exit status; the base returns 0.
    virtual int ExitInstance();

    // Icon resource id with its 32 and 16 pixel images, or nullptr after an error naming it on
    // stderr. The handle is shared and never freed: each call with the same id returns it.
    HICON LoadIcon(UINT id) const;

    // Kept for compatibility with programs of the framework's age; they do nothing.
    BOOL Enable3dControls() { return TRUE; }

    // The framework's help command (ID_HELP), reached through the application's message map.
    // Shows the string resource ID_HELP in an information box, or says there is no help text.
    afx_msg void OnHelp();

    CWnd* m_pMainWnd = nullptr;   // the main window once the program has one
    LPCTSTR m_pszAppName;         // the application title

private:
    std::string m_appName;
};

// The application object, or nullptr before it is constructed.
CWinApp* AfxGetApp();

// The program's entry point: starts the toolkit (with its Spanish translations), calls the
// application object's InitInstance and returns the exit status: ExitInstance's, or 1 when a
// window could not be made because the resource script, a dialog template, or a picture or
// control a dialog needs was missing (reported on stderr). The command line is ignored.
int AfxWinMain(int argc, char** argv);

// Shows a message box captioned with the application title (MB_OK, MB_OKCANCEL or MB_YESNO,
// with an MB_ICON... kind) and returns the button chosen: IDOK, IDCANCEL, IDYES or IDNO.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);

// Kept for compatibility with programs of the framework's age; it does nothing.
inline void AfxEnableControlContainer() {}
