#pragma once

// The common dialogs: the save-file dialog.

#include "afx_file_dialog.h"
#include "afxwin.h"
