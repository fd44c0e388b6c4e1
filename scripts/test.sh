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
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# A suite is a test preset, built by the configure preset of the same name or the one named
# before a colon.
run_suite() {
    local build=${1%%:*} preset=${1#*:}
    if ! scripts/setup.sh "$build"; then
        broken+=("$preset (build)")
        return
    fi
    ctest --preset "$preset" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -n "$summary" ]; then
        local total failures
        failures=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        failed=$((failed + failures))
        passed=$((passed + total - failures))
    fi
    if [ "$status" -ne 0 ] || [ -z "$summary" ]; then
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
