/* The framework's standard identifiers that a resource script may use, with their standard
   values. A resource compiler finds this file before the system's afxres.h (MinGW's lacks
   ID_HELP) and gets the system's names from winres.h. The layer's own resource-script reader
   has the same names built in. */
#ifndef ZELMARA_AFXRES_H
#define ZELMARA_AFXRES_H

#ifdef RC_INVOKED
#include <winres.h>
#endif

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

#endif
