#pragma once

// Shared helpers of the resource-script tests: reading the real files of res/, parsing scripts
// held in memory, and the standard Windows values of the style names the tests check.

#include "resource_script/resource_script.h"

#include <cstdint>
#include <map>
#include <string>

namespace resource_test {

// The text of a file of res/, or an empty string when it cannot be read.
std::string ReadResFile(const std::string& name);

// Parses the real res/zelmara.rc, with its includes read from res/.
resource::ParseOutcome ParseRealScript();

// Parses script as "test.rc", with includes served from files (name to text).
resource::ParseOutcome ParseText(const std::string& script,
                                 const std::map<std::string, std::string>& files = {});

// Standard values, written out here so that the parser's own table is checked against them.
inline constexpr std::uint32_t WS_POPUP = 0x80000000, WS_CHILD = 0x40000000,
                               WS_VISIBLE = 0x10000000, WS_CAPTION = 0x00C00000,
                               WS_BORDER = 0x00800000, WS_SYSMENU = 0x00080000,
                               WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000,
                               WS_EX_APPWINDOW = 0x00040000, DS_SETFONT = 0x40,
                               DS_MODALFRAME = 0x80, SS_LEFT = 0, SS_ICON = 3, SS_BITMAP = 0xE,
                               SS_NOPREFIX = 0x80, ES_AUTOHSCROLL = 0x80, BS_PUSHBUTTON = 0,
                               BS_DEFPUSHBUTTON = 1, BS_AUTOCHECKBOX = 3, LVS_REPORT = 1,
                               LVS_SHOWSELALWAYS = 8;

}  // namespace resource_test
