// The resource-script reader on small scripts: style arithmetic, #define forms, comments, the
// errors of malformed scripts, the limits of values and nesting, and names read the same
// whatever the process locale.

#include "resource_script_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <string>

namespace {

using namespace resource_test;
using ::testing::HasSubstr;

// The first control of the only dialog of a script that must parse.
resource::ControlTemplate OnlyControl(const std::string& script,
                                      const std::map<std::string, std::string>& files = {}) {
    resource::ParseOutcome outcome = ParseText(script, files);
    if (!outcome.ok()) {
        ADD_FAILURE() << outcome.error->line << ": " << outcome.error->message;
        return {};
    }
    if (outcome.script.dialogs.size() != 1 || outcome.script.dialogs[0].controls.size() != 1) {
        ADD_FAILURE() << "expected one dialog with one control";
        return {};
    }
    return outcome.script.dialogs[0].controls[0];
}

std::string DialogWith(const std::string& control) {
    return "#include \"afxres.h\"\n1 DIALOG 0, 0, 10, 10\nBEGIN\n" + control + "\nEND\n";
}

TEST(ResourceScriptStyles, NotClearsBitsAndBarCombinesFromLeftToRight) {
    EXPECT_EQ(OnlyControl(DialogWith("LTEXT \"a\",5,0,0,1,1,NOT WS_GROUP | SS_NOPREFIX")).style,
              WS_CHILD | WS_VISIBLE | SS_NOPREFIX);
    EXPECT_EQ(OnlyControl(DialogWith("EDITTEXT 5,0,0,1,1,NOT WS_BORDER | NOT WS_TABSTOP")).style,
              WS_CHILD | WS_VISIBLE);
    // A NOT undoes a bit set to its left, and a later term sets it again.
    EXPECT_EQ(OnlyControl(DialogWith("CONTROL \"a\",5,\"Button\",WS_GROUP | NOT WS_GROUP | "
                                     "NOT WS_VISIBLE,0,0,1,1"))
                  .style,
              WS_CHILD);
    EXPECT_EQ(OnlyControl(DialogWith("PUSHBUTTON \"a\",5,0,0,1,1,NOT WS_TABSTOP | WS_TABSTOP"))
                  .style,
              WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP);
    // A combo box starts as CBS_SIMPLE | WS_TABSTOP; its class is the system's.
    const resource::ControlTemplate combo =
        OnlyControl(DialogWith("COMBOBOX 5,1,2,3,40,CBS_DROPDOWNLIST | WS_VSCROLL"));
    EXPECT_EQ(combo.className, "ComboBox");
    EXPECT_EQ(combo.rect, (resource::Rect{1, 2, 3, 40}));
    EXPECT_EQ(combo.style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | 0x3u | 0x00200000u);
}

TEST(ResourceScriptStyles, CheckBoxesAsStatementAndAsButtonControl) {
    const resource::ControlTemplate statement = OnlyControl(DialogWith("AUTOCHECKBOX \"V1\",7,0,0,20,10"));
    EXPECT_EQ(statement.className, "Button");
    EXPECT_EQ(statement.text, "V1");
    EXPECT_EQ(statement.id, 7);
    EXPECT_EQ(statement.style, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP);
    EXPECT_EQ(OnlyControl(DialogWith("AUTOCHECKBOX \"V1\",7,0,0,20,10,NOT WS_TABSTOP")).style,
              WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
    const resource::ControlTemplate control =
        OnlyControl(DialogWith("CONTROL \"V2\",8,\"Button\",BS_AUTOCHECKBOX | WS_TABSTOP,0,0,20,10"));
    EXPECT_EQ(control.className, "Button");
    EXPECT_EQ(control.style, statement.style);
}

TEST(ResourceScriptStyles, DialogDefaultsAndExtendedStyles) {
    resource::ParseOutcome outcome = ParseText(
        "#include \"afxres.h\"\n"
        "1 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n"
        "2 DIALOGEX 0, 0, 10, 10\nSTYLE WS_POPUP\nEXSTYLE WS_EX_APPWINDOW | WS_EX_TOPMOST\n"
        "FONT 9, \"Face\", 700, 1\n"
        "{\n  CONTROL \"\",3,\"Edit\",0,0,0,1,1,WS_EX_CLIENTEDGE\n  ICON 128,4,5,6\n}\n");
    ASSERT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    const resource::DialogTemplate& plain = outcome.script.dialogs.at(0);
    EXPECT_EQ(plain.style, WS_POPUP | WS_BORDER | WS_SYSMENU);
    const resource::DialogTemplate& extended = outcome.script.dialogs.at(1);
    EXPECT_EQ(extended.style, WS_POPUP | DS_SETFONT);
    EXPECT_EQ(extended.exStyle, WS_EX_APPWINDOW | 0x8u);
    EXPECT_EQ(extended.font.pointSize, 9);
    EXPECT_EQ(extended.font.weight, 700);
    EXPECT_TRUE(extended.font.italic);
    EXPECT_EQ(extended.font.charset, 1);
    ASSERT_EQ(extended.controls.size(), 2u);
    EXPECT_EQ(extended.controls[0].exStyle, 0x200u);
    EXPECT_EQ(extended.controls[1].textResource, 128);
    EXPECT_EQ(extended.controls[1].rect, (resource::Rect{5, 6, 0, 0}));
}

TEST(ResourceScriptDefines, HexParenthesisedNegativeAndCombinedValues) {
    const std::map<std::string, std::string> header = {
        {"ids.h", "#define ID_HEX 0x1F\n#define ID_NEG (-1)\n#define ID_LONG 12L\n"
                  "#define ID_BOTH ((ID_HEX) | 0x100)\n#define GUARD\n"}};
    resource::ParseOutcome outcome = ParseText(
        "#include \"ids.h\"\nSTRINGTABLE\nBEGIN\n  ID_HEX \"hex\"\n  -ID_NEG, \"negative\"\n"
        "  ID_LONG \"long\"\n  ID_BOTH \"\"\"quoted\"\" \\\\ back\"\nEND\n",
        header);
    ASSERT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    const auto& strings = outcome.script.strings;
    EXPECT_EQ(strings, (std::vector<std::pair<int, std::string>>{
                           {31, "hex"}, {1, "negative"}, {12, "long"},
                           {0x11F, "\"quoted\" \\ back"}}));
}

TEST(ResourceScriptAccelerators, KeysModifiersAndCommandsInScriptOrder) {
    resource::ParseOutcome outcome = ParseText(
        "#define IDM_GO 0x20\n"
        "7 ACCELERATORS\nBEGIN\n"
        "  \"A\", IDM_GO, VIRTKEY, CONTROL, SHIFT\n"
        "  0x74, 40000, NOINVERT, VIRTKEY\n"
        "  \"9\", 65535, VIRTKEY, ALT\n"
        "END\n");
    ASSERT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    const resource::AcceleratorTable* table = outcome.script.FindAccelerators(7);
    ASSERT_NE(table, nullptr);
    using A = resource::Accelerator;
    EXPECT_EQ(table->entries, (std::vector<A>{A{'A', true, true, false, 0x20},
                                              A{0x74, false, false, false, 40000},
                                              A{'9', false, false, true, 65535}}));
}

TEST(ResourceScriptComments, AreSkippedAndKeepLineNumbers) {
    resource::ParseOutcome outcome = ParseText(
        "// a line comment with \"quotes\" and BEGIN\n"
        "/* a block comment\n   over three lines END */\n"
        "STRINGTABLE /* inline */ BEGIN 7 \"// not a comment\" // trailing\n"
        "END\n"
        "/* on line 6\n*/ 8 BOGUS_NAME\n");
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error->line, 7);
    EXPECT_THAT(outcome.error->message, HasSubstr("BOGUS_NAME"));
    EXPECT_EQ(outcome.script.strings.front().second, "// not a comment");
}

TEST(ResourceScriptMenus, PopupsCommandsSeparatorsAndOptions) {
    resource::ParseOutcome outcome = ParseText(
        "#define ID_GO 40001\n"
        "7 MENU\nBEGIN\n"
        "  POPUP \"&Archivo\", HELP\n  BEGIN\n"
        "    MENUITEM \"&Ir\\tCtrl+I\", ID_GO, GRAYED CHECKED\n"
        "    MENUITEM SEPARATOR\n"
        "    POPUP \"Más\" { MENUITEM \"x\", 0xFFFF, INACTIVE, MENUBREAK }\n"
        "  END\n"
        "  MENUITEM \"Solo\", 3\n"
        "END\n");
    ASSERT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    const resource::MenuTemplate* menu = outcome.script.FindMenu(7);
    ASSERT_NE(menu, nullptr);
    using Kind = resource::MenuItemTemplate::Kind;
    ASSERT_EQ(menu->items.size(), 2u);
    const resource::MenuItemTemplate& popup = menu->items[0];
    EXPECT_EQ(popup.kind, Kind::Popup);
    EXPECT_EQ(popup.text, "&Archivo");
    EXPECT_EQ(popup.flags, 0x4000u);
    ASSERT_EQ(popup.items.size(), 3u);
    EXPECT_EQ(popup.items[0].kind, Kind::Command);
    EXPECT_EQ(popup.items[0].text, "&Ir\tCtrl+I");
    EXPECT_EQ(popup.items[0].id, 40001);
    EXPECT_EQ(popup.items[0].flags, 0x0001u | 0x0008u);
    EXPECT_EQ(popup.items[1].kind, Kind::Separator);
    ASSERT_EQ(popup.items[2].items.size(), 1u);
    EXPECT_EQ(popup.items[2].items[0].id, 0xFFFF);
    EXPECT_EQ(popup.items[2].items[0].flags, 0x0002u | 0x0040u);
    EXPECT_EQ(menu->items[1].id, 3);
    EXPECT_EQ(menu->items[1].flags, 0u);
}

struct MalformedScript {
    const char* name;
    std::string script;
    const char* includedHeader;  // served as "ids.h"; may be null
    const char* file;
    int line;
    const char* messagePart;
};

void PrintTo(const MalformedScript& script, std::ostream* out) { *out << script.name; }

class ResourceScriptErrors : public ::testing::TestWithParam<MalformedScript> {};

TEST_P(ResourceScriptErrors, NameTheFileLineAndProblem) {
    const MalformedScript& bad = GetParam();
    std::map<std::string, std::string> files;
    if (bad.includedHeader) files["ids.h"] = bad.includedHeader;
    resource::ParseOutcome outcome = ParseText(bad.script, files);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error->file, bad.file);
    EXPECT_EQ(outcome.error->line, bad.line);
    EXPECT_THAT(outcome.error->message, HasSubstr(bad.messagePart));
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, ResourceScriptErrors,
    ::testing::Values(
        MalformedScript{"UnterminatedString", "STRINGTABLE\nBEGIN\n 1 \"open\nEND\n", nullptr,
                        "test.rc", 3, "not closed"},
        MalformedScript{"UnterminatedComment", "STRINGTABLE\n/* never\nclosed\n", nullptr,
                        "test.rc", 2, "never closed"},
        MalformedScript{"MissingEndAtEndOfFile",
                        "#include \"afxres.h\"\n1 DIALOG 0,0,1,1\nBEGIN\n"
                        "  LTEXT \"a\",-1,0,0,1,1\n",
                        nullptr, "test.rc", 3, "no matching END"},
        MalformedScript{"MissingEndBeforeNextDialog",
                        "1 DIALOG 0,0,1,1\nBEGIN\n  PUSHBUTTON \"a\",1,0,0,1,1\n"
                        "2 DIALOG 0,0,1,1\nBEGIN\nEND\n",
                        nullptr, "test.rc", 4, "expected a control"},
        MalformedScript{"UnknownStyleName",
                        "#include \"afxres.h\"\n1 DIALOG 0,0,1,1\nSTYLE WS_POPUP | WS_BOGUS\n"
                        "BEGIN\nEND\n",
                        nullptr, "test.rc", 3, "unknown symbol 'WS_BOGUS'"},
        MalformedScript{"PlatformNamesNeedTheirHeader", "1 DIALOG 0,0,1,1\nSTYLE WS_POPUP\n",
                        nullptr, "test.rc", 2, "unknown symbol 'WS_POPUP'"},
        MalformedScript{"UnknownResourceId", "IDD_NOWHERE DIALOG 0,0,1,1\n", nullptr,
                        "test.rc", 1, "unknown symbol 'IDD_NOWHERE'"},
        MalformedScript{"StrayEnd", "STRINGTABLE\nBEGIN\nEND\nEND\n", nullptr, "test.rc", 4,
                        "expected LANGUAGE, STRINGTABLE or a resource ID, found 'END'"},
        MalformedScript{"DigitsFollowedByLetters", "STRINGTABLE\nBEGIN\n  12abc \"x\"\nEND\n",
                        nullptr, "test.rc", 3, "malformed number '12abc'"},
        MalformedScript{"HexWithoutDigits", "\n#define ID 0x\n", nullptr, "test.rc", 2,
                        "malformed number '0x'"},
        MalformedScript{"NumberBeyond32Bits", "#define ID 0x100000000\n", nullptr, "test.rc", 1,
                        "malformed number"},
        MalformedScript{"MissingComma", "STRINGTABLE\nBEGIN\nEND\n1 DIALOG 0,0 1,1\n", nullptr,
                        "test.rc", 4, "expected ','"},
        MalformedScript{"MissingInclude", "\n\n#include \"absent.h\"\n", nullptr, "test.rc", 3,
                        "\"absent.h\""},
        MalformedScript{"ErrorInsideIncludedFile", "#include \"ids.h\"\n",
                        "#define A 1\n#define B (A |\n", "ids.h", 2, "#define B"},
        MalformedScript{"IncludeOfItself", "#include \"ids.h\"\n", "#include \"ids.h\"\n",
                        "ids.h", 1, "nested too deeply"},
        MalformedScript{"ConflictingRedefinition", "#define A 1\n#define A 2\n", nullptr,
                        "test.rc", 2, "A is redefined"},
        MalformedScript{"CodePageOtherThanUtf8", "#pragma code_page(1252)\n", nullptr,
                        "test.rc", 1, "code page 1252"},
        MalformedScript{"MenuCommandBeyond16Bits",
                        "1 MENU\nBEGIN\n POPUP \"p\"\n BEGIN\n  MENUITEM \"a\", 65536\n", nullptr,
                        "test.rc", 5, "menu command 65536 is outside 0 to 65535"},
        MalformedScript{"MenuOptionMisspelt",
                        "1 MENU\nBEGIN\n MENUITEM \"a\", 5, GREYED\nEND\n", nullptr, "test.rc", 3,
                        "expected GRAYED, INACTIVE"},
        MalformedScript{"MenuPopupsNestedTooDeeply",
                        "1 MENU\nBEGIN\n" + [] {
                            std::string popups;
                            for (int i = 0; i < 17; ++i) popups += "POPUP \"p\" BEGIN\n";
                            return popups;
                        }(),
                        nullptr, "test.rc", 19, "nested too deeply"},
        MalformedScript{"MenuDefinedTwice", "1 MENU\nBEGIN\nEND\n1 MENU\nBEGIN\nEND\n", nullptr,
                        "test.rc", 4, "menu 1 is defined twice"},
        MalformedScript{"DialogDefinedTwice",
                        "1 DIALOG 0,0,1,1\nBEGIN\nEND\n1 DIALOGEX 0,0,1,1\nBEGIN\nEND\n", nullptr,
                        "test.rc", 4, "dialog 1 is defined twice"},
        MalformedScript{"UnknownVersionBlock",
                        "1 VERSIONINFO\nFILEVERSION 1,0\nBEGIN\n  BLOCK \"Other\"\n", nullptr,
                        "test.rc", 4, "\"StringFileInfo\" or \"VarFileInfo\""},
        MalformedScript{"AcceleratorWithoutVirtkey", "1 ACCELERATORS\nBEGIN\n \"A\", 5, CONTROL\nEND\n",
                        nullptr, "test.rc", 3, "only VIRTKEY"},
        // As a virtual key, "a" would be VK_NUMPAD1.
        MalformedScript{"AcceleratorLowerCaseKey", "1 ACCELERATORS\nBEGIN\n \"a\", 5, VIRTKEY\nEND\n",
                        nullptr, "test.rc", 3, "one capital letter or digit"},
        MalformedScript{"AcceleratorKeyOutOfRange", "1 ACCELERATORS\nBEGIN\n 0x1FF, 5, VIRTKEY\nEND\n",
                        nullptr, "test.rc", 3, "virtual key 511"},
        MalformedScript{"AcceleratorCommandOutOfRange",
                        "1 ACCELERATORS\nBEGIN\n \"A\",\n 65536, VIRTKEY\nEND\n", nullptr, "test.rc", 4,
                        "command 65536"},
        MalformedScript{"AcceleratorUnknownOption", "1 ACCELERATORS\nBEGIN\n \"A\", 5, VIRTKEY, CTRL\nEND\n",
                        nullptr, "test.rc", 3, "found 'CTRL'"},
        MalformedScript{"AcceleratorsDefinedTwice",
                        "1 ACCELERATORS\nBEGIN\nEND\n1 ACCELERATORS\nBEGIN\nEND\n", nullptr, "test.rc", 4,
                        "accelerator table 1 is defined twice"},
        MalformedScript{"VersionPartTooLarge", "1 VERSIONINFO\nFILEVERSION 1,70000\n", nullptr,
                        "test.rc", 2, "70000"},
        MalformedScript{"StringDefinedTwice", "STRINGTABLE\nBEGIN\n 7 \"a\"\n 7 \"b\"\nEND\n",
                        nullptr, "test.rc", 4, "string 7 is defined twice"},
        MalformedScript{"IconDefinedTwice", "1 ICON \"a.ico\"\n1 ICON \"b.ico\"\n", nullptr,
                        "test.rc", 2, "icon 1 is defined twice"},
        // Numbers are range-checked, never narrowed: 4294967295 is not -1, 65537 not 1.
        MalformedScript{"StringIdBeyond16Bits", "STRINGTABLE BEGIN 4294967295 \"x\" -1 \"y\" END\n",
                        nullptr, "test.rc", 1, "string ID 4294967295 is outside 0 to 65535"},
        MalformedScript{"NegativeStringId", "STRINGTABLE BEGIN\n-1 \"y\" END\n", nullptr,
                        "test.rc", 2, "string ID -1 is outside 0 to 65535"},
        MalformedScript{"ResourceIdBeyond16Bits", "65537 ICON \"a.ico\"\n", nullptr, "test.rc",
                        1, "resource ID 65537 is outside 0 to 65535"},
        MalformedScript{"ControlIdBeyond16Bits",
                        "1 DIALOG 0,0,1,1\nBEGIN\n PUSHBUTTON \"a\",0xFFFFFFFF,0,0,1,1\nEND\n",
                        nullptr, "test.rc", 3, "control ID 4294967295 is outside -1 to 65535"},
        MalformedScript{"CoordinateBeyond16Bits", "1 DIALOG 0,0,40000,1\n", nullptr, "test.rc", 1,
                        "position or size 40000 is outside -32768 to 32767"},
        MalformedScript{"PrimaryLanguageBeyond10Bits", "LANGUAGE 1024, 1\n", nullptr, "test.rc",
                        1, "primary language 1024"},
        MalformedScript{"StyleBeyond32Bits", "1 DIALOG 0,0,1,1\nSTYLE 1 | -0xFFFFFFFF\n", nullptr,
                        "test.rc", 2, "value -4294967295 does not fit in 32 bits"}),
    [](const ::testing::TestParamInfo<MalformedScript>& info) { return info.param.name; });

