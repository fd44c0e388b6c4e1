#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program file must start on Windows 7 SP1: it imports no DLL and no function that came
# later (the per-monitor resolution functions are looked up while it runs). The lists name what
# a program like this one could import by mistake: the DPI functions of Windows 8.1 and 10, the
# DLLs of the Universal C runtime and the API sets, and the kernel functions of Windows 8 on.
set -euo pipefail
program=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

newer_dlls='^(SHCORE\.dll|ucrtbase\.dll|api-ms-win-.*|ext-ms-win-.*|VCRUNTIME.*\.dll)$'
newer_functions='^(GetDpiFor(Window|System|Monitor)|.*ForDpi|.*DpiAwareness.*|EnableNonClientDpiScaling'
newer_functions+='|LogicalToPhysicalPointForPerMonitorDPI|PhysicalToLogicalPointForPerMonitorDPI'
newer_functions+='|GetSystemTimePreciseAsFileTime|CreateFile2|CopyFile2|GetCurrentThreadStackLimits'
newer_functions+='|WaitOnAddress|WakeByAddress(Single|All)|(Set|Get)ThreadDescription'
newer_functions+='|GetOverlappedResultEx|SetDefaultDllDirectories|AddDllDirectory|RemoveDllDirectory'
newer_functions+='|EnableMouseInPointer|GetPointer.*|PrefetchVirtualMemory)$'

imports=$("$objdump" -p "$program" | awk '
    /DLL Name:/ { dll = $3; print "dll " dll; next }
    /^\t[0-9a-f]+\t +[0-9]+  [A-Za-z_]/ { print "function " dll " " $3 }')
[ -n "$imports" ] || { echo "FAIL: no import table read from $program" >&2; exit 1; }

bad=$(awk -v dlls="$newer_dlls" -v functions="$newer_functions" '
    $1 == "dll" && $2 ~ dlls { print "DLL " $2 }
    $1 == "function" && $3 ~ functions { print $2 "!" $3 }' <<<"$imports")
if [ -n "$bad" ]; then
    echo "FAIL: imports newer than Windows 7:" >&2
    echo "$bad" >&2
    exit 1
fi
echo "PASS: $(grep -c '^function' <<<"$imports") functions from $(grep '^dll' <<<"$imports" | cut -d' ' -f2 | tr '\n' ' ')- none newer than Windows 7"
