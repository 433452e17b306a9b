#pragma once

// Device contexts (CDC), what they draw with, and images in memory to draw on.

#include "afx_string.h"
#include "afx_types.h"

#include <string>

class CPen;
class CBrush;
class CFont;
class CWnd;

// A device context: where a window or an image is painted. Coordinates are whole pixels from
// the context's top-left corner: a one-pixel line through (x, y) covers pixel (x, y), and a
// shape from (x1, y1) to (x2, y2) lies within pixels x1 ... x2 - 1, y1 ... y2 - 1. Edges may be
// smoothed (antialiased) by the backend. The pen, brush, font, text colour and
// alignment chosen are this object's, not the context's: another CDC on the same context starts
// from the defaults (a black one-pixel solid pen, a white brush, a 12-pixel sans-serif font,
// black text, TA_LEFT | TA_TOP).
class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    ~CDC() = default;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }

    // Draws on hDC (WM_DRAWITEM's, say, or an image's) until Detach; FALSE when this object
    // has a context already or hDC is nullptr. The context stays its maker's.
    BOOL Attach(HDC hDC);
    HDC Detach();

    // Draws the icon's 32 pixel image with its top-left corner at x, y. FALSE when there is
    // nothing to draw on or no icon.
    BOOL DrawIcon(int x, int y, HICON icon);

    // Choose what the drawing functions below use, and return the previous choice, only to
    // select it back; nullptr stands for the default. What the object describes is copied when
    // it is selected: changing or destroying it later changes nothing here.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    // Return the previous colour or alignment.
    COLORREF SetTextColor(COLORREF color);
    // One of TA_LEFT, TA_CENTER, TA_RIGHT with one of TA_TOP, TA_BASELINE, TA_BOTTOM.
    UINT SetTextAlign(UINT flags);

    // Fills the pixels from left, top to right - 1, bottom - 1 with color.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    // Joins count points (at least 2) with the pen: round joins and ends.
    BOOL Polyline(const POINT* points, int count);
    // The ellipse within x1, y1 ... x2, y2 (right and bottom edges excluded), filled with the
    // brush and outlined with the pen (nothing with a PS_NULL pen).
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    // The text (UTF-8, one line) in the font and text colour, its alignment point at x, y. Only
    // the glyphs are drawn: what lies behind them shows through.
    BOOL TextOut(int x, int y, const CString& text);

private:
    CPen* m_pen = nullptr;
    CBrush* m_brush = nullptr;
    CFont* m_font = nullptr;
    int m_penStyle = PS_SOLID;
    int m_penWidth = 1;
    COLORREF m_penColor = RGB(0, 0, 0);
    COLORREF m_brushColor = RGB(255, 255, 255);
    LOGFONT m_logFont;
    COLORREF m_textColor = RGB(0, 0, 0);
    UINT m_textAlign = TA_LEFT | TA_TOP;
};

// The paint context of a window while it handles WM_PAINT. Outside WM_PAINT it has no device
// (GetSafeHdc() is nullptr) and drawing does nothing.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();

private:
    HWND m_window;
};

// A pen: PS_SOLID of a width in pixels and a colour, or PS_NULL, which draws nothing.
class CPen {
public:
    CPen() = default;
    CPen(int penStyle, int width, COLORREF color);

    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = RGB(0, 0, 0);
};

// A solid brush: what fills shapes.
class CBrush {
public:
    explicit CBrush(COLORREF color) : m_color(color) {}

    COLORREF m_color;
};

// A font, described as the system's font chooser takes it.
class CFont {
public:
    // Takes the description; FALSE for a face name without its terminating nul.
    BOOL CreateFontIndirect(const LOGFONT* logFont);

    LOGFONT m_logFont{};
};

// An image in memory, white when made, that a CDC draws on and that can be written as PNG.
class CImage {
public:
    CImage() = default;
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;
    ~CImage();

    // Makes a width x height image (each 1 ... 16384 pixels) of 24 bits per pixel, the only
    // depth taken. FALSE when this object has an image already, for another size or depth, or
    // when memory runs out.
    BOOL Create(int width, int height, int bitsPerPixel);
    void Destroy();
    BOOL IsNull() const { return m_hBitmap == nullptr; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // A paint context on the image, until ReleaseDC; a second GetDC before it gives the same
    // context. nullptr when there is no image.
    HDC GetDC();
    void ReleaseDC();

    // The colour of pixel x, y; 0 (black) outside the image or when there is none.
    COLORREF GetPixel(int x, int y) const;

    // The image as the bytes of a PNG file; FALSE (png empty) when there is no image, a paint
    // context is open on it or it cannot be encoded.
    BOOL SavePng(std::string& png) const;

    static constexpr int kMaxSide = 16384;

private:
    HBITMAP m_hBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    HDC m_hDC = nullptr;
    int m_dcCount = 0;
};
