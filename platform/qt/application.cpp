// The Qt backend's start-up, message loop and message boxes.

#include "backend/backend.h"
#include "backend/report.h"
#include "toolkit.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

#include <string>

namespace {

// QApplication keeps argc and argv by reference: they live here, next to it.
class QtToolkit final : public backend::Toolkit {
public:
    explicit QtToolkit(const char* programName) : m_name(programName)
    {
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }

private:
    std::string m_name;
    char* m_argv[2] = {m_name.data(), nullptr};
    int m_argc = 1;
    std::unique_ptr<QApplication> m_application;
};

}  // namespace

namespace backend {

std::unique_ptr<Toolkit> StartToolkit(const char* programName)
{
    auto toolkit = std::make_unique<QtToolkit>(programName);
    QApplication::setQuitOnLastWindowClosed(false);
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(spanish);
    auto* translator = new QTranslator(qApp);
    if (translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        ReportError("no se encuentran las traducciones de Qt al español (qtbase_es)");
    return toolkit;
}

bool AnyWindowShown()
{
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) return true;
    return false;
}

void RunMessageLoop()
{
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::exec();
}

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

}  // namespace backend
