# SPDX-License-Identifier: MIT
# Sourced by scripts/release.sh: ask_sign_password CERT.p12 sets and exports SIGN_PASSWORD, the
# certificate's password, unless the environment already holds it: from the file that
# SIGN_PASSWORD_FILE names (a build server's secret), or else asked on the terminal without
# echo, so that it is in no shell's history. A password that does not open the certificate
# stops the release at once, before anything is built.
ask_sign_password() {
    local certificate=$1
    if [ -z "${SIGN_PASSWORD+set}" ]; then
        if [ -n "${SIGN_PASSWORD_FILE:-}" ]; then
            SIGN_PASSWORD=$(<"$SIGN_PASSWORD_FILE")
        elif [ -t 0 ]; then
            read -rsp "Password of $certificate: " SIGN_PASSWORD
            echo >&2
        else
            echo "release: --sign needs the certificate's password: on a terminal, or in the file SIGN_PASSWORD_FILE names" >&2
            return 1
        fi
    fi
    export SIGN_PASSWORD
    openssl pkcs12 -in "$certificate" -noout -passin env:SIGN_PASSWORD 2>/dev/null || {
        echo "release: the password does not open $certificate" >&2
        return 1
    }
}
