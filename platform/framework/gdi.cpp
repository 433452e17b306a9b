#include "afxwin.h"

#include "backend/backend.h"

#include <cstring>
#include <optional>
#include <utility>

namespace {

// The font a CDC starts with: a 12-pixel sans-serif face.
LOGFONT DefaultFont()
{
    LOGFONT font{};
    font.lfHeight = -12;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    return font;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* window) : m_window(window != nullptr ? window->m_hWnd : nullptr)
{
    if (m_window != nullptr) m_hDC = backend::BeginPainting(m_window);
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr) backend::EndPainting(m_window, m_hDC);
}

CDC::CDC() : m_logFont(DefaultFont()) {}

BOOL CDC::Attach(HDC hDC)
{
    if (m_hDC != nullptr || hDC == nullptr) return FALSE;
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    const HDC hDC = m_hDC;
    m_hDC = nullptr;
    return hDC;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (m_hDC == nullptr || icon == nullptr) return FALSE;
    return backend::DrawIconAt(m_hDC, x, y, icon) ? TRUE : FALSE;
}

CPen* CDC::SelectObject(CPen* pen)
{
    const CPen chosen = pen != nullptr ? *pen : CPen();
    m_penStyle = chosen.m_style;
    m_penWidth = chosen.m_width;
    m_penColor = chosen.m_color;
    CPen* previous = m_pen;
    m_pen = pen;
    return previous;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    m_brushColor = brush != nullptr ? brush->m_color : RGB(255, 255, 255);
    CBrush* previous = m_brush;
    m_brush = brush;
    return previous;
}

CFont* CDC::SelectObject(CFont* font)
{
    m_logFont = font != nullptr ? font->m_logFont : DefaultFont();
    CFont* previous = m_font;
    m_font = font;
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF previous = m_textColor;
    m_textColor = color;
    return previous;
}

UINT CDC::SetTextAlign(UINT flags)
{
    const UINT previous = m_textAlign;
    m_textAlign = flags;
    return previous;
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (m_hDC != nullptr && rect != nullptr) backend::FillRectangle(m_hDC, *rect, color);
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (m_hDC == nullptr || points == nullptr || count < 2) return FALSE;
    if (m_penStyle != PS_NULL)
        backend::DrawPolyline(m_hDC, points, count, backend::Pen{m_penColor, m_penWidth});
    return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    if (m_hDC == nullptr) return FALSE;
    std::optional<backend::Pen> outline;
    if (m_penStyle != PS_NULL) outline = backend::Pen{m_penColor, m_penWidth};
    backend::DrawEllipse(m_hDC, RECT{x1, y1, x2, y2}, outline, m_brushColor);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    if (m_hDC == nullptr) return FALSE;
    backend::DrawTextAt(m_hDC, x, y, text.str(), m_logFont, m_textColor, m_textAlign);
    return TRUE;
}

CPen::CPen(int penStyle, int width, COLORREF color)
    : m_style(penStyle == PS_NULL ? PS_NULL : PS_SOLID), m_width(width < 1 ? 1 : width), m_color(color)
{
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (logFont == nullptr || std::memchr(logFont->lfFaceName, '\0', LF_FACESIZE) == nullptr) return FALSE;
    m_logFont = *logFont;
    return TRUE;
}

CImage::~CImage()
{
    Destroy();
}

BOOL CImage::Create(int width, int height, int bitsPerPixel)
{
    if (m_hBitmap != nullptr || bitsPerPixel != 24 || width < 1 || height < 1 || width > kMaxSide ||
        height > kMaxSide)
        return FALSE;
    m_hBitmap = backend::CreateImage(width, height);
    if (m_hBitmap == nullptr) return FALSE;
    m_width = width;
    m_height = height;
    return TRUE;
}

void CImage::Destroy()
{
    if (m_hBitmap == nullptr) return;
    if (m_hDC != nullptr) backend::EndImagePainting(m_hBitmap, m_hDC);
    backend::DestroyImage(m_hBitmap);
    m_hBitmap = nullptr;
    m_hDC = nullptr;
    m_dcCount = 0;
    m_width = m_height = 0;
}

HDC CImage::GetDC()
{
    if (m_hBitmap == nullptr) return nullptr;
    if (m_hDC == nullptr) m_hDC = backend::BeginImagePainting(m_hBitmap);
    if (m_hDC != nullptr) ++m_dcCount;
    return m_hDC;
}

void CImage::ReleaseDC()
{
    if (m_hDC == nullptr || --m_dcCount > 0) return;
    backend::EndImagePainting(m_hBitmap, m_hDC);
    m_hDC = nullptr;
}

COLORREF CImage::GetPixel(int x, int y) const
{
    if (m_hBitmap == nullptr || x < 0 || y < 0 || x >= m_width || y >= m_height) return RGB(0, 0, 0);
    return backend::ImagePixel(m_hBitmap, x, y);
}

BOOL CImage::SavePng(std::string& png) const
{
    png.clear();
    if (m_hBitmap == nullptr || m_hDC != nullptr) return FALSE;
    std::optional<std::string> encoded = backend::EncodePng(m_hBitmap);
    if (!encoded) return FALSE;
    png = std::move(*encoded);
    return TRUE;
}
