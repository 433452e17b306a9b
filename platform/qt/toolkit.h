#pragma once

// Starting Qt the way the program runs, and the conversions the layer shares between its own
// UTF-8 text and Qt's.

#include <QApplication>
#include <QString>

#include <memory>
#include <string_view>

// One QApplication, Qt's own texts in Spanish, Spanish as the default locale, and no quitting
// when a window closes (the program ends when its application object says so).
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv);

// The layer's text (UTF-8, not necessarily nul-terminated) as Qt's.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
