#!/usr/bin/env bash
# Measures how long Velquorran takes from launch to its first painted chart, offscreen.
#   tools/measure_startup.sh [path/to/velquorran] [runs]
# Each run starts the program in a fresh folder holding a settings file (so no dialog opens)
# with VELQUORRAN_TIMING=1: the program reports the time from the start of main() to its first
# chart and ends. The wall-clock time of the whole process, start to exit, is measured here.
set -euo pipefail
program=${1:-build/shell/velquorran}
runs=${2:-10}
program=$(realpath "$program")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
echo "51.5" >"$folder/Settings.dat"
cd "$folder"

inside=()
wall=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    report=$(QT_QPA_PLATFORM=offscreen VELQUORRAN_TIMING=1 "$program" 2>&1 >/dev/null |
        sed -n 's/^first chart painted \([0-9.]*\) ms after start$/\1/p')
    end=$(date +%s%N)
    [ -n "$report" ] || { echo "no timing report from $program" >&2; exit 1; }
    inside+=("$report")
    wall+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')")
done

summary() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
        printf "min %.1f  median %.1f  max %.1f ms", v[1], v[int((NR + 1) / 2)], v[NR] }'
}
echo "runs: $runs"
echo "main() to first chart:        $(summary "${inside[@]}")"
echo "launch to exit (whole run):   $(summary "${wall[@]}")"
