; SPDX-License-Identifier: MIT
; Included by the installer script, cmake/NSIS.template.in: the folders an install makes, as
; its uninstall entry records them, and their removal. It needs LogicLib and FileFunc, and
; the names UNINSTALL_KEY, UNINSTALLER and FOLDER_NAME and the variable InstallMode.

; The highest folder of FOLDER's own and its parents that does not exist yet, into RESULT, or
; "" where FOLDER exists: what installing into FOLDER makes.
!macro FOLDERS_TO_MAKE FOLDER RESULT
  StrCpy ${RESULT} ""
  StrCpy $R8 "${FOLDER}"
  ${DoUntil} ${FileExists} "$R8\*.*"
    StrCpy ${RESULT} $R8
    ${GetParent} $R8 $R7
    ${If} $R7 == ""
    ${OrIf} $R7 == $R8
      ${Break}
    ${EndIf}
    StrCpy $R8 $R7
  ${Loop}
!macroend

; What an install in FOLDER recorded in its uninstall entry of the folders it made, into
; RESULT. An install of before this record kept only whether it made the install folder's
; parent; it always removed the install folder itself.
!macro FOLDERS_MADE_BY_EARLIER_INSTALL FOLDER RESULT
  ClearErrors
  ReadRegStr ${RESULT} SHCTX "${UNINSTALL_KEY}" "FoldersMade"
  ${If} ${Errors}
    StrCpy ${RESULT} "${FOLDER}"
    ReadRegDWORD $R8 SHCTX "${UNINSTALL_KEY}" "ParentFolderMade"
    ${If} $R8 == 1
      ${GetParent} "${FOLDER}" ${RESULT}
    ${EndIf}
  ${EndIf}
!macroend

; Removes FOLDER and each of its parents up to HIGHEST, the highest one the install made, each
; only where it is empty. Nothing where HIGHEST is "" or holds no part of FOLDER.
!macro REMOVE_FOLDERS_MADE FOLDER HIGHEST
  StrLen $R8 "${HIGHEST}"
  StrCpy $R7 "${FOLDER}" $R8
  StrCpy $R6 "${FOLDER}" 1 $R8 ; what follows HIGHEST in FOLDER: nothing, or a backslash
  ${If} $R6 == "\"
    StrCpy $R6 ""
  ${EndIf}
  ${If} $R8 > 0
  ${AndIf} $R7 == "${HIGHEST}"
  ${AndIf} $R6 == ""
    StrCpy $R8 "${FOLDER}"
    ${Do}
      RMDir $R8
      ${If} $R8 == "${HIGHEST}"
        ${Break}
      ${EndIf}
      ${GetParent} $R8 $R7
      ${If} $R7 == ""
      ${OrIf} $R7 == $R8
        ${Break}
      ${EndIf}
      StrCpy $R8 $R7
    ${Loop}
  ${EndIf}
!macroend

; The folder to install into is the program's own: the one chosen, where it is empty, new or
; holds an earlier install of this program, or else the program's folder inside it. Where that
; too holds someone else's files, the install is refused (the user chooses again).
Function UseOwnFolder
  ${DirState} "$INSTDIR" $0
  ${If} $0 == 1
  ${AndIfNot} ${FileExists} "$INSTDIR\${UNINSTALLER}"
    StrCpy $INSTDIR "$INSTDIR\${FOLDER_NAME}"
    ${DirState} "$INSTDIR" $0
    ${If} $0 == 1
    ${AndIfNot} ${FileExists} "$INSTDIR\${UNINSTALLER}"
      MessageBox MB_ICONSTOP|MB_OK "La cartella $INSTDIR contiene già altri file. Scegli una cartella vuota." /SD IDOK
      SetErrors
    ${EndIf}
  ${EndIf}
FunctionEnd

; Removes the copy installed in FOLDER, elsewhere than this install goes, by its own uninstaller
; run in place, with the folders it made, as an upgrade replaces it.
Function RemoveEarlierCopy
  Pop $R0
  !insertmacro FOLDERS_MADE_BY_EARLIER_INSTALL $R0 $R1
  ${If} $InstallMode == AllUsers
    StrCpy $0 "/ALLUSERS"
  ${Else}
    StrCpy $0 "/CURRENTUSER"
  ${EndIf}
  ExecWait '"$R0\${UNINSTALLER}" $0 /S _?=$R0'
  Delete "$R0\${UNINSTALLER}"
  !insertmacro REMOVE_FOLDERS_MADE $R0 $R1
FunctionEnd
