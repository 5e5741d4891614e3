; The Banderix installer, one script for both Windows builds (installer/CMakeLists.txt runs it):
;   makensis /DARCH=win64|win32 /DVERSION=1.1a /DLISTS=<folder of the generated file lists>
;            /DICON=<banderix.ico> /DWELCOME=<164x314 picture> /DOUTFILE=<setup.exe> banderix.nsi
; What it carries is listed at build time from the dist folder (list_contents.cmake), so the
; uninstaller removes exactly the files the installer put in place.

Unicode true
!if ${ARCH} == win64
    Target amd64-unicode
    !define PROGRAM_FILES $PROGRAMFILES64
!else
    Target x86-unicode
    !define PROGRAM_FILES $PROGRAMFILES
!endif
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PUBLISHER "Kestrelby Software"
!define SETTINGS_FILE "Banderix.INI"
!define USER_SETTINGS_FOLDER "$APPDATA\Banderix"
!define EDITOR_PROFILE_KEY "Software\Bandsmith"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Banderix"
!define SIGN_IN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MENU_FOLDER "$SMPROGRAMS\Banderix"
!define UNINSTALLER "Uninstall.exe"

Name "Banderix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\Banderix"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${PUBLISHER}"

VIProductVersion "1.1.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Banderix"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "Banderix ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Banderix.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Banderix"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; A running Banderix keeps BndxHook.dll loaded in every program it hooks, so its files can be
; neither replaced nor removed. Its main window, hidden while it sits in the notification area,
; is the one top-level window with exactly this title. Run silently, setup gives up (exit code 2).
!macro REQUIRE_BANDERIX_CLOSED
    ${Do}
        FindWindow $0 "" "Banderix"
        ${If} $0 == 0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Banderix is running. Close it (click its icon in the notification area, then Close) and click Retry." \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
        retry:
    ${Loop}
!macroend

Function .onInit
    !insertmacro REQUIRE_BANDERIX_CLOSED
FunctionEnd

; DATA beside the program holds the samples for every user and is written by setup alone: add-ins
; in it are code Banderix loads. The editor saves into Path followed by "\Data\", and Banderix
; reads that folder too, so Path names a folder of the installing user's own; the programs make
; the same one for any other user who starts them. Path goes only into that user's own settings
; file, which the programs read once it exists (started as a copy of the Windows directory's, as
; the programs would start it); the Windows directory's file keeps no Path of an earlier version,
; which would send every other user's saves into the program folder.
Function WriteDataPath
    ReadINIStr $0 "$WINDIR\${SETTINGS_FILE}" "Main" "Path"
    ${If} $0 == "$INSTDIR"
        DeleteINIStr "$WINDIR\${SETTINGS_FILE}" "Main" "Path"
    ${EndIf}
    SetShellVarContext current
    CreateDirectory "${USER_SETTINGS_FOLDER}"
    ${IfNot} ${FileExists} "${USER_SETTINGS_FOLDER}\${SETTINGS_FILE}"
    ${AndIf} ${FileExists} "$WINDIR\${SETTINGS_FILE}"
        CopyFiles /SILENT "$WINDIR\${SETTINGS_FILE}" "${USER_SETTINGS_FOLDER}\${SETTINGS_FILE}"
    ${EndIf}
    WriteINIStr "${USER_SETTINGS_FOLDER}\${SETTINGS_FILE}" "Main" "Path" "${USER_SETTINGS_FOLDER}"
FunctionEnd

Section "Banderix and Bandsmith" SectionPrograms
    SectionIn RO
    !include "${LISTS}\install_files.nsh"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    Call WriteDataPath

    SetShellVarContext all
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\Banderix.lnk" "$INSTDIR\Banderix.exe"
    CreateShortcut "${MENU_FOLDER}\Bandsmith.lnk" "$INSTDIR\Bandsmith.exe"
    CreateShortcut "${MENU_FOLDER}\Uninstall Banderix.lnk" "$INSTDIR\${UNINSTALLER}"

    ; A reinstall without the sign-in option takes back an earlier one's.
    DeleteRegValue HKLM "${SIGN_IN_KEY}" "Banderix"
SectionEnd

Section "Start Banderix at sign-in" SectionSignIn
    WriteRegStr HKLM "${SIGN_IN_KEY}" "Banderix" '"$INSTDIR\Banderix.exe"'
SectionEnd

Section "-Register"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Banderix ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Banderix.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    !insertmacro REQUIRE_BANDERIX_CLOSED
FunctionEnd

Section "Uninstall"
    !include "${LISTS}\uninstall_files.nsh"
    Delete "$INSTDIR\${UNINSTALLER}"

    SetShellVarContext all
    Delete "${MENU_FOLDER}\Banderix.lnk"
    Delete "${MENU_FOLDER}\Bandsmith.lnk"
    Delete "${MENU_FOLDER}\Uninstall Banderix.lnk"
    RMDir "${MENU_FOLDER}"
    DeleteRegValue HKLM "${SIGN_IN_KEY}" "Banderix"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    ; What is left in DATA an earlier version let the user make there; settings and the user's own
    ; folder go only when asked, and only those of the user who uninstalls.
    SetShellVarContext current
    MessageBox MB_YESNO|MB_DEFBUTTON2|MB_ICONQUESTION \
        "Also remove your Banderix settings and the backgrounds and foregrounds you made, in ${USER_SETTINGS_FOLDER}?" \
        /SD IDNO IDNO keep
    Delete "$WINDIR\${SETTINGS_FILE}"
    RMDir /r "${USER_SETTINGS_FOLDER}"
    DeleteRegKey HKCU "${EDITOR_PROFILE_KEY}"
    RMDir /r "$INSTDIR\DATA"
    keep:
    RMDir "$INSTDIR"
SectionEnd
