; The Windows installer of one architecture, made by makensis (cmake/WindowsPackaging.cmake).
; Defines it needs on the command line:
;   VERSION      the project version, as shown to users
;   FILE_VERSION the same as four numbers, for the file's version block
;   ARCH         win32 or win64
;   PROGRAMS     the folder holding the stripped zelmara.exe and zelmara-scan.exe
;   ICON         the program's icon (res/zelmara.ico)
;   PUBLISHER    the publisher shown in the list of installed programs
;   OUTFILE      the installer to write
;
; /S installs silently; /D=FOLDER (last, unquoted) installs elsewhere. The uninstaller removes
; exactly what was installed, its registry key and the Start-menu entry, and the folder only if
; nothing else is left in it.

Unicode true
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include x64.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelmara"
!define UNINSTALLER "desinstalar.exe"
!define SHORTCUT "$SMPROGRAMS\Zelmara.lnk"

Name "Zelmara"
OutFile "${OUTFILE}"
BrandingText "Zelmara ${VERSION}"
!if "${ARCH}" == "win64"
  InstallDir "$PROGRAMFILES64\Zelmara"
!else
  InstallDir "$PROGRAMFILES\Zelmara"
!endif

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1034 "ProductName" "Zelmara"
VIAddVersionKey /LANG=1034 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1034 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1034 "FileDescription" "Instalación de Zelmara"
VIAddVersionKey /LANG=1034 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1034 "LegalCopyright" "© ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; No "run Zelmara now" box: the installer runs as administrator, and so would the program.
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Spanish"

Function .onInit
  SetShellVarContext all
!if "${ARCH}" == "win64"
  ; The installer itself is a 32-bit program: the 64-bit registry view is asked for explicitly.
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Esta versión de Zelmara es para Windows de 64 bits. En Windows de 32 bits instale la versión de 32 bits (win32)." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
!endif
FunctionEnd

Function un.onInit
  SetShellVarContext all
!if "${ARCH}" == "win64"
  SetRegView 64
!endif
FunctionEnd

Section "Zelmara"
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}\zelmara-scan.exe"
  File "${PROGRAMS}\zelmara.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\zelmara.exe"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zelmara"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zelmara.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\zelmara.exe"
  Delete "$INSTDIR\zelmara-scan.exe"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
