#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# The password of a release's signing certificate: asked on the terminal without echo, so that
# it is in no shell's history, or read from the file SIGN_PASSWORD_FILE names; a password that
# does not open the certificate, or none at all, stops the release before anything is built.
#     sign-password-test.py PROJECT_SOURCE_DIR
import os
import subprocess
import sys
import tempfile

source = sys.argv[1]
release = os.path.join(source, 'scripts', 'release.sh')
asker = os.path.join(source, 'scripts', 'lib', 'sign-password.sh')
failures = []


def check(what, condition, shown):
    if not condition:
        failures.append(f'{what}: {shown!r}')


def on_terminal(command, password, environment):
    """Runs the command on a terminal of its own, types the password once it is asked for,
    and gives back the exit status and everything the terminal showed."""
    leader, follower = os.openpty()
    process = subprocess.Popen(command, stdin=follower, stdout=follower, stderr=follower,
                               env=environment, start_new_session=True)
    os.close(follower)
    shown = b''
    typed = False
    while True:
        try:
            chunk = os.read(leader, 4096)
        except OSError:
            break
        if not chunk:
            break
        shown += chunk
        if not typed and b'Password of ' in shown:
            os.write(leader, password.encode() + b'\n')
            typed = True
    os.close(leader)
    return process.wait(), shown.decode(errors='replace')


with tempfile.TemporaryDirectory() as work:
    key, certificate = os.path.join(work, 'key.pem'), os.path.join(work, 'certificate.p12')
    subprocess.run(['openssl', 'req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-keyout', key,
                    '-out', os.path.join(work, 'certificate.pem'), '-days', '2', '-subj', '/CN=test'],
                   check=True, capture_output=True)
    subprocess.run(['openssl', 'pkcs12', '-export', '-inkey', key, '-in',
                    os.path.join(work, 'certificate.pem'), '-out', certificate,
                    '-passout', 'pass:throw-away'], check=True)
    environment = {name: value for name, value in os.environ.items()
                   if not name.startswith('SIGN_')}

    status, shown = on_terminal([release, '--sign', certificate], 'wrong-secret', environment)
    check('a wrong password typed: not refused', status == 1 and 'does not open' in shown, shown)
    check('a wrong password typed: echoed', 'wrong-secret' not in shown, shown)

    status, shown = on_terminal(['bash', '-c', f'source "{asker}"; ask_sign_password "$0" && '
                                 'test "$(printenv SIGN_PASSWORD)" = throw-away && echo opened',
                                 certificate], 'throw-away', environment)
    check('the right password typed: not taken', status == 0 and 'opened' in shown, shown)
    check('the right password typed: echoed', 'throw-away' not in shown, shown)

    wrong_file = os.path.join(work, 'password')
    with open(wrong_file, 'w') as file:
        file.write('wrong-secret\n')
    run = subprocess.run([release, '--sign', certificate], stdin=subprocess.DEVNULL,
                         capture_output=True, text=True,
                         env={**environment, 'SIGN_PASSWORD_FILE': wrong_file})
    check('a wrong password in the file: not refused', run.returncode == 1
          and 'does not open' in run.stderr, run.stderr)

    run = subprocess.run([release, '--sign', certificate], stdin=subprocess.DEVNULL,
                         capture_output=True, text=True, env=environment)
    check('no terminal and no file: not refused', run.returncode == 1
          and 'needs the certificate' in run.stderr, run.stderr)

for failure in failures:
    print(f'FAIL: {failure}', file=sys.stderr)
if failures:
    sys.exit(1)
print('PASS: the password asked without echo, refused where it does not open the certificate or is missing')
