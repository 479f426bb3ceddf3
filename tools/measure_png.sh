#!/usr/bin/env bash
# Measures the headless renderer writing a full 1920 x 1080 PNG chart, the whole process from
# launch to exit:
#   tools/measure_png.sh [path/to/velquorran-chart ...] [-n runs] [-- extra options]
# With several programs the runs alternate between them, so that a busy machine slows each
# alike. For each program: the wall-clock time (median, min, max of the runs), the processor
# time (user + system, from perf stat when perf works here, else from /usr/bin/time), the page
# faults, the largest resident set (/usr/bin/time) and the file's size. The machine's load
# average is printed too: on a shared machine, compare programs within one run of this script.
set -euo pipefail

programs=()
runs=10
extra=()
while [ $# -gt 0 ]; do
    case "$1" in
    -n) runs=$2; shift 2 ;;
    --) shift; extra=("$@"); break ;;
    *) programs+=("$(realpath "$1")"); shift ;;
    esac
done
[ ${#programs[@]} -gt 0 ] || programs=("$(realpath build/cli/velquorran-chart)")

chart=(--latitude 51.468 --time 2024-03-20T21:00:00 --magnitude 6.5 --figures all --deep-sky
    --size 1920x1080)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"

use_perf=0
if command -v perf >/dev/null 2>&1 && perf stat -x, -e task-clock -o /dev/null true 2>/dev/null; then
    use_perf=1
fi

# One run: wall ms, processor ms, page faults, max RSS kB, file bytes.
measure() {
    local program=$1 start end wall cpu faults rss
    if [ $use_perf -eq 1 ]; then
        start=$(date +%s%N)
        perf stat -x, -e task-clock,page-faults -o stat.txt \
            /usr/bin/time -f '%M' -o rss.txt "$program" "${chart[@]}" "${extra[@]}" -o x.png
        end=$(date +%s%N)
        cpu=$(awk -F, '$3 == "task-clock" { printf "%.1f", $1 }' stat.txt)
        faults=$(awk -F, '$3 == "page-faults" { print $1 }' stat.txt)
    else
        start=$(date +%s%N)
        /usr/bin/time -f '%M %U %S %R' -o rss.txt "$program" "${chart[@]}" "${extra[@]}" -o x.png
        end=$(date +%s%N)
        cpu=$(awk '{ printf "%.1f", ($2 + $3) * 1000 }' rss.txt)
        faults=$(awk '{ print $4 }' rss.txt)
    fi
    rss=$(awk '{ print $1 }' rss.txt)
    wall=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')
    echo "$wall $cpu $faults $rss $(stat -c %s x.png)"
}

summary() {
    sort -g | awk '{ v[NR] = $1 } END {
        printf "median %6.1f  min %6.1f  max %6.1f", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

for program in "${programs[@]}"; do "$program" "${chart[@]}" "${extra[@]}" -o x.png; done  # warm
for ((i = 0; i < runs; i++)); do
    for p in "${!programs[@]}"; do measure "${programs[$p]}" >>"results.$p"; done
done

echo "runs: $runs each; load average: $(cut -d' ' -f1-3 /proc/loadavg);" \
    "processor time from $([ $use_perf -eq 1 ] && echo "perf stat" || echo "/usr/bin/time")"
for p in "${!programs[@]}"; do
    echo "${programs[$p]}"
    echo "  wall ms       $(awk '{ print $1 }' "results.$p" | summary)"
    echo "  processor ms  $(awk '{ print $2 }' "results.$p" | summary)"
    echo "  page faults   $(awk '{ print $3 }' "results.$p" | summary)"
    echo "  max RSS kB    $(awk '{ print $4 }' "results.$p" | summary)"
    echo "  file bytes    $(awk '{ print $5 }' "results.$p" | sort -u | tr '\n' ' ')"
done