TEST(ResourceScriptLimits, EachRangeReachesItsEdges) {
    resource::ParseOutcome outcome = ParseText(
        "LANGUAGE 1023, 63\nSTRINGTABLE BEGIN 0 \"low\" 65535 \"high\" END\n"
        "65535 DIALOG -32768, 32767, 0, 0\nSTYLE 0xFFFFFFFF | -0x80000000\n"
        "BEGIN\n LTEXT \"a\", -1, 0, 0, 1, 1\n PUSHBUTTON \"b\", 65535, 0, 0, 1, 1\nEND\n");
    ASSERT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    const resource::DialogTemplate& dialog = outcome.script.dialogs.at(0);
    EXPECT_EQ(dialog.id, 65535);
    EXPECT_EQ(dialog.rect, (resource::Rect{-32768, 32767, 0, 0}));
    EXPECT_EQ(dialog.style, 0xFFFFFFFFu);
    EXPECT_EQ(dialog.controls.at(0).id, -1);
    EXPECT_EQ(dialog.controls.at(1).id, 65535);
    EXPECT_EQ(outcome.script.strings.at(1).first, 65535);
}

// Parentheses and minus signs nest by recursion: past a bound they are an error, not a stack
// overflow.
TEST(ResourceScriptLimits, DeeplyNestedExpressionsAreRefused) {
    const auto nested = [](int depth) {
        return std::string(depth, '(') + "1" + std::string(depth, ')');
    };
    EXPECT_TRUE(ParseText("#define X " + nested(256) + "\n").ok());
    for (const std::string& script :
         {"#define X " + nested(40000) + "\n",
          "#define A 1\nSTRINGTABLE BEGIN " + std::string(100000, '-') + "A \"x\" END\n"}) {
        resource::ParseOutcome outcome = ParseText(script);
        ASSERT_FALSE(outcome.ok());
        EXPECT_THAT(outcome.error->message, HasSubstr("nested too deeply"));
    }
}

