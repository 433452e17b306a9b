#include "afxwin.h"

#include "hooks.h"
#include "report.h"
#include "resources.h"
#include "toolkit.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

namespace {

CWinApp* g_application = nullptr;

int ShowMessageBox(const std::string& text, const std::string& caption, UINT type)
{
    if (qApp == nullptr) {
        ReportError(caption + ": " + text);
        return IDOK;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (type & 0xF0) {
    case MB_ICONERROR: icon = QMessageBox::Critical; break;
    case MB_ICONQUESTION: icon = QMessageBox::Question; break;
    case MB_ICONEXCLAMATION: icon = QMessageBox::Warning; break;
    case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (type & 0x0F) {
    case MB_OKCANCEL: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MB_YESNO: buttons = QMessageBox::Yes | QMessageBox::No; break;
    default: break;
    }
    QMessageBox box(icon, FromUtf8(caption), FromUtf8(text), buttons, QApplication::activeModalWidget());
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}

}  // namespace

std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv)
{
    auto application = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(spanish);
    auto* translator = new QTranslator(application.get());
    if (translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        ReportError("no se encuentran las traducciones de Qt al español (qtbase_es)");
    return application;
}

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
    bool windowShown = false;
    for (const QWidget* window : QApplication::topLevelWidgets()) windowShown |= window->isVisible();
    if (windowShown) {
        QApplication::setQuitOnLastWindowClosed(true);
        QApplication::exec();
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return 0;
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return resources::LoadIcon(static_cast<int>(id));
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
    CWinApp* application = AfxGetApp();
    if (application == nullptr) {
        ReportFatalError("el programa no tiene objeto de aplicación");
        return 1;
    }
    // Qt is given the program's name alone: the command line is ignored.
    static char defaultName[] = "zelmara";
    char* toolkitArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : defaultName, nullptr};
    int toolkitArgc = 1;
    const std::unique_ptr<QApplication> toolkit = StartToolkit(toolkitArgc, toolkitArgv);
    const int status = application->InitInstance() ? application->Run() : application->ExitInstance();
    // A window the program needed could not be made: the run failed, whatever the status says.
    return FatalErrorReported() ? 1 : status;
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    const CWinApp* application = AfxGetApp();
    const std::string caption = application != nullptr ? application->m_pszAppName : "Zelmara";
    const std::string message = text != nullptr ? text : "";
    const platform_hooks::MessageBoxFunction& replacement = platform_hooks::MessageBoxOverride();
    return replacement ? replacement(message, caption, type) : ShowMessageBox(message, caption, type);
}
