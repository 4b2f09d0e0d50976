; The Windows installer, made by scripts/package-windows.sh (VERSION, STAGE, OUTFILE given):
; into Program Files, a Start-menu entry, an uninstaller listed under Apps. The uninstaller
; removes only the files it installed: a birthday.dat beside the program, the user's data in
; the application-data folder and the settings under the registry key all stay.
Unicode true
!include "MUI2.nsh"

Name "Candlewatcher"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Candlewatcher"
InstallDirRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Candlewatcher" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Candlewatcher"

Section "Candlewatcher"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Candlewatcher.lnk" "$INSTDIR\candlewatcher.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Candlewatcher"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Marrowfell"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\candlewatcher.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Candlewatcher.lnk"
  ; The installed files one by one, never the folder with all in it: the user's events may
  ; be in it.
  !include "${STAGE}\..\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
