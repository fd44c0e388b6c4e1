#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with warnings as errors and runs every test: the suite as it is, the suite
# again under AddressSanitizer and UBSan, and a minute of fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."

passed=0
failed=0
run_suite() {
    local preset=$1 log
    log=$(mktemp)
    scripts/setup.sh "$preset"
    ctest --preset "$preset" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    rm -f "$log"
    if [ -n "$summary" ]; then
        local total failures
        failures=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        failed=$((failed + failures))
        passed=$((passed + total - failures))
    fi
    return "$status"
}

run_suite dev
run_suite asan
run_suite fuzz
echo "all suites: $passed passed, $failed failed"
