; torvelle.nsi: the Windows installer, in French. By default for the player alone, without
; administrator rights: the game in their own programs folder, their own Start-menu entry, and
; an uninstaller among their own apps. For every user of the machine, under Program Files, when
; started with administrator rights and asked to: on its first page, or by /AllUsers with /S.
; makensis -DVERSION=1.0.3 -DBUILD=folder-with-torvelle.exe -DOUTFILE=setup.exe torvelle.nsi
Target amd64-unicode
SetCompressor /SOLID lzma
; The same bytes from every build: no file's own time stamp is kept.
SetDateSave off
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "nsDialogs.nsh"
!include "x64.nsh"

Name "Torvelle"
OutFile "${OUTFILE}"
; Never asks for rights: installing for every user needs the installer started with them.
RequestExecutionLevel user
BrandingText "Le jeu de Torvelle ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "Torvelle"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation du jeu de Torvelle"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "MIT"

!define MUI_ICON "${BUILD}\france.ico"
!define MUI_UNICON "${BUILD}\france.ico"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvelle"
!define SETTINGS_KEY "Software\Torvelle"
!define NEEDS_RIGHTS "Pour installer ou désinstaller Torvelle pour tous les utilisateurs de cet ordinateur, lancez le programme avec les droits d'administrateur."
; What Windows answers a program that needs rights it was not started with.
!define ERROR_ELEVATION_REQUIRED 740

Var AllUsers ; 1: for every user of the machine
Var ForMe
Var ForAll

Page custom ChooseWhoShow ChooseWhoLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\torvelle.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

; The Start menu, the documents and the registry of the player or of every user, and the
; programs folder that goes with them.
Function UseChosenPlace
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\Torvelle"
    ${Else}
        SetShellVarContext current
        GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; the user's programs
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
        ${EndIf}
        StrCpy $INSTDIR "$INSTDIR\Torvelle"
    ${EndIf}
FunctionEnd

!macro STOP_WITHOUT_RIGHTS
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "${NEEDS_RIGHTS}" /SD IDOK
        SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
        Quit
    ${EndIf}
!macroend

Function .onInit
    SetRegView 64
    StrCpy $AllUsers 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        !insertmacro STOP_WITHOUT_RIGHTS
        StrCpy $AllUsers 1
    ${EndIf}
    Call UseChosenPlace
FunctionEnd

Function ChooseWhoShow
    !insertmacro MUI_HEADER_TEXT "Pour qui installer Torvelle ?" "Pour vous seul, ou pour tous les utilisateurs de cet ordinateur."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 12u "Pour moi seulement (sans droits d'administrateur)"
    Pop $ForMe
    ${NSD_CreateRadioButton} 0 18u 100% 12u "Pour tous les utilisateurs de cet ordinateur"
    Pop $ForAll
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        EnableWindow $ForAll 0
        ${NSD_CreateLabel} 12u 32u 100%-12u 24u "Il faut pour cela lancer l'installation avec les droits d'administrateur."
        Pop $0
    ${EndIf}
    ${If} $AllUsers == 1
        ${NSD_Check} $ForAll
    ${Else}
        ${NSD_Check} $ForMe
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ChooseWhoLeave
    ${NSD_GetState} $ForAll $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call UseChosenPlace
FunctionEnd

Section "Torvelle"
    SetOutPath "$INSTDIR"
    File "${BUILD}\torvelle.exe"
    File "${BUILD}\LISEZMOI.txt"
    File "${BUILD}\LICENCE.txt"
    WriteUninstaller "$INSTDIR\desinstaller.exe"
    ; The game runs from the Start menu in a folder its players may write to, where its
    ; farewell files go: a programs folder is not one.
    CreateDirectory "$DOCUMENTS\Torvelle"
    SetOutPath "$DOCUMENTS\Torvelle"
    CreateShortcut "$SMPROGRAMS\Torvelle.lnk" "$INSTDIR\torvelle.exe" "" "$INSTDIR\torvelle.exe" 0 \
        SW_SHOWNORMAL "" "Le jeu de Torvelle"
    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Torvelle"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvelle.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" 1100
SectionEnd

; Installed for every user when the machine's own entry names this folder.
Function un.onInit
    SetRegView 64
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        !insertmacro STOP_WITHOUT_RIGHTS
        StrCpy $AllUsers 1
        SetShellVarContext all
    ${Else}
        StrCpy $AllUsers 0
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Torvelle.lnk"
    Delete "$INSTDIR\torvelle.exe"
    Delete "$INSTDIR\LISEZMOI.txt"
    Delete "$INSTDIR\LICENCE.txt"
    Delete "$INSTDIR\desinstaller.exe"
    RMDir "$INSTDIR"
    RMDir "$DOCUMENTS\Torvelle" ; kept while the farewell files are in it
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegKey SHCTX "${SETTINGS_KEY}"
    ; A player's own programs folder and list of apps, made for the game alone, go with it.
    ${If} $AllUsers == 0
        RMDir "$INSTDIR\.."
        DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
    ${EndIf}
SectionEnd
