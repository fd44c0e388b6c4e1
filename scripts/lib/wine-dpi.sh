# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the Windows program at a screen resolution of their choosing,
# as a Windows user sets the display's scale: the prefix's resolution set (set_dpi DPI), and
# given back as it was found (restore_dpi), or taken away where there was none.
wine_dpi_run=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-run.sh
wine_dpi_key='HKCU\Control Panel\Desktop'
# reg prints the value as "    LogPixels    REG_DWORD    0x60", with Windows line ends.
wine_dpi_found=$("$wine_dpi_run" reg query "$wine_dpi_key" /v LogPixels 2>/dev/null | tr -d '\r' \
    | awk '$1 == "LogPixels" && $3 ~ /^0x[0-9a-fA-F]+$/ { print $3 }' || true)
set_dpi() {
    "$wine_dpi_run" reg add "$wine_dpi_key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    "$wine_dpi_run" wineserver -w
}
restore_dpi() {
    if [ -n "$wine_dpi_found" ]; then
        set_dpi "$((wine_dpi_found))"
    else
        "$wine_dpi_run" reg delete "$wine_dpi_key" /v LogPixels /f >/dev/null 2>&1 || true
        "$wine_dpi_run" wineserver -w
    fi
}
