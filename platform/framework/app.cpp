#include "afxwin.h"

#include "backend/backend.h"
#include "backend/report.h"
#include "framework/hooks.h"

#include <string>

namespace {

CWinApp* g_application = nullptr;

// What kept the window from appearing, in one message box.
void ShowFatalErrors()
{
    std::string text = "Zelmara no ha podido abrir su ventana:\n";
    for (const std::string& message : FatalErrorMessages()) text += "\n- " + message;
    text += "\n\nEs posible que el programa esté dañado: vuelva a instalarlo.";
    AfxMessageBox(text.c_str(), MB_ICONERROR);
}

}  // namespace

CWinApp::CWinApp(LPCTSTR appName) : m_appName(appName != nullptr ? appName : "Zelmara")
{
    m_pszAppName = m_appName.c_str();
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this) g_application = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_application;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (backend::AnyWindowShown()) backend::RunMessageLoop();
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return 0;
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return backend::IconResource(id);
}

void CWinApp::OnHelp()
{
    // The program's help text is the string resource of the help command itself.
    CString help;
    if (!help.LoadString(ID_HELP) || help.IsEmpty()) help = "Este programa no tiene texto de ayuda.";
    AfxMessageBox(help, MB_ICONINFORMATION);
}

int AfxWinMain(int argc, char** argv)
{
    // The toolkit is given the program's name alone: the command line is ignored.
    const std::unique_ptr<backend::Toolkit> toolkit =
        backend::StartToolkit(argc > 0 && argv[0] != nullptr ? argv[0] : "zelmara");
    CWinApp* application = AfxGetApp();
    int status = 1;
    if (application == nullptr)
        ReportFatalError("el programa no tiene objeto de aplicación");
    else
        status = application->InitInstance() ? application->Run() : application->ExitInstance();
    if (!FatalErrorReported()) return status;
    // A window the program needed could not be made: the run failed, whatever the status says.
    ShowFatalErrors();
    return 1;
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    const CWinApp* application = AfxGetApp();
    const std::string caption = application != nullptr ? application->m_pszAppName : "Zelmara";
    const std::string message = text != nullptr ? text : "";
    const platform_hooks::MessageBoxFunction& replacement = platform_hooks::MessageBoxOverride();
    return replacement ? replacement(message, caption, type)
                       : backend::ShowMessageBox(message, caption, type);
}
