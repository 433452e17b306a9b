#include "afx_string.h"

#include "backend/backend.h"
#include "text/number_text.h"

#include <charconv>
#include <cstdarg>

namespace {

template <class Integer>
void AppendInteger(std::string& out, Integer value)
{
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace

void CString::Format(LPCTSTR format, ...)
{
    std::string out;
    va_list arguments;
    va_start(arguments, format);
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        switch (p[1]) {
        case 'g': {
            char buffer[kNumberTextCapacity];
            out.append(buffer, WriteG(buffer, buffer + sizeof buffer, va_arg(arguments, double)));
            break;
        }
        case 's': {
            const char* text = va_arg(arguments, const char*);
            out += text != nullptr ? text : "(null)";
            break;
        }
        case 'd': AppendInteger(out, va_arg(arguments, int)); break;
        case 'u': AppendInteger(out, va_arg(arguments, unsigned int)); break;
        case '%': out += '%'; break;
        case '\0': out += '%'; continue;   // a lone '%' at the end; the loop then stops
        default: out += '%'; continue;     // not understood: copied as it stands
        }
        ++p;
    }
    va_end(arguments);
    m_text = std::move(out);
}

BOOL CString::LoadString(UINT id)
{
    std::optional<std::string> text = backend::StringResource(id);
    m_text = text ? std::move(*text) : std::string();
    return text ? TRUE : FALSE;
}

void AfxFormatString2(CString& result, UINT id, LPCTSTR s1, LPCTSTR s2)
{
    CString format;
    format.LoadString(id);
    const std::string& text = format.str();
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            const LPCTSTR argument = text[++i] == '1' ? s1 : s2;
            out += argument != nullptr ? argument : "";
        } else {
            out += text[i];
        }
    }
    result = CString(std::move(out));
}

void AfxFormatString1(CString& result, UINT id, LPCTSTR s1)
{
    AfxFormatString2(result, id, s1, nullptr);
}
