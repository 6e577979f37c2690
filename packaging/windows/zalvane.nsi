; The Windows installer of the Zalvane Gaming Mouse utility. scripts/package makes the
; program folder and the lists of its files, then runs makensis on this script with:
;   VERSION  "1.0"           OUTFILE  the installer to write
;   FILES    the file lists  ICON     the program's icon (also the installer's)
;
; The program is a 64-bit program, so the installer is one too: it installs into the 64-bit
; Program Files and writes the 64-bit registry view. The program keeps its settings in its
; own folder: an upgrade replaces the program's files but never the user's profiles,
; captions, profile list and macros; the uninstaller keeps those unless the user ticks
; "Profiles and macros" (or passes /REMOVEPROFILES to a silent uninstall).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!ifndef VERSION | FILES | ICON | OUTFILE
  !error "scripts/package passes VERSION, FILES, ICON and OUTFILE"
!endif

!define PRODUCT "Zalvane Gaming Mouse"
!define PUBLISHER "Zalvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zalvane"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; The program holds this mutex while it runs (one copy at a time).
!define PROGRAM_MUTEX "KWRZ904NewVerMutex"
!define SYNCHRONIZE 0x00100000

!include "${FILES}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Zalvane"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Zalvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Your profiles and macros stay in the program folder for a later install unless you tick them here."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Replacing the files of a running program fails half-way, so both the installer and the
; uninstaller wait until the user has closed it (a silent run gives up at once, status 2).
!macro WaitUntilProgramClosed
  ${Do}
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${PROGRAM_MUTEX}") p .r0'
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running.$\r$\n$\r$\nChoose Exit from its icon in the notification area, then Retry." /SD IDCANCEL IDRETRY +3
    SetErrorLevel 2
    Quit
  ${Loop}
!macroend

; Program Files and the uninstall entry are the administrators'; where elevation is not
; offered (no UAC), a standard user is told so before anything is written.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_OK|MB_ICONSTOP "Administrator rights are needed to change ${PRODUCT} in Program Files." /SD IDOK
    SetErrorLevel 740 ; the system's "the requested operation requires elevation"
    Quit
  ${EndIf}
!macroend

Section "-Program"
  SetOutPath "$INSTDIR"
  !insertmacro InstallProgramFiles
  !insertmacro InstallUserFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\Zalvane.exe" "" "$INSTDIR\Zalvane.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zalvane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.${PRODUCT}" UN_PROGRAM
  SectionIn RO
  !insertmacro RemoveProgramFiles
  Delete "$INSTDIR\Uninstall.exe"
  SetShellVarContext all
  Delete "${SHORTCUT}"
SectionEnd

Section /o "un.Profiles and macros" UN_PROFILES
  !insertmacro RemoveUserFiles
SectionEnd

; Last: Add/Remove Programs lists the program until its files are gone.
Section "-un.Finish"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UN_PROGRAM} "The program, its skin and its factory settings."
  !insertmacro MUI_DESCRIPTION_TEXT ${UN_PROFILES} "Your six profiles, their button captions, the profile list and your macros."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function .onInit
  !insertmacro RequireAdministrator
  !insertmacro WaitUntilProgramClosed
FunctionEnd

Function un.onInit
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 "/REMOVEPROFILES" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UN_PROFILES}
  ${EndIf}
  !insertmacro RequireAdministrator
  !insertmacro WaitUntilProgramClosed
FunctionEnd
