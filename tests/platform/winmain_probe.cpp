// A program with its own application object whose InitInstance returns FALSE: AfxWinMain must
// call it once, with Qt started in Spanish and the command line ignored, and end with status 0.
// Any other status comes from a failed check below or from Qt refusing the command line.

#include "afxwin.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

namespace {

class CProbeApp : public CWinApp {
public:
    int calls = 0;
    bool spanish = false;
    bool commandLineIgnored = false;

    BOOL InitInstance() override
    {
        ++calls;
        spanish = QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancelar";
        commandLineIgnored = QCoreApplication::arguments().size() == 1;
        return FALSE;
    }
};

CProbeApp theProbeApp;

}  // namespace

int Refuse(const char* why, int status)
{
    std::fprintf(stderr, "%s\n", why);
    return status;
}

int main(int argc, char** argv)
{
    const int status = AfxWinMain(argc, argv);
    if (theProbeApp.calls != 1) return Refuse("InitInstance was not called exactly once", 10);
    if (!theProbeApp.spanish) return Refuse("Qt's texts are not Spanish", 11);
    if (!theProbeApp.commandLineIgnored) return Refuse("Qt saw the command line", 12);
    if (qApp != nullptr) return Refuse("QApplication outlived AfxWinMain", 13);
    return status;
}
