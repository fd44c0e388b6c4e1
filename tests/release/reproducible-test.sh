#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the release files of the commit checked out (uncommitted changes are not part of it)
# twice, in two clones whose folders differ in name and length. The second clone's files are
# dated years earlier, and it is built under a clock 400 days ahead (the clock only: files keep
# their own times), another user name and home, a umask of 077 and, where this may rename the
# host, another host name. The two SHA256SUMS must be the same; where they differ, the test
# names the files, and shows what differs where diffoscope is installed. The Debian package
# released must also be hardened, and a signed release must verify.
set -euo pipefail
source_dir=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/r
second=$work/second-build-in-a-much-longer-folder/sources
git clone -q "$source_dir" "$first"
(umask 077 && git clone -q "$source_dir" "$second")
find "$second" -path "$second/.git" -prune -o -exec touch -h -d 2001-02-03T04:05:06Z {} +
mkdir "$work/home"

(cd "$first" && scripts/release.sh) >"$work/first.log" 2>&1 \
    || { tail -n 40 "$work/first.log"; fail "the first release build failed"; }

other_host=()
if unshare --uts true 2>/dev/null; then
    other_host=(unshare --uts sh -c 'hostname another-builder && exec "$@"' sh)
fi
(cd "$second" && umask 077 \
    && "${other_host[@]}" env USER=another LOGNAME=another HOME="$work/home" \
        NO_FAKE_STAT=1 faketime -f +400d scripts/release.sh) >"$work/second.log" 2>&1 \
    || { tail -n 40 "$work/second.log"; fail "the second release build failed"; }

echo "First build, in $first:"
cat "$first/dist/SHA256SUMS"
echo "Second build, in $second:"
cat "$second/dist/SHA256SUMS"
[ "$(wc -l <"$first/dist/SHA256SUMS")" -eq 5 ] || fail "the release is not five files"
if ! cmp -s "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
    while read -r _ file; do
        cmp -s "$first/dist/$file" "$second/dist/$file" && continue
        echo "differs: $file" >&2
        if command -v diffoscope >/dev/null; then
            diffoscope --text - "$first/dist/$file" "$second/dist/$file" | head -n 200 >&2 || true
        fi
    done <"$first/dist/SHA256SUMS"
    fail "the two builds of one commit made different files"
fi
# What is released is hardened as Debian's own packages are.
bash "$(dirname "$0")/../packaging/hardening-test.sh" Release "$first/dist/"*.deb

# The release signed with a throw-away certificate, packed again from the first build: the
# installer, the MSI, and the program in the ZIP, the installer and the MSI carry SHA-256
# Authenticode signatures that verify against it, and every other file is the unsigned release's.
# The password comes from a file, as on a build server, and the certificate's folder has shell
# characters in its name, which no step runs.
signer="$work/keys \$(touch $work/injected)"
mkdir -p "$signer"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/certificate.pem" \
    -days 2 -subj "/CN=Convertitore test signer" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
    -out "$signer/certificate.p12" -passout pass:throw-away
echo throw-away >"$work/password"
cp "$first/dist/SHA256SUMS" "$work/unsigned.sums"
(cd "$first" && unset SIGN_PASSWORD \
    && SIGN_PASSWORD_FILE=$work/password scripts/release.sh --reuse-builds --sign "$signer/certificate.p12") \
    >"$work/signed.log" 2>&1 || { tail -n 40 "$work/signed.log"; fail "the signed release build failed"; }
[ ! -e "$work/injected" ] || fail "the certificate's path ran as a command while signing"
verify_signature() {
    osslsigncode verify -CAfile "$work/certificate.pem" -in "$1" >"$work/verify.log" 2>&1 \
        && grep -q "digest algorithm.*SHA256" "$work/verify.log" \
        || { cat "$work/verify.log" >&2; fail "$2 carries no SHA-256 signature that verifies"; }
}
verify_signature "$(ls "$first/dist/"*-win64.exe)" "the installer"
verify_signature "$(ls "$first/dist/"*-win64.msi)" "the MSI"
unzip -q "$(ls "$first/dist/"*-win64.zip)" -d "$work/signed-zip"
verify_signature "$(ls "$work/signed-zip/"*/bin/convertitore-pixel-cm.exe)" "the program in the ZIP"
# Debian 12's 7zip names its program 7zz, Debian 13's 7z.
sevenzip=$(command -v 7zz || command -v 7z) || fail "no 7-Zip: install the package 7zip"
"$sevenzip" x -bd -o"$work/signed-installer" "$(ls "$first/dist/"*-win64.exe)" bin/convertitore-pixel-cm.exe >/dev/null
verify_signature "$work/signed-installer/bin/convertitore-pixel-cm.exe" "the program in the installer"
(cd "$work" && msiextract -C signed-msi "$(ls "$first/dist/"*-win64.msi)" >/dev/null)
verify_signature "$(find "$work/signed-msi" -name convertitore-pixel-cm.exe)" "the program in the MSI"
for file in $(cd "$first/dist" && ls *.deb *-web.zip); do
    grep -qx "$(cd "$first/dist" && sha256sum "$file")" "$work/unsigned.sums" \
        || fail "signing changed $file, which is not signed"
done
echo "Signed with a throw-away certificate: the installer, the MSI and the program in each of them and in the ZIP verify"
echo "PASS: two builds of commit $(git -C "$first" rev-parse --short HEAD) made the same five files"
