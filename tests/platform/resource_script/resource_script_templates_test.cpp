// The real resource script, parsed: every dialog, control, string, picture and version field
// the program relies on.

#include "resource.h"
#include "resource_script_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace resource_test;
using resource::ControlTemplate;
using resource::DialogTemplate;
using resource::Rect;

constexpr std::uint32_t kChildVisible = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kEditStyle = kChildVisible | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr std::uint32_t kLabelStyle = kChildVisible | SS_LEFT | WS_GROUP;
constexpr std::uint32_t kButtonStyle = kChildVisible | BS_PUSHBUTTON | WS_TABSTOP;

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    int textResource;  // -1 unless the control shows a picture
    Rect rect;
    std::uint32_t style;
};

const resource::ResourceScript& Script() {
    static const resource::ParseOutcome outcome = ParseRealScript();
    if (!outcome.ok())
        ADD_FAILURE() << outcome.error->file << ":" << outcome.error->line << ": "
                      << outcome.error->message;
    return outcome.script;
}

void ExpectControls(const DialogTemplate& dialog, const std::vector<ExpectedControl>& expected) {
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        const ControlTemplate& control = dialog.controls[i];
        const ExpectedControl& want = expected[i];
        EXPECT_EQ(control.id, want.id);
        EXPECT_EQ(control.className, want.className);
        EXPECT_EQ(control.text, want.text);
        EXPECT_EQ(control.textResource, want.textResource);
        EXPECT_EQ(control.rect, want.rect);
        EXPECT_EQ(control.style, want.style) << std::hex << control.style << " vs " << want.style;
        EXPECT_EQ(control.exStyle, 0u);
    }
}

TEST(RealResourceScript, ParsesWithoutError) {
    resource::ParseOutcome outcome = ParseRealScript();
    ASSERT_TRUE(outcome.ok()) << outcome.error->file << ":" << outcome.error->line << ": "
                              << outcome.error->message;
}

