; SPDX-License-Identifier: MIT
; Included by the installer script, cmake/NSIS.template.in: whether the installer runs
; elevated, and how it runs again elevated. It needs LogicLib and the variable DirGiven.

; The elevated token, not membership of the Administrators group: with UAC on, an
; administrator's programs run as a standard user until elevated. A test build (makensis
; -DSTANDARD_USER_UNTIL_ELEVATED) runs as a standard user until InstallElevated starts it again,
; as Wine, where every user is an administrator, cannot.
!macro IS_ELEVATED RESULT
  UserInfo::GetAccountType
  Pop ${RESULT}
  !ifdef STANDARD_USER_UNTIL_ELEVATED
    ReadEnvStr $R9 INSTALLER_TEST_ELEVATED
    ${If} $R9 != 1
      StrCpy ${RESULT} User
    ${EndIf}
  !endif
!macroend

; Starts this program again with PARAMETERS, elevated, as Windows asks the user's consent, waits
; for it and ends with its exit status, or as cancelled where consent was refused.
; ShellExecuteEx is called by hand for its process handle: NSIS's own ExecShellWait gives no
; status.
!define /math SHELLEXECUTEINFO_SIZE 14 * ${NSIS_PTR_SIZE}
!macro QUIT_AS_ELEVATED_RUN PARAMETERS
  !ifdef STANDARD_USER_UNTIL_ELEVATED
    System::Call 'kernel32::SetEnvironmentVariableW(w "INSTALLER_TEST_ELEVATED", w "1")'
  !endif
  System::Call '*(&i${SHELLEXECUTEINFO_SIZE})p.r8'
  ; SEE_MASK_NOCLOSEPROCESS, then everything up to nShow; hProcess is the structure's last member.
  System::Call '*$8(i ${SHELLEXECUTEINFO_SIZE}, i 0x40, p $HWNDPARENT, w "runas", w `$EXEPATH`, w `${PARAMETERS}`, w "", i ${SW_SHOWNORMAL})'
  System::Call 'shell32::ShellExecuteExW(pr8)i.r9'
  StrCpy $7 1
  ${If} $9 <> 0
    System::Call '*$8(i, i, p, p, p, p, p, p, p, p, p, p, p, p, p.r9)'
    System::Call 'kernel32::WaitForSingleObject(pr9, i -1)'
    System::Call 'kernel32::GetExitCodeProcess(pr9, *i.r7)'
    System::Call 'kernel32::CloseHandle(pr9)'
  ${EndIf}
  System::Free $8
  SetErrorLevel $7
  Quit
!macroend

; Starts this installer again, elevated, for every user, and ends this one when it ends, with
; its exit status, which a deployment script sees. A folder given by /D= goes with it (last, as
; NSIS wants it).
Function InstallElevated
  HideWindow
  StrCpy $0 "/ALLUSERS"
  ${If} ${Silent}
    StrCpy $0 "/S $0"
  ${EndIf}
  ${If} $DirGiven == 1
    StrCpy $0 "$0 /D=$INSTDIR"
  ${EndIf}
  !insertmacro QUIT_AS_ELEVATED_RUN "$0"
FunctionEnd
