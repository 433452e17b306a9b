// What windres compiled into zelmara-scan.exe, read back through the Windows API, against what
// the layer's own reader makes of res/zelmara.rc: both readers must agree on every dialog,
// control, string and version field, accented texts included.

#include "resource_script.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr WORD kSpanish = MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN);

std::string Utf8(std::wstring_view text)
{
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

std::optional<std::string> ReadResFile(const std::string& name)
{
    std::ifstream file(std::string(ZELMARA_RES_DIR) + "/" + name, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Walks a compiled DLGTEMPLATE or DLGTEMPLATEEX.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* bytes) : start_(bytes), at_(bytes) {}

    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    int Short() { return Take<SHORT>(); }
    void Skip(std::size_t bytes) { at_ += bytes; }
    void AlignToDword() { at_ = start_ + ((at_ - start_ + 3) & ~3); }

    // A text, or the ordinal that stands in its place (0xFFFF then the number).
    std::string Text(int* ordinal = nullptr)
    {
        if (reinterpret_cast<const WORD*>(at_)[0] == 0xFFFF) {
            Word();
            const WORD number = Word();
            if (ordinal != nullptr) *ordinal = number;
            return {};
        }
        const auto* text = reinterpret_cast<const wchar_t*>(at_);
        const std::wstring_view view(text);
        at_ += (view.size() + 1) * sizeof(wchar_t);
        return Utf8(view);
    }

private:
    template <class T> T Take()
    {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }

    const BYTE* start_;
    const BYTE* at_;
};

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

std::string ClassName(int ordinal)
{
    switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    default: return "class " + std::to_string(ordinal);
    }
}

resource::DialogTemplate ReadDialog(const BYTE* bytes)
{
    TemplateReader in(bytes);
    resource::DialogTemplate dialog;
    dialog.extended = in.Word() == 1 && in.Word() == 0xFFFF;
    if (dialog.extended) {
        in.Dword();  // help ID
        dialog.exStyle = in.Dword();
        dialog.style = in.Dword();
    } else {
        in = TemplateReader(bytes);
        dialog.style = in.Dword();
        dialog.exStyle = in.Dword();
    }
    const WORD count = in.Word();
    dialog.rect = {in.Short(), in.Short(), in.Short(), in.Short()};
    in.Text();  // menu
    in.Text();  // class
    dialog.caption = in.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.font.pointSize = in.Word();
        if (dialog.extended) {
            dialog.font.weight = in.Word();
            const WORD italicAndCharset = in.Word();
            dialog.font.italic = (italicAndCharset & 0xFF) != 0;
            dialog.font.charset = italicAndCharset >> 8;
        }
        dialog.font.face = in.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        in.AlignToDword();
        resource::ControlTemplate control;
        if (dialog.extended) {
            in.Dword();  // help ID
            control.exStyle = in.Dword();
            control.style = in.Dword();
        } else {
            control.style = in.Dword();
            control.exStyle = in.Dword();
        }
        control.rect = {in.Short(), in.Short(), in.Short(), in.Short()};
        control.id = dialog.extended ? static_cast<int>(in.Dword()) : static_cast<SHORT>(in.Word());
        int classOrdinal = -1;
        control.className = in.Text(&classOrdinal);
        if (classOrdinal >= 0) control.className = ClassName(classOrdinal);
        control.text = in.Text(&control.textResource);
        in.Skip(in.Word());  // creation data
        dialog.controls.push_back(control);
    }
    return dialog;
}

HMODULE Program()
{
    static const HMODULE module = LoadLibraryExA(ZELMARA_SCAN_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

const resource::ResourceScript& Script()
{
    static const resource::ParseOutcome outcome =
        resource::ParseResourceScript(ReadResFile("zelmara.rc").value_or(""), ReadResFile);
    EXPECT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    return outcome.script;
}

// The bytes of a resource in the program, found under the script's language only.
std::string_view Compiled(LPCWSTR type, int id)
{
    const HRSRC found = FindResourceExW(Program(), type, MAKEINTRESOURCEW(id), kSpanish);
    if (found == nullptr) return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(Program(), found)));
    return {bytes, SizeofResource(Program(), found)};
}

