; The Windows installer of Lecture, made by scripts/build-windows.sh:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DOUTFILE=<setup.exe>
;            -DFILES=<files.nsh> -DREMOVE=<remove.nsh> -DSIZE_KB=<n> lecture.nsi
; FILES and REMOVE are written by scripts/lib/installer-lists.sh from the
; one list of installed files the MSI is made from too, so that the
; uninstaller removes exactly what was installed and nothing an
; administrator put beside it. The users' settings live in their own
; application-data folders and are left alone.
;
; Lecture is installed once a machine: a new version goes into the folder of
; the installed one, whose uninstaller first removes what it had put there.
; A folder that holds anything else is refused, so that no one's files are
; overwritten or later removed; so is a machine where the MSI package
; installed Lecture.

Unicode true
; 64-bit stubs: the program is 64-bit, and so is the Wine it is tested on.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lecture"
; Written by the MSI package (data/windows/lecture.wxs) while it is installed.
!define MSI_KEY "Software\Lecture"

Name "Lecture"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Lecture"
; The installed version's folder, unless /D names one.
InstallDirRegKey HKLM "${KEY}" "InstallLocation"
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

; The folder of the installed version, empty when there is none.
Var Earlier

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderPage
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE LeaveFolderPage
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
  ReadRegStr $0 HKLM "${MSI_KEY}" "ProductCode"
  ${If} $0 != ""
    MessageBox MB_ICONSTOP|MB_OK "Lecture est déjà installé sur cet ordinateur par son paquet MSI. Il se met à jour par un paquet MSI plus récent, ou se désinstalle d'abord." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  ReadRegStr $Earlier HKLM "${KEY}" "InstallLocation"
  ${If} $Earlier != ""
  ${AndIf} $INSTDIR != $Earlier
    MessageBox MB_ICONSTOP|MB_OK "Lecture est déjà installé dans « $Earlier ». Une nouvelle version s'installe à la même place." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; $R0 := 1 when $INSTDIR may take Lecture: missing, empty, or the installed
; version's own folder; 0 when it holds anything else or is a file.
Function CheckFolder
  StrCpy $R0 1
  ${If} $Earlier != ""
  ${AndIf} $INSTDIR == $Earlier
    Return
  ${EndIf}
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    ${If} ${FileExists} "$INSTDIR"
      StrCpy $R0 0
    ${EndIf}
    Return
  ${EndIf}
  FindFirst $R1 $R2 "$INSTDIR\*.*"
  ${DoWhile} $R2 != ""
    ${If} $R2 != "."
    ${AndIf} $R2 != ".."
      StrCpy $R0 0
      ${Break}
    ${EndIf}
    FindNext $R1 $R2
  ${Loop}
  FindClose $R1
FunctionEnd

!define REFUSED "Le dossier « $INSTDIR » contient déjà des fichiers. Lecture s'installe dans un dossier vide ou nouveau, pour ne rien remplacer ni effacer."

; The installed version's folder is the only choice.
Function SkipFolderPage
  ${If} $Earlier != ""
    Abort
  ${EndIf}
FunctionEnd

Function LeaveFolderPage
  Call CheckFolder
  ${If} $R0 != 1
    MessageBox MB_ICONEXCLAMATION|MB_OK "${REFUSED}"
    Abort
  ${EndIf}
FunctionEnd

Section "Lecture"
  ; Silent runs (/S, /D=...) skip the pages and are checked here.
  Call CheckFolder
  ${If} $R0 != 1
    MessageBox MB_ICONSTOP|MB_OK "${REFUSED}" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  ; The installed version's uninstaller removes its files, menu entries and
  ; listing, in place (_?=) so that it is done when it returns; the files
  ; this version no longer has go with them.
  ${If} $Earlier != ""
  ${AndIf} ${FileExists} "$Earlier\uninstall.exe"
    ExecWait '"$Earlier\uninstall.exe" /S _?=$Earlier' $0
    ${If} $0 != 0
      MessageBox MB_ICONSTOP|MB_OK "La version installée de Lecture n'a pas pu être retirée (code $0) ; rien n'a été changé de plus." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    ; Run in place, it could not remove itself.
    Delete "$Earlier\uninstall.exe"
  ${EndIf}

  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The menu entries start the game in its folder, where it finds images\.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\Lecture.lnk" "$INSTDIR\lecture.exe"
  CreateShortCut "$SMPROGRAMS\Lecture en plein écran.lnk" "$INSTDIR\lecture.exe" "--plein-ecran"

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
  Delete "$SMPROGRAMS\Lecture en plein écran.lnk"
  !include "${REMOVE}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only once empty: whatever else was put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