// Each inclusion of a file counts again, so a small include tree can multiply its text: the
// tokens and the text of one parse are bounded, and passing a bound is an error.
TEST(ResourceScriptLimits, IncludeTreesThatMultiplyTheirTextAreRefused) {
    std::map<std::string, std::string> tree;
    for (int level = 0; level < 10; ++level) {
        const std::string next = "level" + std::to_string(level + 1) + ".h";
        tree["level" + std::to_string(level) + ".h"] =
            "#include \"" + next + "\"\n#include \"" + next + "\"\n";
    }
    std::string leaf;
    for (int line = 0; line < 600; ++line) leaf += "LANGUAGE 10, 3\n";
    tree["level10.h"] = leaf;  // 2^10 inclusions of 2400 tokens
    resource::ParseOutcome outcome = ParseText("#include \"level0.h\"\n", tree);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error->file, "level10.h");
    EXPECT_THAT(outcome.error->message, HasSubstr("too many tokens"));

    const std::map<std::string, std::string> megabyte = {{"big.h", "// " + std::string(1 << 20, 'x')}};
    std::string script;
    for (int copy = 0; copy < 17; ++copy) script += "#include \"big.h\"\n";
    outcome = ParseText(script, megabyte);
    ASSERT_FALSE(outcome.ok());
    EXPECT_THAT(outcome.error->message, HasSubstr("too much text"));
}

