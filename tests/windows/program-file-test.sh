#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What the program file says of itself, read with objdump, as Windows reads it before running it:
# - it imports only KnownDLLs, which Windows loads from System32 whatever folder the program is
#   in, and the Common Controls its manifest names: a DLL planted beside it is never loaded;
# - it imports nothing that came after Windows 7 SP1 (the per-monitor resolution functions are
#   looked up while it runs): the lists name what a program like this one could import by
#   mistake, the DPI functions of Windows 8.1 and 10, the DLLs of the Universal C runtime and the
#   API sets, and the kernel functions of Windows 8 on;
# - it is loaded at a random address, high-entropy included, and its data is never executable;
# - its manifest asks to run with the user's own rights.
set -euo pipefail
program=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

known_dlls='^(ADVAPI32|COMDLG32|GDI32|IMAGEHLP|IMM32|KERNEL32|LPK|MSCTF|MSVCRT|NORMALIZ|NSI|OLE32'
known_dlls+='|OLEAUT32|PSAPI|RPCRT4|SECHOST|SETUPAPI|SHELL32|SHLWAPI|USER32|USP10|WLDAP32|WS2_32'
known_dlls+='|COMCTL32)\.DLL$'
newer_dlls='^(SHCORE\.dll|ucrtbase\.dll|api-ms-win-.*|ext-ms-win-.*|VCRUNTIME.*\.dll)$'
newer_functions='^(GetDpiFor(Window|System|Monitor)|.*ForDpi|.*DpiAwareness.*|EnableNonClientDpiScaling'
newer_functions+='|LogicalToPhysicalPointForPerMonitorDPI|PhysicalToLogicalPointForPerMonitorDPI'
newer_functions+='|GetSystemTimePreciseAsFileTime|CreateFile2|CopyFile2|GetCurrentThreadStackLimits'
newer_functions+='|WaitOnAddress|WakeByAddress(Single|All)|(Set|Get)ThreadDescription'
newer_functions+='|GetOverlappedResultEx|SetDefaultDllDirectories|AddDllDirectory|RemoveDllDirectory'
newer_functions+='|EnableMouseInPointer|GetPointer.*|PrefetchVirtualMemory)$'

headers=$("$objdump" -p "$program")
imports=$(awk '
    /DLL Name:/ { dll = $3; print "dll " dll; next }
    /^\t[0-9a-f]+\t +[0-9]+  [A-Za-z_]/ { print "function " dll " " $3 }' <<<"$headers")
[ -n "$imports" ] || fail "no import table read from $program"
dlls=$(grep '^dll' <<<"$imports" | cut -d' ' -f2)

unknown=$(tr '[:lower:]' '[:upper:]' <<<"$dlls" | grep -vE "$known_dlls" || true)
[ -z "$unknown" ] || fail "imports DLLs that Windows may load from the program's folder: $unknown"

bad=$(awk -v dlls="$newer_dlls" -v functions="$newer_functions" '
    $1 == "dll" && $2 ~ dlls { print "DLL " $2 }
    $1 == "function" && $3 ~ functions { print $2 "!" $3 }' <<<"$imports")
[ -z "$bad" ] || fail "imports newer than Windows 7: $bad"

for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$flag" <<<"$headers" || fail "DllCharacteristics lacks $flag"
done
# Without its relocations the loader cannot move the program, whatever DYNAMIC_BASE says.
! grep -q 'relocations stripped' <<<"$headers" || fail "the relocations are stripped"

grep -q 'requestedExecutionLevel level="asInvoker"' <(strings -n 8 "$program") \
    || fail "the manifest does not ask to run as the invoking user"

echo "PASS: $(grep -c '^function' <<<"$imports") functions from $(tr '\n' ' ' <<<"$dlls")- KnownDLLs and Common Controls only, none newer than Windows 7; ASLR (high entropy), NX; runs as the invoker"
