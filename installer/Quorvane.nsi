; Quorvane's setup program: a per-user install that needs no administrator rights. Built by the
; QuorvaneSetup target (installer/CMakeLists.txt), which passes:
;   VERSION (2.3), VERSION_QUAD (2.3.0.0), EXE, LICENSE, README, ICON (files to ship) and OUTFILE.
;
; Command line of setup.exe, besides NSIS's own /S (silent) and /D=folder:
;   /STARTUP=1 or /STARTUP=0  start Quorvane when the user signs in, or not; without it a new
;                             install leaves it off and an upgrade keeps what was chosen before.
; Command line of uninstall.exe, besides /S:
;   /REMOVEDATA               also remove the clipboard history and the settings.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define PRODUCT "Quorvane"
!define PUBLISHER "Harrowmere Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define COMPANY_KEY "Software\Harrowmere Software"
!define SETTINGS_KEY "${COMPANY_KEY}\Quorvane"
; The data folder is shared by the company's programs: only Quorvane's files are removed from it.
!define DATA_FOLDER "$APPDATA\Harrowmere Software"
!define START_MENU_LINK "$SMPROGRAMS\Quorvane.lnk"
!define STARTUP_LINK "$SMSTARTUP\Quorvane.lnk"
; WM_EXIT_REQUEST of mainwindow/exit_request.h: the running program exits as at its close box,
; saving its lists, without asking.
!define WM_EXIT_REQUEST 0x8051
!define EXIT_WAIT_MS 20000

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvane"
; An upgrade goes where the program already is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) Harrowmere Software, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvane.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!define MUI_PAGE_HEADER_TEXT "Start-up"
!define MUI_PAGE_HEADER_SUBTEXT "Choose how Quorvane starts."
!define MUI_COMPONENTSPAGE_TEXT_TOP "Choose whether Quorvane starts by itself when you sign in to Windows."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "Options:"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_HEADER_TEXT "Your data"
!define MUI_PAGE_HEADER_SUBTEXT "Choose whether your clipboard history goes too."
!define MUI_COMPONENTSPAGE_TEXT_TOP "Your clipboard history and settings are kept unless you tick the box."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "Options:"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Asks every running copy of the installed program to exit and waits for it, so that its file can
; be replaced and its lists are saved first. A copy that does not go (a dialog of its own is
; open) is left to the user: Retry or Cancel, and a silent run cancels.
!macro DEFINE_CLOSE_RUNNING prefix
Function ${prefix}CloseRunning
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    scan:
    StrCpy $0 0
    next:
    FindWindow $0 "#32770" "" "" $0
    ${If} $0 == 0
        Goto done
    ${EndIf}
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
    System::Call "kernel32::OpenProcess(i 0x101000, i 0, i r1) p.r2"
    ${If} $2 == 0
        Goto next
    ${EndIf}
    StrCpy $3 ""
    System::Call "kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})"
    ${If} $3 != "$INSTDIR\Quorvane.exe"
        System::Call "kernel32::CloseHandle(p r2)"
        Goto next
    ${EndIf}
    DetailPrint "Closing the running Quorvane..."
    ; Only the main window answers the request; it goes to every dialog of the process, since
    ; the first one found may be the Mini-Window or a message box.
    StrCpy $4 0
    post:
    FindWindow $4 "#32770" "" "" $4
    ${If} $4 != 0
        System::Call "user32::GetWindowThreadProcessId(p r4, *i .r3)"
        ${If} $3 == $1
            System::Call "user32::PostMessageW(p r4, i ${WM_EXIT_REQUEST}, p 0, p 0)"
        ${EndIf}
        Goto post
    ${EndIf}
    System::Call "kernel32::WaitForSingleObject(p r2, i ${EXIT_WAIT_MS}) i.r3"
    System::Call "kernel32::CloseHandle(p r2)"
    ${If} $3 != 0
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Quorvane is still running. Close it, then click Retry." /SD IDCANCEL IDRETRY scan
        SetErrorLevel 2
        Quit
    ${EndIf}
    ; The closed window may have been the scan's place: start again from the first window.
    Goto scan
    done:
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING ""
!insertmacro DEFINE_CLOSE_RUNNING "un."

Section "-Program"
    SetOutPath "$INSTDIR"
    Call CloseRunning
    File "/oname=Quorvane.exe" "${EXE}"
    File "/oname=README.txt" "${README}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "${START_MENU_LINK}" "$INSTDIR\Quorvane.exe" "" "$INSTDIR\Quorvane.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvane.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Start Quorvane when I sign in" SecStartup
SectionEnd

; Runs whether the box is ticked or not, so that unticking it on an upgrade removes the link.
Section "-Startup link"
    ${If} ${SectionIsSelected} ${SecStartup}
        CreateShortCut "${STARTUP_LINK}" "$INSTDIR\Quorvane.exe" "" "$INSTDIR\Quorvane.exe" 0
    ${Else}
        Delete "${STARTUP_LINK}"
    ${EndIf}
SectionEnd

Function .onInit
    ; An upgrade offers what the user chose last time.
    ${If} ${FileExists} "${STARTUP_LINK}"
        !insertmacro SelectSection ${SecStartup}
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/STARTUP=" $1
    ${IfNot} ${Errors}
        ${If} $1 == "1"
            !insertmacro SelectSection ${SecStartup}
        ${ElseIf} $1 == "0"
            !insertmacro UnselectSection ${SecStartup}
        ${Else}
            MessageBox MB_OK|MB_ICONSTOP "/STARTUP takes 1 or 0." /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "-un.Program"
    Call un.CloseRunning
    Delete "$INSTDIR\Quorvane.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: the folder may hold files the user put there.
    RMDir "$INSTDIR"
    Delete "${START_MENU_LINK}"
    Delete "${STARTUP_LINK}"
SectionEnd

Section /o "un.Also remove my clipboard history and settings" SecRemoveData
    Delete "${DATA_FOLDER}\Quorvane.dat"
    Delete "${DATA_FOLDER}\Quorvane.dat.bak"
    Delete "${DATA_FOLDER}\Quorvane.dat.tmp"
    RMDir "${DATA_FOLDER}"
    ; Where older versions kept the data file; the program would carry it over again.
    Delete "$DOCUMENTS\Quorvane.dat"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${COMPANY_KEY}"
SectionEnd

; The Apps & features entry goes last: an uninstall that stopped half-way can still be run again.
Section "-un.Entry"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Function un.onInit
    ${un.GetParameters} $0
    ClearErrors
    ${un.GetOptions} $0 "/REMOVEDATA" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecRemoveData}
    ${EndIf}
FunctionEnd
