// Painting in the Qt backend: a painter open on a dialog while it handles its paint event, on an
// owner-drawn control while its dialog draws it, or on an image in memory.

#include "backend/backend.h"
#include "dialog_widget.h"
#include "dialog_window.h"
#include "paint_context.h"
#include "resources.h"
#include "toolkit.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

namespace {

QColor ColorOf(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// A pixel's centre: GDI's whole coordinates name pixels, Qt's name the corners between them.
QPointF PixelCentre(const POINT& point)
{
    return QPointF(point.x + 0.5, point.y + 0.5);
}

QFont FontOf(const LOGFONT& description)
{
    QFont font;
    const std::size_t faceLength = strnlen(description.lfFaceName, LF_FACESIZE);
    if (faceLength > 0) {
        font.setFamily(FromUtf8(std::string_view(description.lfFaceName, faceLength)));
    } else {
        switch (description.lfPitchAndFamily & 0xF0) {
        case FF_ROMAN: font.setFamily(QStringLiteral("Serif")); font.setStyleHint(QFont::Serif); break;
        case FF_MODERN: font.setFamily(QStringLiteral("Monospace")); font.setStyleHint(QFont::Monospace); break;
        default: font.setFamily(QStringLiteral("Sans Serif")); font.setStyleHint(QFont::SansSerif); break;
        }
    }
    font.setWeight(description.lfWeight <= 0 ? QFont::Normal
                                             : static_cast<QFont::Weight>(std::clamp<LONG>(description.lfWeight, 1, 1000)));
    font.setItalic(description.lfItalic != 0);
    constexpr int kDefaultEm = 12;
    if (description.lfHeight < 0) {
        font.setPixelSize(static_cast<int>(std::min<LONG>(-description.lfHeight, 100000)));
    } else if (description.lfHeight > 0) {
        // A cell height: the em that gives it, measured on a large probe of the same face.
        constexpr int kProbeEm = 100;
        font.setPixelSize(kProbeEm);
        const double cell = QFontMetricsF(font).height();
        const double em = std::round(std::min<LONG>(description.lfHeight, 100000) * kProbeEm / cell);
        font.setPixelSize(std::max(1, static_cast<int>(em)));
    } else {
        font.setPixelSize(kDefaultEm);
    }
    return font;
}

}  // namespace

namespace backend {

HDC BeginPainting(HWND window)
{
    DialogWindow* dialog = window->AsDialog();
    // A painter may only open on a widget while it handles its paint event.
    if (dialog == nullptr || dialog->currentPaint == nullptr) return nullptr;
    return new HDC__(&dialog->Dialog());
}

void EndPainting(HWND, HDC context)
{
    delete context;
}

bool DrawIconAt(HDC context, int x, int y, HICON icon)
{
    if (!context->painter.isActive()) return false;
    context->painter.drawImage(x, y, icon->large);
    return true;
}

void FillRectangle(HDC context, const RECT& rect, COLORREF color)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    context->painter.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                              ColorOf(color));
}

void DrawPolyline(HDC context, const POINT* points, int count, const Pen& pen)
{
    std::vector<QPointF> centres;
    centres.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) centres.push_back(PixelCentre(points[i]));
    QPainter& painter = context->painter;
    painter.setPen(QPen(ColorOf(pen.color), std::max(pen.width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(centres.data(), count);
}

void DrawEllipse(HDC context, const RECT& bounds, const std::optional<Pen>& outline, COLORREF fill)
{
    QPainter& painter = context->painter;
    painter.setBrush(ColorOf(fill));
    QRectF area(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (outline) {
        painter.setPen(QPen(ColorOf(outline->color), std::max(outline->width, 1)));
        area.adjust(0.5, 0.5, -0.5, -0.5);   // the outline's centre runs through the edge pixels
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawEllipse(area);
    painter.setBrush(Qt::NoBrush);
}

void DrawTextAt(HDC context, int x, int y, std::string_view text, const LOGFONT& font, COLORREF color,
                UINT align)
{
    QPainter& painter = context->painter;
    painter.setFont(FontOf(font));
    painter.setPen(ColorOf(color));
    const QString shown = FromUtf8(text);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double width = metrics.horizontalAdvance(shown);
    double left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left -= width / 2.0;
    else if ((align & TA_CENTER) == TA_RIGHT)
        left -= width;
    double baseline = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        baseline = y;
    else if ((align & TA_BASELINE) == TA_BOTTOM)
        baseline -= metrics.descent();
    else
        baseline += metrics.ascent();
    painter.drawText(QPointF(left, baseline), shown);
}

HBITMAP CreateImage(int width, int height)
{
    auto* image = new (std::nothrow) HBITMAP__;
    if (image == nullptr) return nullptr;
    image->image = QImage(width, height, QImage::Format_RGB32);
    if (image->image.isNull()) {   // Qt could not allocate its pixels
        delete image;
        return nullptr;
    }
    image->image.fill(Qt::white);
    return image;
}

void DestroyImage(HBITMAP image)
{
    delete image;
}

HDC BeginImagePainting(HBITMAP image)
{
    return new HDC__(&image->image);
}

void EndImagePainting(HBITMAP, HDC context)
{
    delete context;
}

COLORREF ImagePixel(HBITMAP image, int x, int y)
{
    const QRgb pixel = image->image.pixel(x, y);
    return RGB(static_cast<BYTE>(qRed(pixel)), static_cast<BYTE>(qGreen(pixel)), static_cast<BYTE>(qBlue(pixel)));
}

std::optional<std::string> EncodePng(HBITMAP image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image->image.save(&buffer, "PNG")) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace backend

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    default: return 0;
    }
}
