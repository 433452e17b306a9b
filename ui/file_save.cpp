#include "file_save.h"

#include "resource.h"

namespace {

UINT ReasonText(FileWriteError error)
{
    switch (error) {
    case FileWriteError::NoFolder: return IDS_SAVE_NO_FOLDER;
    case FileWriteError::NoPermission: return IDS_SAVE_NO_PERMISSION;
    case FileWriteError::IsFolder: return IDS_SAVE_IS_FOLDER;
    case FileWriteError::NoSpace: return IDS_SAVE_NO_SPACE;
    case FileWriteError::TooLarge: return IDS_SAVE_TOO_LARGE;
    case FileWriteError::ReadOnly: return IDS_SAVE_READ_ONLY;
    case FileWriteError::NoMemory: return IDS_SAVE_NO_MEMORY;
    case FileWriteError::None:
    case FileWriteError::Other: break;
    }
    return IDS_SAVE_OTHER;
}

}  // namespace

bool HasExtension(const std::string& path, const char* extension)
{
    const std::size_t length = std::char_traits<char>::length(extension);
    if (path.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = path[path.size() - length + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != extension[i]) return false;
    }
    return true;
}

void ReportFileWriteFailure(UINT messageId, const std::string& path, const FileWriteOutcome& outcome)
{
    CString reason;
    if (outcome.error == FileWriteError::Other)
        AfxFormatString1(reason, IDS_SAVE_OTHER, std::to_string(outcome.systemError.value()).c_str());
    else
        reason.LoadString(ReasonText(outcome.error));
    CString message;
    AfxFormatString2(message, messageId, path.c_str(), reason);
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}
