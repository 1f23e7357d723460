#!/bin/bash
# Start-up of the desktop program to a usable main window with example 02 open, and its
# resident memory then, over several runs (best and median). Targets: under 0.5 s, under 150 MB.
# usage: bench/startup_memory.sh [BUILD_DIR] [RUNS]   (the platform is offscreen unless set)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-7}
program=$build/bin/kinemo
[ -x "$program" ] || { echo "no $program: build the kinemo target first" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home KINEMO_EXIT_WHEN_READY=1
times=() rss=()
for ((i = 0; i < runs; ++i)); do
  start=$(date +%s.%N)
  line=$("$program" "$here/examples/02_ball_screw_through_gear.kjb" 2>/dev/null | grep '^ready_epoch=' || true)
  [ -n "$line" ] || { echo "the program did not report a ready main window" >&2; exit 1; }
  ready=${line#ready_epoch=}; ready=${ready%% *}
  times+=("$(echo "$ready - $start" | bc -l)")
  rss+=("${line##*rss_kb=}")
done
sorted_t=$(printf '%s\n' "${times[@]}" | sort -g)
sorted_r=$(printf '%s\n' "${rss[@]}" | sort -g)
best_t=$(echo "$sorted_t" | head -1); median_t=$(echo "$sorted_t" | sed -n "$(( (runs + 1) / 2 ))p")
median_r=$(echo "$sorted_r" | sed -n "$(( (runs + 1) / 2 ))p")
printf 'startup_s best=%.3f median=%.3f ratio_to_target=%.2f\n' "$best_t" "$median_t" "$(echo "$median_t / 0.5" | bc -l)"
printf 'rss_mb median=%.1f ratio_to_target=%.2f\n' "$(echo "$median_r / 1024" | bc -l)" "$(echo "$median_r / 1024 / 150" | bc -l)"
