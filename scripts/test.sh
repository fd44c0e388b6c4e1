#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with warnings as errors and runs every test: the suite as it is, the suite
# again under AddressSanitizer and UBSan, a minute of fuzzing, the Windows build under Wine,
# the browser build under Node and headless Chromium, the release files built twice and
# compared, and the number code on five other Debian architectures under qemu-user. Every suite
# runs even when an earlier one fails; before the summary line, which counts them all, a line
# gives how long each build (with what it installed) and each suite took.
set -uo pipefail
cd "$(dirname "$0")/.."

passed=0
failed=0
broken=()
times=()
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
    local build=${1%%:*} preset=${1#*:} start=$SECONDS built
    if ! scripts/setup.sh "$build"; then
        broken+=("$preset (build)")
        times+=("$preset: build failed after $((SECONDS - start)) s")
        return
    fi
    built=$SECONDS
    : >"$junit"
    ctest --preset "$preset" --output-junit "$junit"
    local status=$?
    times+=("$preset: build $((built - start)) s, tests $((SECONDS - built)) s")
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

for suite in dev asan fuzz windows web dev:reproducible cross-arm64 cross-armhf cross-i386 \
    cross-ppc64el cross-s390x; do
    run_suite "$suite"
done
times+=("all: $SECONDS s")
printf -v line '%s; ' "${times[@]}"
echo "times: ${line%; }"
echo "total: $passed passed, $failed failed"
if ((${#broken[@]} > 0)); then
    echo "failed: ${broken[*]}" >&2
    exit 1
fi
