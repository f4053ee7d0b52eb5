#!/usr/bin/env bash
# Time of the equipment window's longest chain: an armour strength change
# while the off hand holds a second weapon (armour, shield side, both
# weapons and the money are recomputed).
#
# 1. In one driver run per script, as run_level_change.sh does it. Three
#    scripts share a set-up (ショートソード, a second ダガー, プレートアーマー):
#      changes  - N lines moving HScrollSTd alternately between 19 and 20
#      control  - N lines "moving" it to the value it has (no handler runs)
#      baseline - the set-up alone
#    Each runs RUNS times, interleaved; from the medians of the wall times
#      per change      = (changes - control) / N   (our work only)
#      per script line = (changes - baseline) / N  (with the driver's own line handling)
# 2. In-process (bench-equip-chain): each change timed on its own, the median
#    of N changes, and the weapon evaluations each change runs.
#
# usage: bench/run_equip_chain.sh [BUILD_DIR] [N] [RUNS]
set -euo pipefail

build=${1:-build}
n=${2:-4000}
runs=${3:-7}
driver="$build/ktcmt-script"
inproc="$build/bench-equip-chain"
[ -x "$driver" ] || { echo "no driver at $driver (build the ktcmt-script target)" >&2; exit 2; }
[ -x "$inproc" ] || { echo "no $inproc (build the bench-equip-chain target)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ktcmt-bench-equip.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/app/Characters/Portraits"

setup() {
    echo "select FormEquip.ComboWeapon(0) 5"
    echo "click FormEquip.LabelLeft"
    echo "select FormEquip.ComboWeapon(2) 1"
    echo "select FormEquip.ComboArmor 8"
    echo "scroll FormEquip.HScrollSTd 19"
    echo "expect FormEquip.LabelLeft.caption 武器１"
}
{ setup; for ((i = 0; i < n; i++)); do echo "scroll FormEquip.HScrollSTd $((20 - i % 2))"; done
  echo "expect Chara.ArmorStr 19"; } > "$work/changes.kts"
{ setup; for ((i = 0; i < n; i++)); do echo "scroll FormEquip.HScrollSTd 19"; done
  echo "expect Chara.ArmorStr 19"; } > "$work/control.kts"
setup > "$work/baseline.kts"

. "$(dirname "$0")/driver_timing.sh"
time_scripts
echo "driver: armour strength changes per run: $n, runs: $runs (median wall times)"
print_figures "per armour change (changes - control) / N:  " "per script line   (changes - baseline) / N: "
echo "in-process:"
"$inproc" "$n" 2>/dev/null | sed 's/^/  /'
