// The Qt backend's save-file dialog: Qt's own, so that it speaks Spanish on every desktop.

#include "backend/backend.h"
#include "toolkit.h"
#include "window.h"

#include <QFileDialog>

namespace {

// The extension a filter's pattern names ("*.csv": "csv"), or "" for any other pattern.
QString ExtensionOf(const backend::FileFilter& filter)
{
    const QString pattern = FromUtf8(filter.pattern);
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.size() < 3) return {};
    const QString extension = pattern.mid(2);
    for (const QChar c : extension)
        if (!c.isLetterOrNumber()) return {};
    return extension;
}

// Qt reads the patterns from the parentheses that end a filter's name.
QString QtFilterName(const backend::FileFilter& filter)
{
    const QString description = FromUtf8(filter.description);
    const QString pattern = FromUtf8(filter.pattern);
    if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')'))) return description;
    return description + QLatin1String(" (") + pattern + QLatin1Char(')');
}

}  // namespace

namespace backend {

std::optional<SaveFileChoice> AskSaveFileName(HWND owner, const SaveFileRequest& request)
{
    QFileDialog dialog(owner != nullptr ? owner->widget : nullptr);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);

    QStringList names;
    for (const FileFilter& filter : request.filters) names << QtFilterName(filter);
    const auto suffixFor = [&](qsizetype index) {
        const QString extension =
            index >= 0 && index < names.size() ? ExtensionOf(request.filters[static_cast<std::size_t>(index)]) : QString();
        return extension.isEmpty() ? FromUtf8(request.defaultExtension) : extension;
    };
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        const qsizetype first = std::clamp<qsizetype>(request.filterIndex - 1, 0, names.size() - 1);
        dialog.selectNameFilter(names[first]);
        dialog.setDefaultSuffix(suffixFor(first));
    } else {
        dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& name) { dialog.setDefaultSuffix(suffixFor(names.indexOf(name))); });
    if (!request.fileName.empty()) dialog.selectFile(FromUtf8(request.fileName));

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const qsizetype chosen = names.indexOf(dialog.selectedNameFilter());
    const QString path = dialog.selectedFiles().constFirst();
    const bool nameIsText = path.isValidUtf16();   // toStdString would replace a lone surrogate
    return SaveFileChoice{nameIsText ? path.toStdString() : std::string(),
                          chosen >= 0 ? static_cast<int>(chosen) + 1 : request.filterIndex, nameIsText};
}

}  // namespace backend
