// The backend-free half of the test driver: message boxes and the queue of dialog drivers.

#include "testing/test_driver.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace test_driver {

namespace {

std::function<void(const std::string&)>& FailureHandler()
{
    static std::function<void(const std::string&)> handler;
    return handler;
}

}  // namespace

void SetFailureHandler(std::function<void(const std::string& what)> handler)
{
    FailureHandler() = std::move(handler);
}

void ReportFailure(const std::string& what)
{
    if (FailureHandler()) {
        FailureHandler()(what);
        return;
    }
    std::fprintf(stderr, "test driver: %s\n", what.c_str());
    std::abort();
}

MessageBoxRecorder::MessageBoxRecorder(int answer)
{
    platform_hooks::MessageBoxOverride() = [this, answer](const std::string& text,
                                                          const std::string& caption, UINT type) {
        m_calls.push_back({text, caption, type});
        return answer;
    };
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    platform_hooks::MessageBoxOverride() = nullptr;
}

SaveFileDialogRecorder::SaveFileDialogRecorder(std::optional<std::string> path, int filterIndex)
{
    platform_hooks::SaveFileDialogOverride() =
        [this, path, filterIndex](const backend::SaveFileRequest& request) -> std::optional<backend::SaveFileChoice> {
        m_requests.push_back(request);
        if (!path) return std::nullopt;
        return backend::SaveFileChoice{*path, filterIndex, true};
    };
}

SaveFileDialogRecorder::SaveFileDialogRecorder(backend::SaveFileChoice choice)
{
    platform_hooks::SaveFileDialogOverride() = [this, choice](const backend::SaveFileRequest& request) {
        m_requests.push_back(request);
        return std::optional<backend::SaveFileChoice>(choice);
    };
}

SaveFileDialogRecorder::~SaveFileDialogRecorder()
{
    platform_hooks::SaveFileDialogOverride() = nullptr;
}

OpenFileDialogRecorder::OpenFileDialogRecorder(std::optional<std::string> path, int filterIndex)
{
    platform_hooks::OpenFileDialogOverride() =
        [this, path, filterIndex](const backend::OpenFileRequest& request) -> std::optional<backend::OpenFileChoice> {
        m_requests.push_back(request);
        if (!path) return std::nullopt;
        return backend::OpenFileChoice{*path, filterIndex, true};
    };
}

OpenFileDialogRecorder::~OpenFileDialogRecorder()
{
    platform_hooks::OpenFileDialogOverride() = nullptr;
}

void WhenNextDialogShown(std::function<void(CDialog& dialog)> driver)
{
    platform_hooks::PendingDialogDrivers().push_back(std::move(driver));
}

INT_PTR RunDriven(CDialog& dlg, std::function<void(CDialog& dialog)> driver)
{
    WhenNextDialogShown(std::move(driver));
    return dlg.DoModal();
}

int PendingDialogDrivers()
{
    return static_cast<int>(platform_hooks::PendingDialogDrivers().size());
}

void ClearDialogDrivers()
{
    platform_hooks::PendingDialogDrivers().clear();
}

bool IsChecked(const CWnd& dialog, int id)
{
    LetEventsRun();
    const HWND box = dialog.m_hWnd != nullptr ? backend::FindControl(dialog.m_hWnd, id) : nullptr;
    if (box == nullptr) {
        ReportFailure("no control " + std::to_string(id));
        return false;
    }
    return backend::IsButtonChecked(box);
}

bool IsEnabled(const CWnd& dialog, int id)
{
    LetEventsRun();
    const HWND control = dialog.m_hWnd != nullptr ? backend::FindControl(dialog.m_hWnd, id) : nullptr;
    if (control == nullptr) {
        ReportFailure("no control " + std::to_string(id));
        return false;
    }
    return backend::IsControlEnabled(control);
}

int TakeDialogsLeftOpen()
{
    return std::exchange(platform_hooks::DialogsLeftOpenByDrivers(), 0);
}

}  // namespace test_driver
