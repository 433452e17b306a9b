#pragma once

// The save-file and open-file dialogs.

#include "afx_string.h"
#include "afx_types.h"

#include <string>

#ifdef _WIN32
#include <commdlg.h>
#else
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
#endif

class CWnd;

// The system's save-file or open-file dialog, in Spanish.
class CFileDialog {
public:
    // bOpenFileDialog TRUE: the open form, where the user chooses an existing file (the flags
    // and the other arguments but filter are not used). FALSE: the save form; defaultExtension
    // (without the dot) is given to a typed name without one when the chosen filter names no
    // single extension; fileName is the name proposed. With OFN_OVERWRITEPROMPT the user is
    // asked before an existing file is replaced. filter is the framework's form: pairs of a
    // description and a pattern, each ended by '|', the list by one more '|':
    // "Texto (*.txt)|*.txt|Todos (*.*)|*.*||"; a pattern may list several, split by ';'.
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                CWnd* parentWnd = nullptr);

    // Shows the dialog and waits: IDOK when the user chose a file, IDCANCEL otherwise (and
    // after a message box when the name chosen has no UTF-8 form).
    INT_PTR DoModal();

    // After IDOK: the file chosen (UTF-8; the save form's with the extension the dialog
    // added), and the filter chosen, from 1.
    CString GetPathName() const { return CString(m_pathName); }
    int GetFilterIndex() const { return m_filterIndex; }

private:
    INT_PTR AskOpenFile();

    bool m_openForm;
    std::string m_defaultExtension;
    std::string m_fileName;
    DWORD m_flags;
    std::string m_filter;
    CWnd* m_pParentWnd;
    std::string m_pathName;
    int m_filterIndex = 1;
};
