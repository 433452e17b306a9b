// What windres compiled into zelmara-scan.exe, read back through the Windows API, against what
// the layer's own reader makes of res/zelmara.rc: both readers must agree on every dialog,
// control, string, picture and version field, accented texts included.

#include "resource_script/resource_script.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string Utf8(std::wstring_view text)
{
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

std::wstring Wide(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

std::optional<std::string> ReadResFile(const std::string& name)
{
    std::ifstream file(std::string(ZELMARA_RES_DIR) + "/" + name, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const resource::ResourceScript& Script()
{
    static const resource::ParseOutcome outcome =
        resource::ParseResourceScript(ReadResFile("zelmara.rc").value_or(""), ReadResFile);
    EXPECT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    return outcome.script;
}

HMODULE Program()
{
    static const HMODULE module = LoadLibraryExA(ZELMARA_SCAN_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

// The bytes of a resource of the program, looked up under the script's language only.
std::string_view Compiled(LPCWSTR type, int id)
{
    const HRSRC found =
        FindResourceExW(Program(), type, MAKEINTRESOURCEW(id), MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN));
    if (found == nullptr) return {};
    return {static_cast<const char*>(LockResource(LoadResource(Program(), found))), SizeofResource(Program(), found)};
}

// Walks a compiled DLGTEMPLATE or DLGTEMPLATEEX.
class TemplateReader {
public:
    explicit TemplateReader(std::string_view bytes) : start_(bytes.data()), at_(bytes.data()) {}

    template <class T> T Take()
    {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    resource::Rect Rect() { return {Take<SHORT>(), Take<SHORT>(), Take<SHORT>(), Take<SHORT>()}; }
    void Skip(std::size_t bytes) { at_ += bytes; }
    void AlignToDword() { at_ = start_ + ((at_ - start_ + 3) & ~3); }

    // A text, or the ordinal (0xFFFF, then the number) that stands in its place.
    std::string Text(int* ordinal = nullptr)
    {
        if (Take<WORD>() == 0xFFFF) {
            const WORD number = Take<WORD>();
            if (ordinal != nullptr) *ordinal = number;
            return {};
        }
        at_ -= sizeof(WORD);
        const std::wstring_view text(reinterpret_cast<const wchar_t*>(at_));
        at_ += (text.size() + 1) * sizeof(wchar_t);
        return Utf8(text);
    }

private:
    const char* start_;
    const char* at_;
};

resource::DialogTemplate ReadDialog(std::string_view bytes)
{
    TemplateReader in(bytes);
    resource::DialogTemplate dialog;
    dialog.extended = in.Take<DWORD>() == 0xFFFF0001;  // DLGTEMPLATEEX: version 1, signature 0xFFFF
    if (dialog.extended) {
        in.Take<DWORD>();  // help ID
        dialog.exStyle = in.Take<DWORD>();
        dialog.style = in.Take<DWORD>();
    } else {
        in = TemplateReader(bytes);
        dialog.style = in.Take<DWORD>();
        dialog.exStyle = in.Take<DWORD>();
    }
    const WORD count = in.Take<WORD>();
    dialog.rect = in.Rect();
    in.Text();  // menu
    in.Text();  // class
    dialog.caption = in.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.font.pointSize = in.Take<WORD>();
        if (dialog.extended) {
            dialog.font.weight = in.Take<WORD>();
            dialog.font.italic = in.Take<BYTE>() != 0;
            dialog.font.charset = in.Take<BYTE>();
        }
        dialog.font.face = in.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        in.AlignToDword();
        resource::ControlTemplate& control = dialog.controls.emplace_back();
        if (dialog.extended) {
            in.Take<DWORD>();  // help ID
            control.exStyle = in.Take<DWORD>();
            control.style = in.Take<DWORD>();
        } else {
            control.style = in.Take<DWORD>();
            control.exStyle = in.Take<DWORD>();
        }
        control.rect = in.Rect();
        control.id = dialog.extended ? static_cast<int>(in.Take<DWORD>()) : in.Take<SHORT>();
        int classOrdinal = -1;
        control.className = in.Text(&classOrdinal);
        if (classOrdinal == 0x80) control.className = "Button";
        if (classOrdinal == 0x81) control.className = "Edit";
        if (classOrdinal == 0x82) control.className = "Static";
        if (classOrdinal == 0x85) control.className = "ComboBox";
        control.text = in.Text(&control.textResource);
        in.Skip(in.Take<WORD>());  // creation data
    }
    return dialog;
}

// A dialog as lines of text, so that both readers' forms are compared whole and a difference
// shows in context. Class names in lower case, as Windows compares them; the font's weight,
// italic flag and character set exist in a DIALOGEX only.
std::string Describe(const resource::DialogTemplate& dialog)
{
    std::ostringstream out;
    const resource::Rect& r = dialog.rect;
    out << (dialog.extended ? "DIALOGEX " : "DIALOG ") << r.x << ',' << r.y << ',' << r.width << ',' << r.height
        << std::hex << " style " << dialog.style << " ex " << dialog.exStyle << std::dec << " \"" << dialog.caption
        << "\" font " << dialog.font.pointSize << " \"" << dialog.font.face << '"';
    if (dialog.extended) out << ' ' << dialog.font.weight << ' ' << dialog.font.italic << ' ' << dialog.font.charset;
    for (const resource::ControlTemplate& control : dialog.controls) {
        std::string className = control.className;
        for (char& c : className) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        const resource::Rect& box = control.rect;
        out << '\n' << className << " \"" << control.text << "\" " << control.textResource << " id " << control.id
            << std::hex << " style " << control.style << " ex " << control.exStyle << std::dec << ' ' << box.x << ','
            << box.y << ',' << box.width << ',' << box.height;
    }
    return out.str();
}

TEST(CompiledResources, DialogsAreTheReadersTemplates)
{
    ASSERT_NE(Program(), nullptr) << ZELMARA_SCAN_PATH;
    ASSERT_FALSE(Script().dialogs.empty());
    for (const resource::DialogTemplate& expected : Script().dialogs) {
        const std::string_view bytes = Compiled(RT_DIALOG, expected.id);
        ASSERT_FALSE(bytes.empty()) << "dialog " << expected.id;
        EXPECT_EQ(Describe(ReadDialog(bytes)), Describe(expected)) << "dialog " << expected.id;
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
    for (const resource::PictureResource& bitmap : Script().bitmaps) {  // the .bmp without its file header
        const std::string file = ReadResFile(bitmap.fileName).value_or("");
        ASSERT_GT(file.size(), sizeof(BITMAPFILEHEADER));
        EXPECT_EQ(Compiled(RT_BITMAP, bitmap.id), std::string_view(file).substr(sizeof(BITMAPFILEHEADER)));
    }
    for (const resource::PictureResource& icon : Script().icons) {  // type and image count of the .ico
        const std::string file = ReadResFile(icon.fileName).value_or("");
        EXPECT_EQ(Compiled(RT_GROUP_ICON, icon.id).substr(0, 6), std::string_view(file).substr(0, 6));
    }
}

TEST(CompiledResources, VersionBlockAsWindowsShowsIt)
{
    std::string block(GetFileVersionInfoSizeA(ZELMARA_SCAN_PATH, nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(ZELMARA_SCAN_PATH, 0, static_cast<DWORD>(block.size()), block.data()));
    const auto query = [&block](const std::wstring& path) {
        void* value = nullptr;
        UINT length = 0;
        EXPECT_TRUE(VerQueryValueW(block.data(), path.c_str(), &value, &length)) << Utf8(path);
        return std::string_view(static_cast<const char*>(value), length);
    };

    const resource::VersionBlock& expected = Script().version.value();
    VS_FIXEDFILEINFO fixed{};
    std::memcpy(&fixed, query(L"\\").data(), sizeof fixed);
    const auto high = [](const std::uint16_t* parts) { return DWORD(parts[0]) << 16 | parts[1]; };
    EXPECT_EQ(fixed.dwFileVersionMS, high(expected.fileVersion));
    EXPECT_EQ(fixed.dwFileVersionLS, high(expected.fileVersion + 2));
    EXPECT_EQ(fixed.dwProductVersionMS, high(expected.productVersion));
    EXPECT_EQ(fixed.dwProductVersionLS, high(expected.productVersion + 2));
    EXPECT_EQ(fixed.dwFileFlagsMask, expected.fileFlagsMask);
    EXPECT_EQ(fixed.dwFileFlags, expected.fileFlags);
    EXPECT_EQ(fixed.dwFileOS, expected.fileOS);
    EXPECT_EQ(fixed.dwFileType, expected.fileType);
    EXPECT_EQ(fixed.dwFileSubtype, expected.fileSubtype);

    for (const auto& [key, value] : expected.strings) {
        const std::string_view text = query(L"\\StringFileInfo\\" + Wide(expected.stringTableKey) + L"\\" + Wide(key));
        const std::wstring_view compiled(reinterpret_cast<const wchar_t*>(text.data()), text.size());
        EXPECT_EQ(Utf8(compiled.substr(0, compiled.find(L'\0'))), value) << key;
    }

    const std::string_view translation = query(L"\\VarFileInfo\\Translation");
    std::vector<std::pair<int, int>> translations;
    for (std::size_t at = 0; at + 4 <= translation.size(); at += 4) {
        WORD pair[2];
        std::memcpy(pair, translation.data() + at, sizeof pair);
        translations.emplace_back(pair[0], pair[1]);
    }
    EXPECT_EQ(translations, expected.translations);
}

}  // namespace
