#include "resources.h"

#include "backend/backend.h"
#include "backend/report.h"
#include "toolkit.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <map>
#include <memory>
#include <optional>

namespace resources {

namespace {

const QString kResourceFolder = QStringLiteral(":/res/");

std::optional<std::string> ReadEmbedded(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
}

// The embedded path of a file the script names: relative to the script's folder, or by its
// bare name in that folder.
QString PicturePath(const std::string& fileName)
{
    QString name = FromUtf8(fileName).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString relative = kResourceFolder + name;
    if (QFile::exists(relative)) return relative;
    return kResourceFolder + QFileInfo(name).fileName();
}

// The image of size x size pixels among images; the largest scaled down when none has it.
QImage ImageOfSize(const std::vector<QImage>& images, int size)
{
    const QImage* best = nullptr;
    for (const QImage& image : images) {
        if (image.width() == size && image.height() == size) return image;
        if (best == nullptr || image.width() > best->width()) best = &image;
    }
    if (best == nullptr) return {};
    return best->scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::unique_ptr<HICON__> ReadIcon(int id)
{
    const resource::ResourceScript* script = Script();
    if (script == nullptr) return nullptr;
    const resource::PictureResource* picture = script->FindIcon(id);
    if (picture == nullptr) {
        ReportError("los recursos no tienen el icono " + std::to_string(id));
        return nullptr;
    }
    QImageReader reader(PicturePath(picture->fileName));
    std::vector<QImage> images;
    const int count = std::max(reader.imageCount(), 1);
    for (int index = 0; index < count; ++index) {
        if (index > 0 && !reader.jumpToImage(index)) break;
        QImage image = reader.read();
        if (!image.isNull()) images.push_back(image.convertToFormat(QImage::Format_ARGB32));
    }
    if (images.empty()) {
        ReportError("no se puede leer el icono " + std::to_string(id) + " (" + picture->fileName +
                    ")");
        return nullptr;
    }
    return std::make_unique<HICON__>(HICON__{ImageOfSize(images, 32), ImageOfSize(images, 16)});
}

}  // namespace

const resource::ResourceScript* Script()
{
    static const std::optional<resource::ResourceScript> script = []() -> std::optional<resource::ResourceScript> {
        const std::optional<std::string> text = ReadEmbedded(kResourceFolder + "zelmara.rc");
        if (!text) {
            ReportFatalError("no se encuentra el guion de recursos zelmara.rc");
            return std::nullopt;
        }
        resource::ParseOutcome outcome = resource::ParseResourceScript(
            *text, [](const std::string& name) {
                return ReadEmbedded(kResourceFolder + FromUtf8(name));
            });
        if (!outcome.ok()) {
            const resource::ParseError& error = *outcome.error;
            ReportFatalError(error.file + ":" + std::to_string(error.line) + ": " + error.message);
            return std::nullopt;
        }
        return std::move(outcome.script);
    }();
    return script ? &*script : nullptr;
}

const resource::DialogTemplate* FindDialog(int id)
{
    const resource::ResourceScript* script = Script();
    if (script == nullptr) return nullptr;
    const resource::DialogTemplate* dialog = script->FindDialog(id);
    if (dialog == nullptr) ReportFatalError("los recursos no tienen el diálogo " + std::to_string(id));
    return dialog;
}

const std::string* FindString(int id)
{
    const resource::ResourceScript* script = Script();
    if (script == nullptr) return nullptr;
    return script->FindString(id);
}

HICON LoadIcon(int id)
{
    // Never destroyed: icon handles are shared and live as long as the process.
    static auto* icons = new std::map<int, std::unique_ptr<HICON__>>;
    auto found = icons->find(id);
    if (found == icons->end()) {
        std::unique_ptr<HICON__> icon = ReadIcon(id);
        if (icon == nullptr) return nullptr;
        found = icons->emplace(id, std::move(icon)).first;
    }
    return found->second.get();
}

QImage LoadBitmap(int id)
{
    const resource::ResourceScript* script = Script();
    if (script == nullptr) return {};
    const resource::PictureResource* picture = script->FindBitmap(id);
    if (picture == nullptr) {
        ReportError("los recursos no tienen el mapa de bits " + std::to_string(id));
        return {};
    }
    QImage image(PicturePath(picture->fileName));
    if (image.isNull())
        ReportError("no se puede leer el mapa de bits " + std::to_string(id) + " (" +
                    picture->fileName + ")");
    return image;
}

}  // namespace resources

namespace backend {

std::optional<std::string> StringResource(UINT id)
{
    const std::string* text = resources::FindString(static_cast<int>(id));
    return text != nullptr ? std::optional<std::string>(*text) : std::nullopt;
}

HICON IconResource(UINT id)
{
    return resources::LoadIcon(static_cast<int>(id));
}

}  // namespace backend
