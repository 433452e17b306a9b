#pragma once

// CString: the framework's text, UTF-8 inside.

#include "afx_types.h"

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(LPCTSTR text) : m_text(text != nullptr ? text : "") {}
    explicit CString(std::string text) : m_text(std::move(text)) {}

    // Replaces the text with string resource id; FALSE and an empty text when there is none,
    // which is not reported: a program may go on without an optional text.
    BOOL LoadString(UINT id);

    // Replaces the text with format filled in from the arguments. Understands %g (a double,
    // written as printf's "%g" in the C locale whatever the process locale), %s (UTF-8 text),
    // %d (int), %u (unsigned) and %%; any other directive is copied as it stands and takes no
    // argument.
    [[gnu::format(printf, 2, 3)]] void Format(LPCTSTR format, ...);

    BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
    void Empty() { m_text.clear(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    LPCTSTR GetString() const { return m_text.c_str(); }
    operator LPCTSTR() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator=(LPCTSTR text) { m_text = text != nullptr ? text : ""; return *this; }
    CString& operator+=(std::string_view text) { m_text += text; return *this; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, LPCTSTR b) { return a.m_text == (b != nullptr ? b : ""); }

private:
    std::string m_text;
};

// result becomes string resource id with every "%1" replaced by s1 (and "%2" by s2); empty
// when there is no such string.
void AfxFormatString1(CString& result, UINT id, LPCTSTR s1);
void AfxFormatString2(CString& result, UINT id, LPCTSTR s1, LPCTSTR s2);
