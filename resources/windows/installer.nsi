; The Orebell installer for 64-bit Windows: for the current user (the default, no administrator
; needed) or for all users, a Start-menu entry, an entry in Apps, and an uninstaller that removes
; the program and nothing of the player's: the settings (HKCU\Software\VB and VBA Program
; Settings\Orebell_III) and the mining log (%LOCALAPPDATA%\Orebell) stay for a later install.
;
;   makensis -DVERSION=x.y.z -DSOURCE=<installed folder> -DFILES=<files.nsh> -DOUTFILE=<setup.exe> installer.nsi
;
; FILES defines OREBELL_DELETE_FILES, OREBELL_COUNT_LEFT and OREBELL_REMOVE_FOLDERS over exactly
; the files installed (scripts/windows/package.sh writes it).
;
; Silent: Setup.exe /S [/CurrentUser | /AllUsers] [/D=folder]; Uninstall.exe /S. The uninstaller
; undoes the way its own folder was installed (per user or for all users) whatever it is given.
; A running Orebell from the folder is asked to close, as Windows asks at logoff; if it stays, or
; a file cannot be removed, nothing is reported as done: the uninstaller ends with exit code 2
; (seen by the caller with _?=<folder>) and the Apps entry stays for another try.
Unicode true
; A 64-bit installer for a 64-bit program: it also runs where only 64-bit Windows programs can (wine64).
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define APPNAME "Orebell"
!define EXE "Orebell_III.exe"
!define PUBLISHER "Orebell developers"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orebell"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
; Per user unless the player chooses otherwise, or Orebell is already installed for all users only.
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTKEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Orebell"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include "${FILES}"

Name "${APPNAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APPNAME} ${VERSION}"
!define MUI_ICON "orebell.ico"
!define MUI_UNICON "orebell.ico"
; Made from resources/orebell.svg by scripts/windows/make-icon.sh.
!define MUI_WELCOMEFINISHPAGE_BITMAP "installer-welcome.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "installer-welcome.bmp"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "installer-header.bmp"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APPNAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${APPNAME} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

; "|pid|pid|": the Orebell processes running from $INSTDIR.
Var Running
; 1 when the Apps entry and the Start-menu shortcut of the mode in use are this folder's.
Var OwnEntry

; The same functions for the installer (which may replace a running copy) and the uninstaller.
!macro OREBELL_PROCESS_FUNCTIONS UN STRFUNC
; $Running: every process whose image is $INSTDIR\Orebell_III.exe (a copy elsewhere is not ours).
Function ${UN}FindRunning
  StrCpy $Running "|"
  System::Alloc 16384
  Pop $1
  System::Call "kernel32::K32EnumProcesses(p r1, i 16384, *i .r2) i .r0"
  ${If} $0 <> 0
    IntOp $2 $2 / 4
    StrCpy $3 0
    ${DoWhile} $3 < $2
      IntOp $4 $3 * 4
      IntPtrOp $5 $1 + $4
      System::Call "*$5(i .r6)"
      ; PROCESS_QUERY_LIMITED_INFORMATION
      System::Call "kernel32::OpenProcess(i 0x1000, i 0, i r6) p .r7"
      ${If} $7 P<> 0
        StrCpy $8 ${NSIS_MAX_STRLEN}
        System::Call "kernel32::QueryFullProcessImageNameW(p r7, i 0, w .r9, *i r8) i .r0"
        System::Call "kernel32::CloseHandle(p r7)"
        ${If} $0 <> 0
        ${AndIf} $9 == "$INSTDIR\${EXE}"
          StrCpy $Running "$Running$6|"
        ${EndIf}
      ${EndIf}
      IntOp $3 $3 + 1
    ${Loop}
  ${EndIf}
  System::Free $1
FunctionEnd

; What taskkill without /F does: WM_CLOSE to each top-level window of those processes, which
; Orebell answers as the player's own close, saving its settings and the trip in progress.
Function ${UN}AskToClose
  StrCpy $1 0
  ${Do}
    System::Call "user32::FindWindowExW(p 0, p r1, p 0, p 0) p .r1"
    ${If} $1 P= 0
      ${Break}
    ${EndIf}
    System::Call "user32::GetWindowThreadProcessId(p r1, *i .r2)"
    ${${STRFUNC}StrStr} $3 $Running "|$2|"
    ${If} $3 != ""
      System::Call "user32::PostMessageW(p r1, i 0x10, p 0, p 0)"
    ${EndIf}
  ${Loop}
