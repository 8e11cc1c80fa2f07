; The Windows installer, taketa-<version>-setup.exe: a 64-bit installer that
; puts taketa.exe, taketa-calc.exe, translations\, the licence and the README
; into Program Files\Taketa, makes the Start menu shortcut 多桁 for every
; user and registers the uninstaller in the list of installed programs.
; /S installs (and, given to uninstall.exe, removes) without a question.
;
; Built by scripts/package-windows.sh:
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DFILES=<staged files> -DICON=<.ico> \
;     -DSIZE_KB=<size of the files> -DOUTFILE=<installer> taketa.nsi

Unicode true
; Without it makensis writes a 32-bit installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"

!define PRODUCT "多桁 (Taketa)"
!define SHORTCUT "多桁"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Taketa"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Taketa"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "CompanyName" "The Taketa developers"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2026 The Taketa developers, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\taketa.exe"
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section
  SetOutPath "$INSTDIR"
  File "${FILES}\taketa.exe"
  File "${FILES}\taketa-calc.exe"
  File "${FILES}\LICENSE.txt"
  File "${FILES}\README.md"
  SetOutPath "$INSTDIR\translations"
  File "${FILES}\translations\qtbase_ja.qm"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}.lnk" "$INSTDIR\taketa.exe" "" "$INSTDIR\taketa.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\taketa.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Taketa developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\taketa.exe"
  Delete "$INSTDIR\taketa-calc.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\translations\qtbase_ja.qm"
  RMDir "$INSTDIR\translations"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: nothing the user put there is removed.
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${SHORTCUT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
