#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks and prints one table: start-up against reference windows on a virtual
# X display, requests against a strtod floor, click to result, a click after a 1 MB paste in
# release and debug builds, and 100,000 clicks in a row.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-25}

scripts/setup.sh bench >/dev/null
scripts/setup.sh bench-debug bench_click >/dev/null
bin=build/bench
source scripts/lib/xvfb-lib.sh
start_virtual_display
runtime=$(mktemp -d)
on_exit 'rm -rf "$runtime"'
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
fail() {
    echo "bench: $*" >&2
    exit 1
}

declare -A times memory
programs=(program plain empty)
command_for() {
    case $1 in
    program) echo "env LC_ALL=it_IT.UTF-8 $bin/bin/convertitore-pixel-cm" ;;
    plain) echo "env LC_ALL=it_IT.UTF-8 $bin/bench/baseline/baseline_window --plain" ;;
    empty) echo "env LC_ALL=it_IT.UTF-8 $bin/bench/baseline/baseline_window" ;;
    esac
}
# One warm-up start each, then they alternate.
for name in "${programs[@]}"; do "$bin/bench/startup/startup_probe" $(command_for "$name") >/dev/null; done
for ((i = 0; i < runs; ++i)); do
    for name in "${programs[@]}"; do
        sample=$("$bin/bench/startup/startup_probe" $(command_for "$name") 2>/dev/null) \
            || fail "no first paint of $name in run $i"
        read -r ms kib <<<"$sample"
        [ -n "$ms" ] && [ -n "$kib" ] || fail "an empty sample of $name in run $i"
        times[$name]+="$ms "
        memory[$name]+="$kib "
    done
done
for name in "${programs[@]}"; do
    declare "${name}_ms=$(tr ' ' '\n' <<<"${times[$name]}" | grep . | median)"
    declare "${name}_kib=$(tr ' ' '\n' <<<"${memory[$name]}" | grep . | median)"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

requests=$("$bin/bench/requests/bench_requests" --benchmark_format=csv --benchmark_min_time=1 2>/dev/null | grep -E '^"?(CmToPix|PixToCm|Floor)')
ns() { grep "$1" <<<"$requests" | cut -d, -f3 | awk '{ printf "%.0f", $1 }'; }
cm_ns=$(ns CmToPixRequest)
px_ns=$(ns PixToCmRequest)
floor_ns=$(ns Floor)

clicks=$(QT_QPA_PLATFORM=offscreen "$bin/bench/click/bench_click" 2>/dev/null)
debug_clicks=$(QT_QPA_PLATFORM=offscreen build/bench-debug/bench/click/bench_click 2>/dev/null)
load=$(QT_QPA_PLATFORM=offscreen "$bin/bench/load/bench_load" 2>/dev/null) \
    || fail "the load run stopped on a wrong result"
read -r load_clicks load_rate load_heap load_kib <<<"$load"
click() { grep "$1" <<<"$2" | awk -v c="$3" '{ printf "%s", c == 2 ? $2 : $3 }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

cat <<TABLE
| measure | this program | reference | ratio | target |
| --- | --- | --- | --- | --- |
| start to first paint, median of $runs (ms) | $program_ms | $plain_ms (same window, plain widgets) | $(ratio "$program_ms" "$plain_ms") | <= 1.05 |
| peak resident memory at first paint (KiB) | $program_kib | $plain_kib (same window, plain widgets) | $(ratio "$program_kib" "$plain_kib") | <= 1.02 |
| start to first paint, against an empty window (ms) | $program_ms | $empty_ms | $(ratio "$program_ms" "$empty_ms") | |
| peak memory, against an empty window (KiB) | $program_kib | $empty_kib | $(ratio "$program_kib" "$empty_kib") | |
| Cm -> Pix request, texts in and out (ns) | $cm_ns | $floor_ns (3 strtod + 2 integer texts) | $(ratio "$cm_ns" "$floor_ns") | <= 2 |
| Pix -> Cm request, texts in and out (ns) | $px_ns | $floor_ns | $(ratio "$px_ns" "$floor_ns") | <= 2 |
| click to both results, Pix -> Cm, median / 90th percentile of 1000 (µs) | $(click Command2 "$clicks" 2) / $(click Command2 "$clicks" 3) | | | < 200 |
| click to both results, Cm -> Pix, median / 90th percentile of 1000 (µs) | $(click Command1 "$clicks" 2) / $(click Command1 "$clicks" 3) | | | < 200 |
| click after a 1 MB paste, release, median / 90th percentile of 9 (ms) | $(ms "$(click Paste1MB "$clicks" 2)") / $(ms "$(click Paste1MB "$clicks" 3)") | | | |
| click after a 1 MB paste, debug, median / 90th percentile of 9 (ms) | $(ms "$(click Paste1MB "$debug_clicks" 2)") / $(ms "$(click Paste1MB "$debug_clicks" 3)") | | | |
| $load_clicks clicks in a row after 2000, release: clicks per second; heap (bytes) / resident memory (KiB) grown | $load_rate; $load_heap / $load_kib | | | |
TABLE
echo
echo "Machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(uname -sr), Xvfb $(dpkg-query -W -f='${Version}' xvfb), Qt $(dpkg-query -W -f='${Version}' libqt6core6)"
