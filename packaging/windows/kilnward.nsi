; The Kilnward installer: the program folder under Program Files with everything that ships
; next to the program, a Start menu entry and an uninstaller registered with Windows.
; makensis -DVERSION=2.0.22 -DSTAGE=<program folder> -DOUTFILE=<setup.exe> kilnward.nsi
Unicode true
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef STAGE
  !error "STAGE (the program folder to install) is not defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "Kilnward-${VERSION}-setup.exe"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kilnward"

Name "Kilnward ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kilnward"
InstallDirRegKey HKLM "Software\Kilnward" "InstallDir"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Kilnward"
VIAddVersionKey "FileDescription" "Kilnward installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Kilnward developers"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Kilnward.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"

Section "Kilnward" SecMain
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Kilnward"
  CreateShortCut "$SMPROGRAMS\Kilnward\Kilnward.lnk" "$INSTDIR\Kilnward.exe"
  CreateShortCut "$SMPROGRAMS\Kilnward\Uninstall Kilnward.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "Software\Kilnward" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kilnward"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kilnward developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kilnward.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's Config.ini and Config.txt live in %APPDATA%\Kilnward and stay: they are the
; user's settings, kept for a later installation.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Kilnward\Kilnward.lnk"
  Delete "$SMPROGRAMS\Kilnward\Uninstall Kilnward.lnk"
  RMDir "$SMPROGRAMS\Kilnward"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Kilnward"
SectionEnd
