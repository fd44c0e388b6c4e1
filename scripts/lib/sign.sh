#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Signs Windows files in place with Authenticode, SHA-256, by the PKCS#12 certificate that
# SIGN_CERTIFICATE names:
#     SIGN_CERTIFICATE=CERT.p12 scripts/lib/sign.sh FILE...
# The certificate's path comes from the environment, so that NSIS, which starts this script
# through a shell to sign the uninstaller, never puts it on a command line, where a path's shell
# characters would run. The password comes from SIGN_PASSWORD and reaches osslsigncode on its
# standard input, never on a command line, which other users of the machine can read. (It is
# named /dev/stdin: Debian 12's osslsigncode 2.5 takes only a file there, and refuses "-".)
# Where SIGN_TIMESTAMP_URL names an RFC 3161 time-stamp server, the signature is time-stamped
# there, so that it stays valid after the certificate expires.
set -euo pipefail
certificate=${SIGN_CERTIFICATE:?sign: SIGN_CERTIFICATE names no certificate}
[ -r "$certificate" ] || { echo "sign: cannot read the certificate $certificate" >&2; exit 1; }
timestamp=()
[ -z "${SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$SIGN_TIMESTAMP_URL")
for file in "$@"; do
    printf '%s' "${SIGN_PASSWORD:-}" | osslsigncode sign -pkcs12 "$certificate" \
        -readpass /dev/stdin -h sha256 -n "Convertitore pixel cm per stampe" \
        -i "https://convertitorepixelcm.org" "${timestamp[@]}" -in "$file" -out "$file.signed" \
        >/dev/null
    mv "$file.signed" "$file"
done