TEST(CompiledResources, DialogsAreTheReadersTemplates)
{
    ASSERT_NE(Program(), nullptr) << ZELMARA_SCAN_PATH;
    ASSERT_FALSE(Script().dialogs.empty());
    for (const resource::DialogTemplate& expected : Script().dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(expected.id));
        const std::string_view bytes = Compiled(RT_DIALOG, expected.id);
        ASSERT_FALSE(bytes.empty());
        const resource::DialogTemplate dialog = ReadDialog(reinterpret_cast<const BYTE*>(bytes.data()));
        EXPECT_EQ(dialog.extended, expected.extended);
        EXPECT_EQ(dialog.rect, expected.rect);
        EXPECT_EQ(dialog.caption, expected.caption);
        EXPECT_EQ(dialog.style, expected.style);
        EXPECT_EQ(dialog.exStyle, expected.exStyle);
        EXPECT_EQ(dialog.font.pointSize, expected.font.pointSize);
        EXPECT_EQ(dialog.font.face, expected.font.face);
        if (dialog.extended) {
            EXPECT_EQ(dialog.font.weight, expected.font.weight);
            EXPECT_EQ(dialog.font.italic, expected.font.italic);
            EXPECT_EQ(dialog.font.charset, expected.font.charset);
        }
        ASSERT_EQ(dialog.controls.size(), expected.controls.size());
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            SCOPED_TRACE("control #" + std::to_string(i + 1));
            const resource::ControlTemplate& control = dialog.controls[i];
            const resource::ControlTemplate& want = expected.controls[i];
            EXPECT_EQ(Lower(control.className), Lower(want.className));  // as Windows compares them
            EXPECT_EQ(control.text, want.text);
            EXPECT_EQ(control.textResource, want.textResource);
            EXPECT_EQ(control.id, want.id);
            EXPECT_EQ(control.style, want.style) << std::hex << control.style << " vs " << want.style;
            EXPECT_EQ(control.exStyle, want.exStyle);
            EXPECT_EQ(control.rect, want.rect);
        }
    }
}

TEST(CompiledResources, StringsAndPictures)
{
    ASSERT_FALSE(Script().strings.empty());
    for (const auto& [id, text] : Script().strings) {
        const wchar_t* compiled = nullptr;
        const int length = LoadStringW(Program(), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&compiled), 0);
        EXPECT_EQ(Utf8({compiled, static_cast<std::size_t>(length)}), text) << id;
    }
    for (const resource::PictureResource& bitmap : Script().bitmaps) {
        const std::string file = ReadResFile(bitmap.fileName).value_or("");
        ASSERT_GT(file.size(), sizeof(BITMAPFILEHEADER));
        EXPECT_EQ(Compiled(RT_BITMAP, bitmap.id), std::string_view(file).substr(sizeof(BITMAPFILEHEADER)));
    }
    for (const resource::PictureResource& icon : Script().icons) {
        const std::string file = ReadResFile(icon.fileName).value_or("");
        const std::string_view group = Compiled(RT_GROUP_ICON, icon.id);
        ASSERT_GE(group.size(), 6u);
        EXPECT_EQ(group.substr(0, 6), std::string_view(file).substr(0, 6));  // type and image count
    }
}

TEST(CompiledResources, VersionBlockAsWindowsShowsIt)
{
    const DWORD size = GetFileVersionInfoSizeA(ZELMARA_SCAN_PATH, nullptr);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(ZELMARA_SCAN_PATH, 0, size, block.data()));
    const auto query = [&block](const std::wstring& path) {
        void* value = nullptr;
        UINT length = 0;
        EXPECT_TRUE(VerQueryValueW(block.data(), path.c_str(), &value, &length)) << Utf8(path);
        return std::pair{static_cast<const BYTE*>(value), length};
    };

    const resource::VersionBlock& expected = Script().version.value();
    const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(query(L"\\").first);
    ASSERT_NE(fixed, nullptr);
    const auto& [a, b, c, d] = expected.fileVersion;
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(a) << 16 | b);
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(c) << 16 | d);
    EXPECT_EQ(fixed->dwProductVersionMS, DWORD(expected.productVersion[0]) << 16 | expected.productVersion[1]);
    EXPECT_EQ(fixed->dwProductVersionLS, DWORD(expected.productVersion[2]) << 16 | expected.productVersion[3]);
    EXPECT_EQ(fixed->dwFileFlagsMask, expected.fileFlagsMask);
    EXPECT_EQ(fixed->dwFileFlags, expected.fileFlags);
    EXPECT_EQ(fixed->dwFileOS, expected.fileOS);
    EXPECT_EQ(fixed->dwFileType, expected.fileType);
    EXPECT_EQ(fixed->dwFileSubtype, expected.fileSubtype);

    const std::wstring table = L"\\StringFileInfo\\" + std::wstring(expected.stringTableKey.begin(), expected.stringTableKey.end());
    for (const auto& [key, value] : expected.strings) {
        const auto [text, length] = query(table + L"\\" + std::wstring(key.begin(), key.end()));
        const std::wstring_view compiled(reinterpret_cast<const wchar_t*>(text), length);
        EXPECT_EQ(Utf8(compiled.substr(0, compiled.find(L'\0'))), value) << key;
    }

    const auto [translation, length] = query(L"\\VarFileInfo\\Translation");
    ASSERT_EQ(length, 4 * expected.translations.size());
    for (std::size_t i = 0; i < expected.translations.size(); ++i) {
        const auto* pair = reinterpret_cast<const WORD*>(translation) + 2 * i;
        EXPECT_EQ(pair[0], expected.translations[i].first);
        EXPECT_EQ(pair[1], expected.translations[i].second);
    }
}

}  // namespace
