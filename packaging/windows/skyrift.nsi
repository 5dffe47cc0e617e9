; The Skyrift installer (made by the Windows build: makensis -DVERSION=... -DSTAGE=folder
; -DOUTFILE=... -DICON=... -DUNINSTALL_LIST=...). 64-bit: the 32-bit stub does not run everywhere
; a 64-bit game does. /S installs silently, /D=folder chooses the folder.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Skyrift"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Skyrift"
InstallDirRegKey HKLM "Software\Skyrift" "InstallDir"
RequestExecutionLevel admin
BrandingText "Skyrift ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Skyrift"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Skyrift installer"
VIAddVersionKey "CompanyName" "The Skyrift developers"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The Skyrift developers (MIT licence)"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Skyrift"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\skyrift.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The Start-menu entry is for every user, as the folder in Program Files is.
Function .onInit
  SetShellVarContext all
FunctionEnd
Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Skyrift"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Skyrift.lnk" "$INSTDIR\skyrift.exe" "" "$INSTDIR\skyrift.exe" 0
  WriteRegStr HKLM "Software\Skyrift" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Skyrift"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Skyrift developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\skyrift.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put down: the folder goes only when nothing else is left in it.
Section "Uninstall"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Skyrift.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Skyrift"
SectionEnd
