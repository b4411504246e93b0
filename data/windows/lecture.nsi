; The Windows installer of Lecture, made by scripts/build-windows.sh:
;   makensis -DVERSION=1.0.0 -DSOURCE=<folder> -DOUTFILE=<setup.exe>
;            -DFILES=<files.nsh> -DREMOVE=<remove.nsh> -DSIZE_KB=<n> lecture.nsi
; SOURCE is the laid-out build-windows/Lecture folder; FILES and REMOVE list
; its files and folders, so that the uninstaller removes exactly what was
; installed and nothing an administrator put beside it. The users' settings
; live in their own application-data folders and are left alone.

Unicode true
; 64-bit stubs: the program is 64-bit, and so is the Wine it is tested on.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include x64.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lecture"

Name "Lecture"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Lecture"
BrandingText "Lecture ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "Lecture"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de Lecture"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "Les auteurs de Lecture"
!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
  ; For every user of the machine, in the 64-bit registry and folders.
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Lecture"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The menu entry starts the game in its folder, where it finds images\.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\Lecture.lnk" "$INSTDIR\lecture.exe"

  WriteRegStr HKLM "${KEY}" "DisplayName" "Lecture"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "Publisher" "Les auteurs de Lecture"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\lecture.exe"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Lecture.lnk"
  !include "${REMOVE}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only once empty: whatever else was put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