// Runs each test under the single-byte Turkish locale that the build makes in
// ZELMARA_LOCALE_DIR, as Qt would set it from the environment; skipped where there is none.
class ResourceScriptUnderTurkishLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current != nullptr ? current : "C";
        setenv("LOCPATH", ZELMARA_LOCALE_DIR, 1);
        if (std::setlocale(LC_ALL, "tr_TR.ISO-8859-9") == nullptr)
            GTEST_SKIP() << "no tr_TR.ISO-8859-9 locale in " ZELMARA_LOCALE_DIR;
        // What makes the locale a trap: an accented letter, and a dotless lower-case I.
        ASSERT_NE(std::isalpha(0xE9), 0);
        ASSERT_EQ(std::tolower('I'), 0xFD);
    }
    void TearDown() override {
        std::setlocale(LC_ALL, saved_.c_str());
        unsetenv("LOCPATH");
    }

private:
    std::string saved_;
};

TEST_F(ResourceScriptUnderTurkishLocale, AnAccentedByteIsNoPartOfAName) {
    resource::ParseOutcome outcome = ParseText("\n#define ID_CAF\xE9 1\n");
    ASSERT_FALSE(outcome.ok()) << "the byte 0xE9 was read as a letter";
    EXPECT_EQ(outcome.error->line, 2);
    EXPECT_THAT(outcome.error->message, HasSubstr("unexpected character"));
}

TEST_F(ResourceScriptUnderTurkishLocale, PlatformHeaderNamesIgnoreTheCaseOfAnI) {
    // "WINDOWS.H" is the built-in header only if 'I' and 'i' compare equal.
    resource::ParseOutcome outcome =
        ParseText("#include \"WINDOWS.H\"\n1 DIALOG 0, 0, 10, 10\nSTYLE WS_POPUP\nBEGIN\nEND\n");
    ASSERT_TRUE(outcome.ok()) << outcome.error->line << ": " << outcome.error->message;
    EXPECT_EQ(outcome.script.dialogs.at(0).style, WS_POPUP);
}

}  // namespace
