// The Qt backend's clipboard: text kept as the UTF-8 bytes the program made.

#include "backend/backend.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <new>

namespace {

// Plain text held as the program's UTF-8 string: Qt's own text data would keep it as UTF-16,
// twice the bytes, on top of the string it was made from. A reader (a paste, here or in
// another program) gets its own copy of the bytes, which it may keep after the clipboard has
// changed and this object has gone.
class Utf8Text final : public QMimeData {
public:
    explicit Utf8Text(std::string text) : m_text(std::move(text)) {}

    QStringList formats() const override { return {kUtf8Format, kPlainFormat}; }
    bool hasFormat(const QString& format) const override
    {
        return format == kUtf8Format || format == kPlainFormat;
    }

protected:
    QVariant retrieveData(const QString& format, QMetaType) const override
    {
        if (!hasFormat(format)) return {};
        // Qt turns the bytes into a QString itself when a reader asks for one.
        return QByteArray(m_text.data(), static_cast<qsizetype>(m_text.size()));
    }

private:
    static inline const QString kUtf8Format = QStringLiteral("text/plain;charset=utf-8");
    static inline const QString kPlainFormat = QStringLiteral("text/plain");
    std::string m_text;
};

}  // namespace

namespace backend {

bool SetClipboardText(HWND, std::string text)
{
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr) return false;
    try {
        clipboard->setMimeData(new Utf8Text(std::move(text)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace backend
