// A program whose InitInstance meets one failure, named by the first argument, then returns
// FALSE as a dialog program does after its dialog. AfxWinMain must end with status 1 when a
// window could not be made (a missing template, a picture a dialog needs, a control the
// exchange names or cannot attach), and with 0 after a miss the program goes on from (a
// missing string or icon). A window that could not be made is also told in one message box that
// names what failed. The probe exits 0 when the failure went as expected and AfxWinMain's status
// and message boxes are the ones expected; any other status names what went wrong. The missing
// picture is tried on the Qt backend only, which builds a template of the probe's own.

#include "afxcmn.h"
#include "afxwin.h"
#include "backend/report.h"
#include "framework/hooks.h"
#include "resource.h"

#ifndef _WIN32
#include "qt/dialog_builder.h"
#include "qt/dialog_window.h"
#include "resource_script/window_styles.h"
#endif

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// The main template, with an exchange that names a control the template lacks.
class CMissingControlDlg : public CDialog {
public:
    CMissingControlDlg() : CDialog(IDD_MAIN_DIALOG) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 4242, m_value); }

private:
    double m_value = 0.0;
};

// The main template, with an exchange that attaches two objects to the same list.
class CDoubleAttachDlg : public CDialog {
public:
    CDoubleAttachDlg() : CDialog(IDD_MAIN_DIALOG) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_RESULTS, m_first);
        DDX_Control(pDX, IDC_RESULTS, m_second);
    }

private:
    CListCtrl m_first;
    CListCtrl m_second;
};

#ifndef _WIN32
// A template whose only control shows a bitmap the resources lack.
bool BuildWithMissingPicture()
{
    resource::DialogTemplate dialogTemplate;
    dialogTemplate.id = 4000;
    dialogTemplate.rect = {0, 0, 100, 50};
    resource::ControlTemplate picture;
    picture.className = "Static";
    picture.style = window_styles::WS_VISIBLE | window_styles::SS_BITMAP;
    picture.textResource = 4040;
    dialogTemplate.controls.push_back(picture);
    return BuildDialogWindow(dialogTemplate, nullptr) == nullptr;
}
#endif

struct Case {
    std::function<bool()> fails;   // true when the failure happened as it should
    int status;                    // AfxWinMain's expected status
};

const std::map<std::string, Case> kCases = {
    {"missing-template", {[] { return CDialog(9999).DoModal() == -1; }, 1}},
#ifndef _WIN32
    {"missing-picture", {BuildWithMissingPicture, 1}},
#endif
    {"missing-control", {[] { return CMissingControlDlg().DoModal() == -1; }, 1}},
    {"unattachable-control", {[] { return CDoubleAttachDlg().DoModal() == -1; }, 1}},
    {"missing-string-and-icon",
     {[] {
          CString text;
          return !text.LoadString(4321) && AfxGetApp()->LoadIcon(777) == nullptr;
      },
      0}},
};

class CProbeApp : public CWinApp {
public:
    const Case* probe = nullptr;
    bool failedAsExpected = false;

    BOOL InitInstance() override
    {
        failedAsExpected = probe->fails();
        return FALSE;
    }
};

CProbeApp theProbeApp;

}  // namespace

int main(int argc, char** argv)
{
    const auto found = argc == 2 ? kCases.find(argv[1]) : kCases.end();
    if (found == kCases.end()) {
        std::fprintf(stderr, "usage: winmain_failure_probe CASE\n");
        return 10;
    }
    theProbeApp.probe = &found->second;
    std::vector<std::string> boxes;
    platform_hooks::MessageBoxOverride() = [&boxes](const std::string& text, const std::string&, UINT) {
        boxes.push_back(text);
        return IDOK;
    };
    const int status = AfxWinMain(argc, argv);
    if (!theProbeApp.failedAsExpected) {
        std::fprintf(stderr, "%s: the failure did not happen as expected\n", argv[1]);
        return 11;
    }
    if (status != found->second.status) {
        std::fprintf(stderr, "%s: AfxWinMain returned %d, not %d\n", argv[1], status,
                     found->second.status);
        return 12;
    }
    const bool fatal = found->second.status == 1;
    bool boxNamesTheFailures = boxes.size() == (fatal ? 1u : 0u);
    for (const std::string& message : FatalErrorMessages())
        boxNamesTheFailures = boxNamesTheFailures && boxes[0].find(message) != std::string::npos;
    if (!boxNamesTheFailures || (fatal && !boxes[0].starts_with("Zelmara no ha podido abrir su ventana:"))) {
        std::fprintf(stderr, "%s: %zu message boxes, not %d naming what failed\n", argv[1], boxes.size(), fatal ? 1 : 0);
        return 13;
    }
    return 0;
}
