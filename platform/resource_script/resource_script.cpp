#include "resource_script/resource_script.h"

#include "resource_script_cursor.h"
#include "resource_script_parser.h"
#include "resource_script_preprocessor.h"

#include <algorithm>

namespace resource {
namespace {

template <typename Entry, typename Id>
const Entry* FindById(const std::vector<Entry>& entries, int id, Id idOf) {
    auto found = std::ranges::find_if(entries, [&](const Entry& entry) { return idOf(entry) == id; });
    return found == entries.end() ? nullptr : &*found;
}

}  // namespace

const DialogTemplate* ResourceScript::FindDialog(int id) const {
    return FindById(dialogs, id, [](const DialogTemplate& dialog) { return dialog.id; });
}

const std::string* ResourceScript::FindString(int id) const {
    const auto* entry = FindById(strings, id, [](const auto& string) { return string.first; });
    return entry ? &entry->second : nullptr;
}

const PictureResource* ResourceScript::FindIcon(int id) const {
    return FindById(icons, id, [](const PictureResource& icon) { return icon.id; });
}

const PictureResource* ResourceScript::FindBitmap(int id) const {
    return FindById(bitmaps, id, [](const PictureResource& bitmap) { return bitmap.id; });
}

const AcceleratorTable* ResourceScript::FindAccelerators(int id) const {
    return FindById(accelerators, id, [](const AcceleratorTable& table) { return table.id; });
}

const MenuTemplate* ResourceScript::FindMenu(int id) const {
    return FindById(menus, id, [](const MenuTemplate& menu) { return menu.id; });
}

ParseOutcome ParseResourceScript(std::string_view script, const IncludeReader& readInclude,
                                 std::string_view fileName) {
    ParseOutcome outcome;
    detail::PreprocessResult preprocessed =
        detail::Preprocess(script, std::string(fileName), readInclude);
    if (preprocessed.error) {
        outcome.error = std::move(preprocessed.error);
        return outcome;
    }
    detail::TokenCursor cursor(preprocessed.tokens, preprocessed.files);
    if (!detail::ParseStatements(cursor, outcome.script)) outcome.error = cursor.error();
    return outcome;
}

}  // namespace resource
