// Numeric identifiers of Zelmara's resources, shared by the resource script and the C++ code.
// Plain #defines only, so that a resource compiler reads this file as well as a C++ compiler.

// System-menu commands: the About entry, and the analysis entry, whose command the main
// dialog's shortcut also sends.
#define IDM_ABOUTBOX                    0x0010
#define IDM_ANALYSIS                    0x0020
// The force-field export entry, also in the result list's context menu.
#define IDM_EXPORT_FORCE_FIELD          0x0040

// The force-field import: its system-menu command, also sent by its context-menu entry and
// its shortcut.
#define IDM_IMPORT_FORCE_FIELD          0x0030

// Dialog templates, strings, pictures, menus and the main dialog's shortcuts.
#define IDD_ABOUTBOX                    100
#define IDS_ABOUTBOX                    101
#define IDD_MAIN_DIALOG                 102
#define IDD_ANALYSIS                    103
#define IDD_FORCE_FIELD_EXPORT          105
#define IDR_MAINFRAME                   128
#define IDB_FORMULA                     129
#define IDR_RESULTS_MENU                130
#define IDR_MAIN_ACCELERATORS           160

// Strings of the analysis entry and of the plot's save.
#define IDS_ANALYSIS                    161
#define IDS_PLOT_FILTER                 162
#define IDS_PLOT_SAVE_FAILED            163

// Strings of the result list's copy and save.
#define IDS_SAVE_FILTER                 140
#define IDS_SAVE_FAILED                 141
#define IDS_COPY_FAILED                 150

// Commands of the result list's context menu.
#define IDM_COPY                        32771
#define IDM_SELECT_ALL                  32772
#define IDM_SAVE_AS                     32773

// Controls of the main dialog. 1008 is not assigned.
#define IDC_V1                          1000
#define IDC_V2                          1001
#define IDC_V3                          1002
#define IDC_V4                          1003
#define IDC_V5                          1004
#define IDC_V6                          1005
#define IDC_COMPUTE                     1006
#define IDC_RESULTS                     1007
#define IDC_PRECISION                   1009

// Controls of the analysis dialog.
#define IDC_PLOT                        1010
#define IDC_POINTS                      1011
#define IDC_BARRIERS                    1012
#define IDC_TEMPERATURE                 1013
#define IDC_RECOMPUTE                   1014
#define IDC_SAVE_PLOT                   1015
#define IDC_ANALYSIS_NOTE               1016

// The force-field import: its dialog, its strings and its controls.
#define IDD_FORCE_FIELD_IMPORT          104
#define IDS_IMPORT_FORCE_FIELD          170
#define IDS_FORCE_FIELD_FILTER          171
#define IDS_IMPORT_NO_ROW               172
#define IDS_IMPORT_SEVERAL_ROWS         173
#define IDS_IMPORT_UNUSABLE_ROW         174
#define IDC_IMPORT_TYPES                1020
#define IDC_IMPORT_TORSIONS             1021
#define IDC_IMPORT_SUMMARY              1022
#define IDC_IMPORT_NOTES                1023
// Strings and controls of the force-field export window.
#define IDS_EXPORT_FORCE_FIELD          180
#define IDS_EXPORT_FORMATS              181
#define IDS_EXPORT_FILTERS              182
#define IDS_EXPORT_SAVE_FAILED          183
#define IDS_EXPORT_COPY_FAILED          184
#define IDS_EXPORT_TYPES_NEEDED         185
#define IDS_EXPORT_NOTHING              186
#define IDC_EXPORT_FORMAT               1030
#define IDC_EXPORT_TYPES                1031
#define IDC_EXPORT_TEXT                 1032
#define IDC_EXPORT_COPY                 1033
#define IDC_EXPORT_SAVE                 1034
// The profile fit: its system-menu command (also the context-menu entry's and the shortcut's),
// template, strings and controls.
#define IDM_FIT_PROFILE                 0x0050
#define IDD_PROFILE_FIT                 106
#define IDS_FIT_PROFILE                 190
#define IDS_FIT_FILTER                  191
#define IDS_FIT_READ_FAILED             192
#define IDC_FIT_PLOT                    1040
#define IDC_FIT_FILE                    1041
#define IDC_FIT_FIGURES                 1042
#define IDC_FIT_POINTS                  1043
#define IDC_FIT_V1                      1044
#define IDC_FIT_V2                      1045
#define IDC_FIT_V3                      1046
#define IDC_FIT_V4                      1047
#define IDC_FIT_V5                      1048
#define IDC_FIT_V6                      1049
#define IDC_FIT_CUTOFF                  1050
#define IDC_FIT_BOLTZMANN               1051
#define IDC_FIT_DIHEDRAL                1052
#define IDC_FIT_REFIT                   1053
#define IDC_FIT_NOTE                    1054
#define IDC_FIT_USE                     1055

// The help window: its template and its text.
#define IDD_HELP                        107
#define IDC_HELP_TEXT                   1060
