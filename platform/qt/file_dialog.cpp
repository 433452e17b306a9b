// The Qt backend's save-file and open-file dialogs: Qt's own, so that they speak Spanish on
// every desktop.

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

// Qt reads the patterns from the parentheses that end a filter's name, split by spaces where
// Windows splits them by ';'; and its "*.*" leaves out the names without a dot that Windows'
// takes in, so that becomes "*".
QString QtFilterName(const backend::FileFilter& filter)
{
    QString description = FromUtf8(filter.description);
    const QString pattern = FromUtf8(filter.pattern);
    const QString shown = QLatin1Char('(') + pattern + QLatin1Char(')');
    if (description.endsWith(shown)) description.chop(shown.size());
    description = description.trimmed();
    QString patterns = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return description + QLatin1String(" (") + patterns + QLatin1Char(')');
}

QStringList QtFilterNames(const std::vector<backend::FileFilter>& filters)
{
    QStringList names;
    for (const backend::FileFilter& filter : filters) names << QtFilterName(filter);
    return names;
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

    const QStringList names = QtFilterNames(request.filters);
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

std::optional<OpenFileChoice> AskOpenFileName(HWND owner, const OpenFileRequest& request)
{
    QFileDialog dialog(owner != nullptr ? owner->widget : nullptr);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList names = QtFilterNames(request.filters);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        dialog.selectNameFilter(names[std::clamp<qsizetype>(request.filterIndex - 1, 0, names.size() - 1)]);
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const qsizetype chosen = names.indexOf(dialog.selectedNameFilter());
    const QString path = dialog.selectedFiles().constFirst();
    const bool nameIsText = path.isValidUtf16();
    return OpenFileChoice{nameIsText ? path.toStdString() : std::string(),
                          chosen >= 0 ? static_cast<int>(chosen) + 1 : request.filterIndex, nameIsText};
}

}  // namespace backend
