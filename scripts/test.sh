#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with warnings as errors and runs every test: the suite as it is, the suite
# again under AddressSanitizer and UBSan, a minute of fuzzing, the Windows build under Wine,
# the browser build under Node and headless Chromium, and the release files built twice and
# compared. Every suite runs even when an earlier one
# fails; the summary line counts them all.
set -uo pipefail
cd "$(dirname "$0")/.."

passed=0
failed=0
broken=()
junit=$(mktemp)
trap 'rm -f "$junit"' EXIT

# A number attribute of the <testsuite> element of CTest's JUnit report, which writes each
# attribute on a line of its own.
suite_count() {
    tr '\n\t' '  ' <"$junit" | grep -o '<testsuite [^>]*>' | head -n 1 \
        | sed -nE "s/.* $1=\"([0-9]+)\".*/\1/p"
}

# A suite is a test preset, built by the configure preset of the same name or the one named
# before a colon. Its counts come from the JUnit report CTest writes, not from its summary.
run_suite() {
    local build=${1%%:*} preset=${1#*:}
    if ! scripts/setup.sh "$build"; then
        broken+=("$preset (build)")
        return
    fi
    : >"$junit"
    ctest --preset "$preset" --output-junit "$junit"
    local status=$?
    local total failures skipped disabled
    total=$(suite_count tests)
    failures=$(suite_count failures)
    skipped=$(suite_count skipped)
    disabled=$(suite_count disabled)
    if [ -n "$total" ] && [ -n "$failures" ]; then
        failed=$((failed + failures))
        passed=$((passed + total - failures - ${skipped:-0} - ${disabled:-0}))
    fi
    if [ "$status" -ne 0 ] || [ -z "$total" ] || [ "$total" -eq 0 ]; then
        broken+=("$preset")
    fi
}

for suite in dev asan fuzz windows web dev:reproducible; do
    run_suite "$suite"
done
echo "total: $passed passed, $failed failed"
if ((${#broken[@]} > 0)); then
    echo "failed: ${broken[*]}" >&2
    exit 1
fi
