#!/bin/sh
# Time of one "新規作成" click, every refresh it requests included: the driver
# runs a script of CLICKS clicks and, interleaved, an empty script; the
# difference of the wall times divided by CLICKS is the time per click.
# Prints each run's figure and the median over RUNS runs.
#
# usage: bench/run_new_character.sh [BUILD_DIR] [CLICKS] [RUNS]
set -eu
build=${1:-build}
clicks=${2:-3000}
runs=${3:-5}
driver="$build/ktcmt-script"
[ -x "$driver" ] || { echo "no driver at $driver (build the ktcmt-script target)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ktcmt-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Characters/Portraits"
: > "$work/empty.kts"
script="$work/new_character.kts"
i=0
while [ "$i" -lt "$clicks" ]; do
    echo "click FormAbility.CommandRun"
    i=$((i + 1))
done > "$script"

export QT_QPA_PLATFORM=offscreen
now() { date +%s%N; }
wall() { # nanoseconds for one driver run on script $1
    t0=$(now)
    "$driver" --app-dir "$work" --seed 1 "$1" > /dev/null
    echo $(( $(now) - t0 ))
}

figures=""
r=0
while [ "$r" -lt "$runs" ]; do
    empty=$(wall "$work/empty.kts")
    full=$(wall "$script")
    per=$(( (full - empty) / clicks ))
    echo "run $((r + 1)): $(( full / 1000000 )) ms with clicks, $(( empty / 1000000 )) ms empty, $per ns per click"
    figures="$figures $per"
    r=$((r + 1))
done
median=$(printf '%s\n' $figures | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}')
echo "median per click: $median ns ($clicks clicks, $runs runs)"
