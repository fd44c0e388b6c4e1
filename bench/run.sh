#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks (release) and prints one table: start-up against an empty Qt window
# on a virtual X display, requests against a strtod floor, and click to result.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-20}

scripts/setup.sh bench >/dev/null
bin=build/bench
source scripts/xvfb-lib.sh
start_virtual_display
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A times memory
programs=(program baseline baseline_text)
command_for() {
    case $1 in
    program) echo "env LC_ALL=it_IT.UTF-8 $bin/bin/convertitore-pixel-cm" ;;
    baseline) echo "env LC_ALL=it_IT.UTF-8 $bin/bench/baseline/baseline_window" ;;
    baseline_text) echo "env LC_ALL=it_IT.UTF-8 $bin/bench/baseline/baseline_window --text" ;;
    esac
}
# One warm-up start each, then the three alternate.
for name in "${programs[@]}"; do "$bin/bench/startup/startup_probe" $(command_for "$name") >/dev/null; done
for ((i = 0; i < runs; ++i)); do
    for name in "${programs[@]}"; do
        read -r ms kib < <("$bin/bench/startup/startup_probe" $(command_for "$name") 2>/dev/null)
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
click() { grep "$1" <<<"$clicks" | awk -v c="$2" '{ print $c }'; }

cat <<TABLE
| measure | this program | reference | ratio | target |
| --- | --- | --- | --- | --- |
| start to first paint, median of $runs (ms) | $program_ms | $baseline_ms (empty window) | $(ratio "$program_ms" "$baseline_ms") | <= 1.25 |
| peak resident memory at first paint (KiB) | $program_kib | $baseline_kib (empty window) | $(ratio "$program_kib" "$baseline_kib") | <= 1.15 |
| start to first paint, against a window with one line of text (ms) | $program_ms | $baseline_text_ms | $(ratio "$program_ms" "$baseline_text_ms") | |
| peak memory, against a window with one line of text (KiB) | $program_kib | $baseline_text_kib | $(ratio "$program_kib" "$baseline_text_kib") | |
| Cm -> Pix request, texts in and out (ns) | $cm_ns | $floor_ns (3 strtod + 2 integer texts) | $(ratio "$cm_ns" "$floor_ns") | <= 2 |
| Pix -> Cm request, texts in and out (ns) | $px_ns | $floor_ns | $(ratio "$px_ns" "$floor_ns") | <= 2 |
| click to both results, Pix -> Cm, median / 90th percentile of 1000 (µs) | $(click Command2 2) / $(click Command2 3) | | | < 200 |
| click to both results, Cm -> Pix, median / 90th percentile of 1000 (µs) | $(click Command1 2) / $(click Command1 3) | | | < 200 |
TABLE
echo
echo "Machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(uname -sr), Xvfb $(dpkg-query -W -f='${Version}' xvfb), Qt $(dpkg-query -W -f='${Version}' libqt6core6)"
rm -rf "$runtime"
