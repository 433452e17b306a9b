#pragma once

// The conversion the Qt backend uses between the layer's UTF-8 text and Qt's.

#include <QString>

#include <string_view>

// The layer's text (UTF-8, not necessarily nul-terminated) as Qt's.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
