#include "file_save.h"

#include "system/file_write_text.h"
#include "text/ascii_text.h"

bool HasExtension(const std::string& path, const char* extension)
{
    const std::size_t length = std::char_traits<char>::length(extension);
    if (path.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (ascii_text::ToLower(path[path.size() - length + i]) != extension[i]) return false;
    }
    return true;
}

void ReportFileWriteFailure(UINT messageId, const std::string& path, const FileWriteOutcome& outcome)
{
    CString message;
    AfxFormatString2(message, messageId, path.c_str(), FileWriteReasonText(outcome).c_str());
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}
