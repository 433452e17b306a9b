// Check boxes in the Win32 backend: the system's BS_AUTOCHECKBOX button.

#include "backend/backend.h"

namespace backend {

bool IsButtonChecked(HWND button)
{
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetButtonChecked(HWND button, bool checked)
{
    SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace backend
