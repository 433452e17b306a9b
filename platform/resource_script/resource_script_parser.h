#pragma once

// The recursive-descent stage of the resource-script reader, over preprocessed tokens.

#include "resource_script/resource_script.h"
#include "resource_script_cursor.h"
#include "resource_script_lexer.h"

#include <vector>

namespace resource::detail {

// Reads the resource statements (LANGUAGE, STRINGTABLE and ID-led DIALOG, DIALOGEX, ICON,
// BITMAP, MENU, ACCELERATORS, VERSIONINFO) into script; on failure the cursor holds the error.
// A resource ID
// defined twice for the same kind of resource is an error.
bool ParseStatements(TokenCursor& in, ResourceScript& script);

// Reads a dialog after its DIALOG or DIALOGEX keyword: rectangle, STYLE, EXSTYLE, CAPTION,
// FONT and the BEGIN ... END block of controls. Without STYLE the style is
// WS_POPUP | WS_BORDER | WS_SYSMENU; FONT adds DS_SETFONT.
bool ParseDialog(TokenCursor& in, DialogTemplate& dialog);

// Reads a version block after its VERSIONINFO keyword: the fixed fields, then one
// "StringFileInfo" block holding one string table and one "VarFileInfo" block.
bool ParseVersionInfo(TokenCursor& in, VersionBlock& version);

// Reads an accelerator table after its ACCELERATORS keyword: BEGIN, then entries
// "key", command, VIRTKEY [, CONTROL] [, SHIFT] [, ALT] [, NOINVERT] (the key a quoted capital
// letter or digit, or a virtual-key value 1 ... 254; options in any order), then END.
bool ParseAccelerators(TokenCursor& in, AcceleratorTable& table);
// Reads a menu after its MENU keyword: the BEGIN ... END block of MENUITEM and POPUP
// statements. Popups nest at most kMaxMenuDepth deep; a command ID is 0 to 65535.
bool ParseMenu(TokenCursor& in, MenuTemplate& menu);
inline constexpr int kMaxMenuDepth = 16;

// Consumes BEGIN or '{' and returns it in begin, for the error of a block never closed.
bool ExpectBlockStart(TokenCursor& in, Token& begin);

// True when END or '}' came next and was consumed. At the end of the file, records that the
// block opened by begin has no END and returns false: callers loop while this is false and
// no error is recorded.
bool AcceptBlockEnd(TokenCursor& in, const Token& begin);

}  // namespace resource::detail
