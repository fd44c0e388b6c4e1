#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer keeps to folders of its own, in a Wine prefix of the test's own: into a folder
# that holds the user's files it installs into the program's folder inside it, and uninstalling
# leaves the user's files as they were; where that folder too holds someone else's files it
# refuses; a reinstall elsewhere removes the first copy and the folders it made, and records
# only what it made itself; the uninstaller removes every parent folder the install made and no
# other; the size recorded is the installed files', whatever else the folder holds. Then, in a
# build that runs as a standard user until elevated (which Wine, where every user is an
# administrator, cannot show by itself), a silent install for every user and its uninstall end
# with the elevated instance's status.
set -euo pipefail
build=$1
source "$(dirname "$0")/install-lib.sh"

out=$(mktemp -d)
on_exit 'rm -rf "$out"'
(cd "$build" && cpack -G NSIS -B "$out" >/dev/null)
installer=$(ls "$out"/*-win64.exe)
staged=$(cd "$(dirname "$(find "$out/_CPack_Packages" -path '*/bin/convertitore-pixel-cm.exe')")/.." && pwd)
start_prefix "$out"
before=$(prefix_state)
drive=$WINE_RUN_PREFIX/drive_c
key=ConvertitorePixelCm
hive=user.reg

# install [ARGUMENT...]: a silent install for the user, by default; its status is the installer's.
install() {
    local status=0
    wine "$installer" /S "${@:-/CURRENTUSER}" || status=$?
    wine wineserver -w
    return "$status"
}
value() { uninstall_entry "$hive" "$key" | entry_value "$1"; }
# The uninstall entry's own silent command.
uninstall() {
    local command
    command=$(value QuietUninstallString)
    [[ $command =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "no silent uninstall command in '$command'"
    # shellcheck disable=SC2086
    wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
    wine wineserver -w
}
# Every file and folder under FOLDER, with the files' digests.
contents() {
    (cd "$1" && find . | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort)
}

# A folder of the user's, with a file named as one of the program's.
mkdir -p "$drive/Data/bin"
echo "the user's own licence" >"$drive/Data/LICENSE.txt"
echo "the user's notes" >"$drive/Data/notes.txt"
echo "the user's tool" >"$drive/Data/bin/tool.exe"
users=$(contents "$drive/Data")
install '/D=C:\Data'
[ "$(value InstallLocation)" = 'C:\Data\Convertitore pixel cm' ] \
    || fail "installed into '$(value InstallLocation)', not a folder of its own in C:\\Data"
[ -f "$drive/Data/Convertitore pixel cm/bin/convertitore-pixel-cm.exe" ] || fail "no program in C:\\Data"
[ "$(contents "$drive/Data" | grep -v 'Convertitore pixel cm')" = "$users" ] \
    || fail "installing changed the user's files in C:\\Data"
uninstall
[ "$(contents "$drive/Data")" = "$users" ] || fail "after uninstalling, C:\\Data holds: $(contents "$drive/Data")"
echo "into the user's C:\\Data: installed into its own folder there; the user's files kept, as they were after uninstalling"

# A folder whose program folder is someone else's too: refused, with nothing written.
mkdir -p "$drive/Full/Convertitore pixel cm"
echo "the user's" >"$drive/Full/Convertitore pixel cm/own.txt"
echo "the user's" >"$drive/Full/own.txt"
full=$(contents "$drive/Full")
status=0
install '/D=C:\Full' || status=$?
[ "$status" = 2 ] || fail "installing into C:\\Full ended with status $status, not refused"
[ -z "$(uninstall_entry "$hive" "$key")" ] || fail "a refused install made an uninstall entry"
[ "$(contents "$drive/Full")" = "$full" ] || fail "a refused install changed C:\\Full"
echo "into C:\\Full, whose program folder holds the user's files: refused with status 2, nothing written"

# A reinstall elsewhere, into the user's own empty C:\Existing.
install '/D=C:\New\App'
mkdir "$drive/Existing"
install '/D=C:\Existing\App'
[ ! -e "$drive/New" ] || fail "the first copy, or the folder it made, stayed: $(find "$drive/New")"
[ "$(value InstallLocation)" = 'C:\Existing\App' ] || fail "the entry names '$(value InstallLocation)'"
uninstall
[ -d "$drive/Existing" ] && [ -z "$(ls -A "$drive/Existing")" ] \
    || fail "uninstalling removed the user's C:\\Existing, or left something in it"
echo "installed in C:\\New\\App, then in C:\\Existing\\App: the first copy and C:\\New gone, the user's C:\\Existing kept"

# Parent folders made several levels up, and the size of what is installed, measured when the
# installer was built: what else the folder holds neither counts nor is read.
expected=0
for file in "$staged/LICENSE.txt" "$staged/bin/convertitore-pixel-cm.exe"; do
    expected=$((expected + ($(stat -c %s "$file") + 1023) / 1024))
done
size() { echo $((16#$(value EstimatedSize | sed 's/^dword://'))); }
install '/D=C:\n1\n2\n3\App'
[ "$(size)" = "$expected" ] || fail "the size recorded is $(size) KB, the files' $expected KB"
mkdir "$drive/n1/n2/n3/App/photos"
for i in $(seq 2000); do
    head -c 4096 /dev/zero >"$drive/n1/n2/n3/App/photos/$i.tif"
done
install '/D=C:\n1\n2\n3\App'
[ "$(size)" = "$expected" ] || fail "beside 8 MB of the user's, the size recorded is $(size) KB, the files' $expected KB"
rm -r "$drive/n1/n2/n3/App/photos"
uninstall
[ ! -e "$drive/n1" ] || fail "uninstalling left $(cd "$drive" && find n1)"
echo "in C:\\n1\\n2\\n3\\App: $expected KB recorded, beside 2,000 files of the user's too; every folder it made removed"

# Elevation, in the build that runs as a standard user until elevated.
nsis=$(dirname "$staged")
sed "s|^OutFile .*|OutFile \"$out/standard-user.exe\"|" "$nsis/project.nsi" >"$nsis/standard-user.nsi"
makensis -V1 -DSTANDARD_USER_UNTIL_ELEVATED "$nsis/standard-user.nsi" >/dev/null
installer=$out/standard-user.exe
hive=system.reg
status=0
install /ALLUSERS || status=$?
[ "$status" = 0 ] || fail "/S /ALLUSERS as a standard user ended with status $status"
[ -f "$drive/Program Files/Convertitore pixel cm/bin/convertitore-pixel-cm.exe" ] \
    || fail "/S /ALLUSERS as a standard user installed no program"
status=0
uninstall || status=$?
[ "$status" = 0 ] || fail "the silent uninstall as a standard user ended with status $status"
[ ! -e "$drive/Program Files/Convertitore pixel cm" ] || fail "the uninstall for every user left its folder"
echo "as a standard user: /S /ALLUSERS and its silent uninstall ended with the elevated instance's status 0"

rm -r "$drive/Data" "$drive/Full" "$drive/Existing"
prefix_unchanged "$before" "the installs and uninstalls"
echo "PASS: the installer kept to folders of its own, removed what it made and nothing else, recorded its files' size, and ended as the elevated install did"
