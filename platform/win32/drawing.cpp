// The drawing of the Win32 backend: GDI on the paint context a window or an image gives.

#include "backend/backend.h"
#include "text.h"

#include <cstring>

namespace {

// A GDI object selected into context while alive, then put back and deleted.
class Selected {
public:
    Selected(HDC context, HGDIOBJ object) : m_context(context), m_object(object), m_previous(SelectObject(context, object)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected()
    {
        SelectObject(m_context, m_previous);
        DeleteObject(m_object);   // a stock object ignores it
    }

private:
    HDC m_context;
    HGDIOBJ m_object;
    HGDIOBJ m_previous;
};

HPEN PenOf(const backend::Pen& pen)
{
    // A solid pen wider than a pixel is geometric, with round ends and joins.
    return CreatePen(PS_SOLID, pen.width < 1 ? 1 : pen.width, pen.color);
}

// The layer's description (UTF-8 face) as the wide API takes it; 0 height is a 12-pixel em.
LOGFONTW WideFont(const LOGFONT& font)
{
    LOGFONTW wide{};
    wide.lfHeight = font.lfHeight != 0 ? font.lfHeight : -12;
    wide.lfWidth = font.lfWidth;
    wide.lfEscapement = font.lfEscapement;
    wide.lfOrientation = font.lfOrientation;
    wide.lfWeight = font.lfWeight;
    wide.lfItalic = font.lfItalic;
    wide.lfUnderline = font.lfUnderline;
    wide.lfStrikeOut = font.lfStrikeOut;
    wide.lfCharSet = font.lfCharSet;
    wide.lfOutPrecision = font.lfOutPrecision;
    wide.lfClipPrecision = font.lfClipPrecision;
    wide.lfQuality = font.lfQuality;
    wide.lfPitchAndFamily = font.lfPitchAndFamily;
    // An empty face leaves the choice to the font mapper, by the family asked for.
    const std::size_t length = strnlen(font.lfFaceName, LF_FACESIZE);
    win32_text::CopyWide(std::string_view(font.lfFaceName, length), wide.lfFaceName, LF_FACESIZE);
    return wide;
}

}  // namespace

namespace backend {

void FillRectangle(HDC context, const RECT& rect, COLORREF color)
{
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(context, &rect, brush);
    DeleteObject(brush);
}

void DrawPolyline(HDC context, const POINT* points, int count, const Pen& pen)
{
    if (points == nullptr || count < 2) return;
    const Selected selected(context, PenOf(pen));
    Polyline(context, points, count);
}

void DrawEllipse(HDC context, const RECT& bounds, const std::optional<Pen>& outline, COLORREF fill)
{
    // Without an outline, a one-pixel pen of the fill's colour: with no pen at all GDI leaves
    // out the right and bottom edges on Windows, but not under Wine.
    const Selected brush(context, CreateSolidBrush(fill));
    const Selected pen(context, PenOf(outline.value_or(Pen{fill, 1})));
    Ellipse(context, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

void DrawTextAt(HDC context, int x, int y, std::string_view text, const LOGFONT& font, COLORREF color, UINT align)
{
    const LOGFONTW description = WideFont(font);
    const Selected selected(context, CreateFontIndirectW(&description));
    const UINT previousAlign = SetTextAlign(context, align);
    const COLORREF previousColor = SetTextColor(context, color);
    const int previousMode = SetBkMode(context, TRANSPARENT);
    const std::wstring wide = win32_text::Wide(text);
    TextOutW(context, x, y, wide.c_str(), static_cast<int>(wide.size()));
    SetBkMode(context, previousMode);
    SetTextColor(context, previousColor);
    SetTextAlign(context, previousAlign);
}

}  // namespace backend
