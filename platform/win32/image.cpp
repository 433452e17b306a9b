// Images in memory of the Win32 backend: 24-bit top-down DIB sections, drawn on through a
// memory DC, and written as PNG by the Windows Imaging Component's encoder.

#include "backend/backend.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>

namespace {

// The DIB section's description and bits.
DIBSECTION SectionOf(HBITMAP image)
{
    DIBSECTION section{};
    GetObjectW(image, sizeof section, &section);
    return section;
}

// A COM interface pointer released when it goes.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr()
    {
        if (m_pointer != nullptr) m_pointer->Release();
    }
    Interface* operator->() const { return m_pointer; }
    Interface* get() const { return m_pointer; }
    Interface** out() { return &m_pointer; }

private:
    Interface* m_pointer = nullptr;
};

// COM for this thread while alive, when it was not already there.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope()
    {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    // A thread already in the multithreaded apartment may use COM as it is.
    bool Usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

}  // namespace

namespace backend {

HBITMAP CreateImage(int width, int height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;   // top-down: the first row is the top one
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP image = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (image == nullptr || bits == nullptr) return nullptr;
    const DIBSECTION section = SectionOf(image);
    std::memset(bits, 0xFF, static_cast<std::size_t>(section.dsBm.bmWidthBytes) * static_cast<std::size_t>(height));
    return image;
}

void DestroyImage(HBITMAP image)
{
    DeleteObject(image);
}

HDC BeginImagePainting(HBITMAP image)
{
    const HDC context = CreateCompatibleDC(nullptr);
    if (context == nullptr) return nullptr;
    if (SelectObject(context, image) == nullptr) {
        DeleteDC(context);
        return nullptr;
    }
    return context;
}

void EndImagePainting(HBITMAP, HDC context)
{
    // Deleting the DC lets the image go with it.
    DeleteDC(context);
}

COLORREF ImagePixel(HBITMAP image, int x, int y)
{
    GdiFlush();
    const DIBSECTION section = SectionOf(image);
    const auto* row = static_cast<const BYTE*>(section.dsBm.bmBits) +
                      static_cast<std::size_t>(y) * static_cast<std::size_t>(section.dsBm.bmWidthBytes);
    const BYTE* pixel = row + static_cast<std::size_t>(x) * 3;   // blue, green, red
    return RGB(pixel[2], pixel[1], pixel[0]);
}

std::optional<std::string> EncodePng(HBITMAP image)
{
    GdiFlush();
    const DIBSECTION section = SectionOf(image);
    const auto width = static_cast<UINT>(section.dsBm.bmWidth);
    const auto height = static_cast<UINT>(section.dsBm.bmHeight);
    const auto stride = static_cast<UINT>(section.dsBm.bmWidthBytes);
    if (section.dsBm.bmBits == nullptr) return std::nullopt;

    const ComScope com;
    if (!com.Usable()) return std::nullopt;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const bool encoded =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(factory.out()))) &&
        SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out())) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) &&
        SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(frame.out(), options.out())) &&
        SUCCEEDED(frame->Initialize(options.get())) && SUCCEEDED(frame->SetSize(width, height)) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat24bppBGR &&
        SUCCEEDED(frame->WritePixels(height, stride, stride * height, static_cast<BYTE*>(section.dsBm.bmBits))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    if (!encoded) return std::nullopt;

    STATSTG status{};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) || FAILED(GetHGlobalFromStream(stream.get(), &memory)))
        return std::nullopt;
    const void* bytes = GlobalLock(memory);
    if (bytes == nullptr) return std::nullopt;
    std::string png(static_cast<const char*>(bytes), static_cast<std::size_t>(status.cbSize.QuadPart));
    GlobalUnlock(memory);
    return png;
}

}  // namespace backend
