; The Windows installer: makensis -DVERSION=x.y.z -DSTAGE=<folder> -DOUTFILE=<setup.exe>
; STAGE holds bin\, plugins\ and share\kor-dfcf\ as the
; program runs from them.
; A 64-bit installer: Wine and Windows run it without a 32-bit layer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"

Name "KOR_DFCF ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\KOR_DFCF"
InstallDirRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\KOR_DFCF" "InstallLocation"

!define MUI_ICON "kor-dfcf.ico"
!define MUI_UNICON "kor-dfcf.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\KOR_DFCF.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Lancer KOR_DFCF"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KOR_DFCF"

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section
  SetShellVarContext all
  ; An earlier version's program files are replaced as a whole (translations\
  ; was left by the first ones).
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\plugins"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\share"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\Desinstaller.exe"
  CreateDirectory "$SMPROGRAMS\KOR_DFCF"
  CreateShortcut "$SMPROGRAMS\KOR_DFCF\KOR_DFCF.lnk" "$INSTDIR\bin\KOR_DFCF.exe" "" "$INSTDIR\bin\KOR_DFCF.exe" 0
  CreateShortcut "$SMPROGRAMS\KOR_DFCF\Désinstaller KOR_DFCF.lnk" "$INSTDIR\Desinstaller.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "KOR_DFCF"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\KOR_DFCF.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "KOR_DFCF"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstaller.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstaller.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: the operator's logs and lists live
; in their own application-data folder and are never touched.
Section "Uninstall"
  SetShellVarContext all
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\plugins"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\share"
  Delete "$INSTDIR\Desinstaller.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\KOR_DFCF\KOR_DFCF.lnk"
  Delete "$SMPROGRAMS\KOR_DFCF\Désinstaller KOR_DFCF.lnk"
  RMDir "$SMPROGRAMS\KOR_DFCF"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
