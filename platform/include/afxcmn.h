#pragma once

// The common controls: the list view in report mode.

#include "afx_list_ctrl.h"
#include "afxwin.h"
