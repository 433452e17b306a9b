#include "resource_script_parser.h"

#include <string>

namespace resource::detail {
namespace {

constexpr ValueRange kVersionPart{0, 0xFFFF, "version part"};
constexpr ValueRange kLanguageId{0, 0xFFFF, "language"};
constexpr ValueRange kCodePage{0, 0xFFFF, "code page"};

// Up to four comma-separated parts, each 0 to 65535; parts left out are 0.
bool ReadVersion(TokenCursor& in, std::uint16_t (&parts)[4]) {
    for (int i = 0; i < 4; ++i) {
        int value = 0;
        if (!in.ReadInt(value, "a version number", kVersionPart)) return false;
        parts[i] = static_cast<std::uint16_t>(value);
        if (!in.AcceptPunct(',')) break;
    }
    return true;
}

bool ReadFlags(TokenCursor& in, std::uint32_t& out) {
    return in.ReadStyle(0, out, "a number");
}

bool ParseFixedInfo(TokenCursor& in, VersionBlock& version) {
    while (!in.AtKeyword("BEGIN") && !in.AtPunct('{')) {
        bool ok;
        if (in.AcceptKeyword("FILEVERSION"))
            ok = ReadVersion(in, version.fileVersion);
        else if (in.AcceptKeyword("PRODUCTVERSION"))
            ok = ReadVersion(in, version.productVersion);
        else if (in.AcceptKeyword("FILEFLAGSMASK"))
            ok = ReadFlags(in, version.fileFlagsMask);
        else if (in.AcceptKeyword("FILEFLAGS"))
            ok = ReadFlags(in, version.fileFlags);
        else if (in.AcceptKeyword("FILEOS"))
            ok = ReadFlags(in, version.fileOS);
        else if (in.AcceptKeyword("FILETYPE"))
            ok = ReadFlags(in, version.fileType);
        else if (in.AcceptKeyword("FILESUBTYPE"))
            ok = ReadFlags(in, version.fileSubtype);
        else
            return in.FailExpected("FILEVERSION, PRODUCTVERSION, FILEFLAGSMASK, FILEFLAGS, "
                                   "FILEOS, FILETYPE, FILESUBTYPE or BEGIN");
        if (!ok) return false;
    }
    return true;
}

// BEGIN BLOCK "<key>" BEGIN VALUE "name", "text" ... END END
bool ParseStringFileInfo(TokenCursor& in, VersionBlock& version) {
    Token outer, inner;
    if (!ExpectBlockStart(in, outer)) return false;
    while (!AcceptBlockEnd(in, outer) && !in.error()) {
        const Token at = in.Peek();
        if (!in.ExpectKeyword("BLOCK")) return false;
        if (!version.stringTableKey.empty())
            return in.FailAt(at, "only one string table is supported in \"StringFileInfo\"");
        if (!in.ReadString(version.stringTableKey, "the quoted key of the string table") ||
            !ExpectBlockStart(in, inner))
            return false;
        while (!AcceptBlockEnd(in, inner) && !in.error()) {
            std::pair<std::string, std::string> entry;
            if (!(in.ExpectKeyword("VALUE") && in.ReadString(entry.first, "the quoted name") &&
                  in.ExpectPunct(',') && in.ReadString(entry.second, "the quoted value")))
                return false;
            version.strings.push_back(std::move(entry));
        }
    }
    return !in.error();
}

// BEGIN VALUE "Translation", language, code page [, language, code page ...] END
bool ParseVarFileInfo(TokenCursor& in, VersionBlock& version) {
    Token begin;
    if (!ExpectBlockStart(in, begin)) return false;
    while (!AcceptBlockEnd(in, begin) && !in.error()) {
        std::string name;
        if (!in.ExpectKeyword("VALUE")) return false;
        const Token at = in.Peek();
        if (!in.ReadString(name, "\"Translation\"")) return false;
        if (name != "Translation")
            return in.FailAt(at, "expected \"Translation\", found \"" + name + "\"");
        while (in.AcceptPunct(',')) {
            std::pair<int, int> translation;
            if (!(in.ReadInt(translation.first, "a language", kLanguageId) && in.ExpectPunct(',') &&
                  in.ReadInt(translation.second, "a code page", kCodePage)))
                return false;
            version.translations.push_back(translation);
        }
    }
    return !in.error();
}

}  // namespace

bool ParseVersionInfo(TokenCursor& in, VersionBlock& version) {
    Token begin;
    if (!ParseFixedInfo(in, version) || !ExpectBlockStart(in, begin)) return false;
    while (!AcceptBlockEnd(in, begin) && !in.error()) {
        std::string blockName;
        const Token at = in.Peek(1);
        if (!in.ExpectKeyword("BLOCK") ||
            !in.ReadString(blockName, "\"StringFileInfo\" or \"VarFileInfo\""))
            return false;
        bool ok;
        if (blockName == "StringFileInfo")
            ok = ParseStringFileInfo(in, version);
        else if (blockName == "VarFileInfo")
            ok = ParseVarFileInfo(in, version);
        else
            return in.FailAt(at, "expected \"StringFileInfo\" or \"VarFileInfo\", found \"" +
                                     blockName + "\"");
        if (!ok) return false;
    }
    return !in.error();
}

}  // namespace resource::detail
