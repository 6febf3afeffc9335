; The Varilume SE installer. Installs for the current user without
; administrator rights; run elevated with /ALLUSERS, for every user.
;   makensis -DVERSION=3.5 -DSOURCE=<folder with the files> -DOUTFILE=<setup.exe> varilume.nsi
Unicode true
; Warnings fail the build, as they do in our C++.
!pragma warning error all
; The program is for 64-bit Windows; so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define NAME "Varilume SE"
!define PUBLISHER "Varilume"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VarilumeSE"
!define APP_KEY "Software\Classes\Applications\varilume.exe"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
ShowInstDetails nevershow
ShowUninstDetails nevershow
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The extensions whose files the program opens from its command line.
!macro ForEachExtension MACRO
  !insertmacro ${MACRO} "bmp"
  !insertmacro ${MACRO} "dib"
  !insertmacro ${MACRO} "rle"
  !insertmacro ${MACRO} "wmf"
  !insertmacro ${MACRO} "emf"
  !insertmacro ${MACRO} "ico"
  !insertmacro ${MACRO} "cur"
  !insertmacro ${MACRO} "mid"
  !insertmacro ${MACRO} "rmi"
  !insertmacro ${MACRO} "wav"
  !insertmacro ${MACRO} "avi"
  !insertmacro ${MACRO} "mov"
  !insertmacro ${MACRO} "png"
  !insertmacro ${MACRO} "jpg"
  !insertmacro ${MACRO} "jpeg"
  !insertmacro ${MACRO} "jpe"
  !insertmacro ${MACRO} "jfif"
  !insertmacro ${MACRO} "gif"
  !insertmacro ${MACRO} "tif"
  !insertmacro ${MACRO} "tiff"
  !insertmacro ${MACRO} "webp"
  !insertmacro ${MACRO} "heic"
  !insertmacro ${MACRO} "heif"
  !insertmacro ${MACRO} "avif"
  !insertmacro ${MACRO} "jxr"
  !insertmacro ${MACRO} "wdp"
!macroend

!macro OpenWith EXT
  WriteRegStr SHCTX "Software\Classes\.${EXT}\OpenWithList\varilume.exe" "" ""
  WriteRegStr SHCTX "${APP_KEY}\SupportedTypes" ".${EXT}" ""
!macroend

!macro NoOpenWith EXT
  DeleteRegKey SHCTX "Software\Classes\.${EXT}\OpenWithList\varilume.exe"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.${EXT}\OpenWithList"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.${EXT}"
!macroend

; A running copy keeps its files in use: say so and stop.
!macro RefuseWhileRunning
  FindWindow $0 "VarilumeForm" "${NAME}"
  ${If} $0 <> 0
    MessageBox MB_OK|MB_ICONINFORMATION "${NAME} is running. Quit it (File, Quit) and try again." /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
!macroend

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    UserInfo::GetAccountType
    Pop $R2
    ${If} $R2 == "Admin"
      SetShellVarContext all
      ; A 64-bit installer only runs on 64-bit Windows.
      StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
    ${EndIf}
  ${EndIf}
  !insertmacro RefuseWhileRunning
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${SOURCE}/varilume.exe"
  File "${SOURCE}/readme.txt"
  File "${SOURCE}/tip.dat"
  File "${SOURCE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\varilume.exe"

  ; The shell finds the program under "Open with"; no type's default changes.
  WriteRegStr SHCTX "${APP_KEY}" "FriendlyAppName" "${NAME}"
  WriteRegStr SHCTX "${APP_KEY}\shell\open\command" "" '"$INSTDIR\varilume.exe" "%1"'
  !insertmacro ForEachExtension OpenWith

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\varilume.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
  ; Installed for every user when the entry is there rather than the user's.
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R0 == $INSTDIR
    SetShellVarContext all
  ${EndIf}
  ; Nothing left to remove: a second uninstall ends quietly.
  ${IfNot} ${FileExists} "$INSTDIR\varilume.exe"
    SetErrorLevel 0
    Quit
  ${EndIf}
  !insertmacro RefuseWhileRunning
FunctionEnd

Section "Uninstall"
  ; Only what the installer put there: the user's settings, reminder files,
  ; logos and backups live elsewhere and stay.
  Delete "$INSTDIR\varilume.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\tip.dat"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  !insertmacro ForEachExtension NoOpenWith
  DeleteRegKey SHCTX "${APP_KEY}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
