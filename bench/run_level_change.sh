#!/usr/bin/env bash
# Time of one level change in the skills window, with every refresh it
# requests (the driver runs the requested timers after each line).
#
# Three scripts share a set-up (held-experience mode, plenty of experience):
#   changes  - N lines moving HScrollLv alternately between two levels
#   control  - N lines "moving" it to the level it already has (no handler runs)
#   baseline - the set-up alone
# Each runs RUNS times, interleaved; the medians of the wall times give
#   per change      = (changes - control) / N   (our work only)
#   per script line = (changes - baseline) / N  (with the driver's own line handling)
#
# usage: bench/run_level_change.sh [BUILD_DIR] [N] [RUNS]
set -euo pipefail

build=${1:-build}
n=${2:-4000}
runs=${3:-7}
driver="$build/ktcmt-script"
[ -x "$driver" ] || { echo "no driver at $driver (build the ktcmt-script target)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ktcmt-bench-level.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/app/Characters/Portraits"

setup() {
    echo "type FormExp.TextExp 100000000"
    echo "key FormExp.TextExp enter"
    echo "select FormExp.ComboSkill 0"
    echo "scroll FormExp.HScrollLv 3"
    echo "expect FormExp.HScrollLv.max 10"
}
{ setup; for ((i = 0; i < n; i++)); do echo "scroll FormExp.HScrollLv $((4 - i % 2))"; done
  echo "expect Chara.SkillLevel(0) 3"; } > "$work/changes.kts"
{ setup; for ((i = 0; i < n; i++)); do echo "scroll FormExp.HScrollLv 3"; done
  echo "expect Chara.SkillLevel(0) 3"; } > "$work/control.kts"
setup > "$work/baseline.kts"

. "$(dirname "$0")/driver_timing.sh"
time_scripts
echo "level changes per run: $n, runs: $runs (median wall times)"
print_figures "per level change (changes - control) / N:   " "per script line  (changes - baseline) / N:  "