FunctionEnd

; Returns with Orebell no longer running from $INSTDIR, or aborts with nothing changed.
Function ${UN}CloseRunning
  Call ${UN}FindRunning
  ${If} $Running == "|"
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONINFORMATION "Orebell is running. OK closes it, saving your settings and the trip in progress as when you close it yourself; Cancel stops here and changes nothing." /SD IDOK IDOK close
  Abort "Orebell is running: nothing was changed."
  close:
  DetailPrint "Closing Orebell"
  Call ${UN}AskToClose
  ; Its exit save takes well under a second; a message of its own could hold it longer.
  StrCpy $R9 0
  ${Do}
    Sleep 250
    Call ${UN}FindRunning
    ${If} $Running == "|"
      Return
    ${EndIf}
    IntOp $R9 $R9 + 1
  ${LoopUntil} $R9 >= 60
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Orebell did not close: a message of its own may be waiting for an answer, or it runs in another user's session. Close it, then choose Retry." /SD IDCANCEL IDRETRY close
  Abort "Orebell is still running: nothing was changed."
FunctionEnd
!macroend

!insertmacro OREBELL_PROCESS_FUNCTIONS "" ""
!insertmacro OREBELL_PROCESS_FUNCTIONS "un." "Un"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "Orebell needs a 64-bit Windows."
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Section "Orebell"
  Call CloseRunning
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APPNAME}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
  ; Apps shows the size in KB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $0
SectionEnd

; 1 in $OwnEntry when the mode's Apps entry names this folder.
Function un.ReadOwnEntry
  StrCpy $OwnEntry 0
  ReadRegStr $0 SHCTX "${UNINSTKEY}" "InstallLocation"
  ${If} $0 != ""
    GetFullPathName $0 $0
    ${If} $0 == $INSTDIR
      StrCpy $OwnEntry 1
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  ; This folder is the one to remove: MultiUser would take the Apps entry's folder instead.
  GetFullPathName $R0 $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  StrCpy $INSTDIR $R0
  ; Without /CurrentUser or /AllUsers (as when run from the folder), the mode is the one this
  ; folder was installed in: the Apps entry that names it.
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 "/CurrentUser" $1
  ${If} ${Errors}
    ClearErrors
    ${un.GetOptions} $0 "/AllUsers" $1
    ${If} ${Errors}
      ReadRegStr $1 HKCU "${UNINSTKEY}" "InstallLocation"
      ReadRegStr $2 HKLM "${UNINSTKEY}" "InstallLocation"
      ${If} $1 != ""
        GetFullPathName $1 $1
      ${EndIf}
      ${If} $2 != ""
        GetFullPathName $2 $2
      ${EndIf}
      ${If} $1 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
      ${ElseIf} $2 == $INSTDIR
        ${If} $MultiUser.Privileges != "Admin"
        ${AndIf} $MultiUser.Privileges != "Power"
          MessageBox MB_OK|MB_ICONSTOP "Orebell is installed for all users of this computer: run the uninstaller as an administrator." /SD IDOK
          SetErrorLevel 2
          Quit
        ${EndIf}
        Call un.MultiUser.InstallMode.AllUsers
      ${EndIf}
      StrCpy $INSTDIR $R0
    ${EndIf}
  ${EndIf}
  Call un.ReadOwnEntry
FunctionEnd

Section "Uninstall"
  Call un.CloseRunning
  ; Exactly the files the installer wrote, so that a folder the player chose keeps anything else.
  !insertmacro OREBELL_DELETE_FILES
  StrCpy $R1 0
  StrCpy $R2 ""
  !insertmacro OREBELL_COUNT_LEFT $R1 $R2
  ${If} $R1 > 0
    ; The uninstaller, the shortcut and the Apps entry stay, for another try once the files are free.
    MessageBox MB_OK|MB_ICONSTOP "$R1 of Orebell's files are in use by another program and could not be removed:$\r$\n$R2$\r$\nClose that program, then uninstall Orebell again." /SD IDOK
    Abort "$R1 files could not be removed: Orebell is not uninstalled."
  ${EndIf}
  !insertmacro OREBELL_REMOVE_FOLDERS
  ; Fails, as it should, when run as Uninstall.exe _?=<folder>: the caller removes it.
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ${If} $OwnEntry == 1
    Delete "$SMPROGRAMS\${APPNAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTKEY}"
  ${EndIf}
SectionEnd
