#pragma once

#include "afxwin.h"
#include "core/coefficient_set.h"
#include "resource.h"

#include <string>

// "Exportar a un campo de fuerza": V1 ... V6 written in the convention of the format chosen,
// for the four atom types typed, as zelmara-scan --export writes them; the text can be copied
// and saved. What the convention cannot hold is said in place of the text.
class CForceFieldExportDlg : public CDialog {
public:
    // V: coefficients the main window has validated.
    explicit CForceFieldExportDlg(const CoefficientSet& V, CWnd* pParent = nullptr);

    enum { IDD = IDD_FORCE_FIELD_EXPORT };

protected:
    CComboBox m_format;      // the ten conventions, in ExportFormat's order
    CoefficientSet m_V;
    std::string m_text;      // the text shown, when the export succeeded
    std::string m_refusal;   // why there is no text: the writer's line, or the types' message

    void DoDataExchange(CDataExchange* pDX) override;
    // Fills the format list (the first chosen) and the types ("X X X X"), and shows the text.
    BOOL OnInitDialog() override;

    // The format or the types changed: the text is written again.
    afx_msg void OnFormatChange();
    afx_msg void OnTypesChange();
    // The text to the clipboard; with no text, says why instead.
    afx_msg void OnCopy();
    // Asks for a file, with the format's file type first, and writes the text there; with no
    // text, says why instead. A failure is reported and changes no file.
    afx_msg void OnSave();

    DECLARE_MESSAGE_MAP()

private:
    // Writes the text for the chosen format and the typed types into m_text or m_refusal, and
    // shows it.
    void ShowExport();
    // Shows m_refusal in a warning box when there is no text; true when there is one.
    bool HasText();
};
