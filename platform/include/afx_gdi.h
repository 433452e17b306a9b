#pragma once

// What a device context (CDC) draws with, and images in memory to draw on.

#include "afx_wnd.h"

#include <string>

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
