#pragma once

// The application framework's core: types and constants, CString, message maps, windows,
// dialogs with their field exchange, drop-down lists, menus, paint contexts with what they draw
// with, images in memory and the application object.
// Free of any toolkit type, so that the program's dialogs build on any implementation.

#include "afx_app.h"
#include "afx_combo_box.h"
#include "afx_data_exchange.h"
#include "afx_dialog.h"
#include "afx_gdi.h"
#include "afx_menu.h"
#include "afx_msgmap.h"
#include "afx_string.h"
#include "afx_types.h"
#include "afx_wnd.h"
