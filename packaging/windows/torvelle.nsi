; torvelle.nsi: the Windows installer, in French: the game under Program Files, a Start-menu
; entry, and an uninstaller listed among the installed programs.
; makensis -DVERSION=1.0.3 -DBUILD=folder-with-torvelle.exe -DOUTFILE=setup.exe torvelle.nsi
Target amd64-unicode
SetCompressor /SOLID lzma
; The same bytes from every build: no file's own time stamp is kept.
SetDateSave off
!include "MUI2.nsh"
!include "x64.nsh"

Name "Torvelle"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Torvelle"
InstallDirRegKey HKLM "Software\Torvelle" "InstallDir"
RequestExecutionLevel admin
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
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\torvelle.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
    SetRegView 64
FunctionEnd

Section "Torvelle"
    SetOutPath "$INSTDIR"
    File "${BUILD}\torvelle.exe"
    File "${BUILD}\LISEZMOI.txt"
    File "${BUILD}\LICENCE.txt"
    WriteUninstaller "$INSTDIR\desinstaller.exe"
    ; The game runs from the Start menu in a folder every player may write to, where its
    ; farewell files go: Program Files is not one.
    SetShellVarContext all
    CreateDirectory "$DOCUMENTS\Torvelle"
    SetOutPath "$DOCUMENTS\Torvelle"
    CreateShortcut "$SMPROGRAMS\Torvelle.lnk" "$INSTDIR\torvelle.exe" "" "$INSTDIR\torvelle.exe" 0 \
        SW_SHOWNORMAL "" "Le jeu de Torvelle"
    WriteRegStr HKLM "Software\Torvelle" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Torvelle"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvelle.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" 1100
SectionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Torvelle.lnk"
    Delete "$INSTDIR\torvelle.exe"
    Delete "$INSTDIR\LISEZMOI.txt"
    Delete "$INSTDIR\LICENCE.txt"
    Delete "$INSTDIR\desinstaller.exe"
    RMDir "$INSTDIR"
    RMDir "$DOCUMENTS\Torvelle" ; kept while the farewell files are in it
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\Torvelle"
SectionEnd