TEST(RealResourceScript, MainDialogTemplate) {
    const DialogTemplate* dialog = Script().FindDialog(102);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->extended);
    EXPECT_EQ(dialog->caption, "Puntos extremos del potencial de torsión");
    EXPECT_EQ(dialog->rect, (Rect{0, 0, 357, 225}));
    EXPECT_EQ(dialog->style,
              WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(dialog->exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(dialog->font.face, "MS Sans Serif");
    EXPECT_EQ(dialog->font.pointSize, 8);
    EXPECT_EQ(dialog->font.weight, 0);
    EXPECT_FALSE(dialog->font.italic);
    EXPECT_EQ(dialog->font.charset, 1);  // DEFAULT_CHARSET

    ExpectControls(*dialog, {
        {-1, "Static", "", 129, {7, 7, 115, 20}, kChildVisible | SS_BITMAP},
        {-1, "Static", "V1", -1, {13, 39, 10, 8}, kLabelStyle},
        {1000, "Edit", "", -1, {26, 38, 78, 12}, kEditStyle},
        {-1, "Static", "V2", -1, {114, 39, 10, 8}, kLabelStyle},
        {1001, "Edit", "", -1, {129, 38, 78, 12}, kEditStyle},
        {-1, "Static", "V3", -1, {217, 39, 10, 8}, kLabelStyle},
        {1002, "Edit", "", -1, {231, 38, 78, 12}, kEditStyle},
        {-1, "Static", "V4", -1, {13, 60, 10, 8}, kLabelStyle},
        {1003, "Edit", "", -1, {26, 59, 78, 12}, kEditStyle},
        {-1, "Static", "V5", -1, {114, 60, 10, 8}, kLabelStyle},
        {1004, "Edit", "", -1, {129, 59, 78, 12}, kEditStyle},
        {-1, "Static", "V6", -1, {217, 60, 10, 8}, kLabelStyle},
        {1005, "Edit", "", -1, {231, 59, 78, 12}, kEditStyle},
        {-1, "Static", "Precisión (recomendado 0.005):", -1, {13, 81, 116, 9}, kLabelStyle},
        {1009, "Edit", "", -1, {129, 80, 66, 13}, kEditStyle},
        {1006, "Button", "Obtener puntos extremos", -1, {84, 96, 179, 11},
         kChildVisible | BS_DEFPUSHBUTTON | WS_TABSTOP},
        {1007, "SysListView32", "List1", -1, {24, 114, 285, 78},
         kChildVisible | LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
        {1, "Button", "Aceptar", -1, {119, 204, 50, 14}, kButtonStyle},
        {2, "Button", "Cancelar", -1, {181, 204, 50, 14}, kButtonStyle},
    });
}

TEST(RealResourceScript, AboutBoxTemplate) {
    const DialogTemplate* dialog = Script().FindDialog(100);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->extended);
    EXPECT_EQ(dialog->caption, "Acerca de Zelmara");
    EXPECT_EQ(dialog->rect, (Rect{0, 0, 240, 87}));
    EXPECT_EQ(dialog->style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ(dialog->font.face, "MS Sans Serif");
    EXPECT_EQ(dialog->font.pointSize, 8);

    ExpectControls(*dialog, {
        {-1, "Static", "", 128, {11, 17, 21, 20}, kChildVisible | SS_ICON},
        {-1, "Static", "Zelmara Versión 1.0", -1, {40, 10, 119, 8},
         kChildVisible | SS_NOPREFIX | WS_GROUP},
        {-1, "Static", "© Los autores de Zelmara", -1, {40, 25, 119, 8}, kLabelStyle},
        {1, "Button", "Aceptar", -1, {183, 66, 50, 14},
         kChildVisible | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
        {-1, "Static", "15 - 3 - 2000", -1, {39, 35, 92, 9}, kLabelStyle},
        {-1, "Static",
         "Calcula los puntos extremos de la función indicada mediante el cálculo analítico de "
         "la derivada.",
         -1, {36, 48, 126, 30}, kLabelStyle},
    });
}

TEST(RealResourceScript, StringsPicturesAndLanguage) {
    const resource::ResourceScript& script = Script();
    EXPECT_EQ(script.language, 0x0A);
    EXPECT_EQ(script.sublanguage, 0x03);
    EXPECT_EQ(script.dialogs.size(), 7u);

    ASSERT_EQ(script.strings.size(), 23u);
    ASSERT_NE(script.FindString(101), nullptr);
    EXPECT_EQ(*script.FindString(101), "&Acerca de Zelmara...");
    const std::string* help = script.FindString(0xE146);   // the help command's text
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->rfind("Zelmara busca los puntos extremos", 0), 0u);
    EXPECT_NE(help->find("\n\nV1 … V6: los coeficientes del potencial, en kcal/mol.\n"), std::string::npos);

    ASSERT_EQ(script.icons.size(), 1u);
    ASSERT_NE(script.FindIcon(128), nullptr);
    EXPECT_EQ(script.FindIcon(128)->fileName, "zelmara.ico");
    ASSERT_EQ(script.bitmaps.size(), 1u);
    ASSERT_NE(script.FindBitmap(129), nullptr);
    EXPECT_EQ(script.FindBitmap(129)->fileName, "formula.bmp");

    EXPECT_EQ(script.FindDialog(101), nullptr);
    EXPECT_EQ(script.FindString(100), nullptr);
    EXPECT_EQ(script.FindIcon(129), nullptr);
    EXPECT_EQ(script.FindBitmap(128), nullptr);
}

TEST(RealResourceScript, VersionBlock) {
    ASSERT_TRUE(Script().version.has_value());
    const resource::VersionBlock& version = *Script().version;
    const std::uint16_t expectedVersion[4] = {1, 0, 0, 1};
    EXPECT_TRUE(std::equal(version.fileVersion, version.fileVersion + 4, expectedVersion));
    EXPECT_TRUE(std::equal(version.productVersion, version.productVersion + 4, expectedVersion));
    EXPECT_EQ(version.fileFlagsMask, 0x3Fu);
    EXPECT_EQ(version.fileFlags, 0u);
    EXPECT_EQ(version.fileOS, 0x4u);
    EXPECT_EQ(version.fileType, 0x1u);
    EXPECT_EQ(version.fileSubtype, 0u);
    EXPECT_EQ(version.stringTableKey, "0c0a04b0");
    EXPECT_EQ(version.translations, (std::vector<std::pair<int, int>>{{0x0C0A, 1200}}));

    const std::vector<std::pair<std::string, std::string>> expectedStrings = {
        {"Comments", "Calcula extremos de la función del potencial de torsión"},
        {"CompanyName", ""},
        {"FileDescription", "Aplicación MFC Zelmara"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Zelmara"},
        {"LegalCopyright", "© Los autores de Zelmara"},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Zelmara.EXE"},
        {"PrivateBuild", ""},
        {"ProductName", "Aplicación Zelmara"},
        {"ProductVersion", "1, 0, 0, 1"},
        {"SpecialBuild", ""},
    };
    EXPECT_EQ(version.strings, expectedStrings);
}

// The dialogs' C++ code names the same identifiers through res/resource.h.
TEST(RealResourceScript, IdentifierHeaderCompilesAsCpp) {
    constexpr int kControlIds[] = {IDC_V1, IDC_V2, IDC_V3, IDC_V4, IDC_V5, IDC_V6,
                                   IDC_COMPUTE, IDC_RESULTS, IDC_PRECISION};
    constexpr int kExpectedControlIds[] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1009};
    EXPECT_TRUE(std::equal(std::begin(kControlIds), std::end(kControlIds),
                           std::begin(kExpectedControlIds)));
    EXPECT_EQ(IDD_ABOUTBOX, 100);
    EXPECT_EQ(IDS_ABOUTBOX, 101);
    EXPECT_EQ(IDD_MAIN_DIALOG, 102);
    EXPECT_EQ(IDR_MAINFRAME, 128);
    EXPECT_EQ(IDB_FORMULA, 129);
    EXPECT_EQ(IDM_ABOUTBOX, 0x0010);
}

}  // namespace
