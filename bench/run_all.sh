#!/usr/bin/env bash
# Every benchmark in one go, one table at the end: a Markdown table (What |
# Command | Result) ready for the README's figures, followed by the load the
# machine had. Each benchmark's own output goes to standard error as it runs;
# the table alone goes to standard output.
#
# Ratios (start-up against the bare Qt program, 100 files against an empty
# folder) come from runs interleaved within one benchmark, so a noisy machine
# shifts both sides alike.
#
# usage: bench/run_all.sh [BUILD_DIR] [quick|full|smoke]
#   quick (the default, each script's own default sizes) takes a few
#   minutes; full runs longer and more often for steadier medians; smoke only
#   checks that every benchmark still runs (its figures mean nothing).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
size=${2:-quick}

case "$size" in
quick)
    startup_runs=10 mem_runs=10 clicks=3000 click_runs=5 level_n=4000 level_runs=7
    equip_n=4000 equip_runs=7 list_runs=200 render_runs=20000 ;;
full)
    startup_runs=30 mem_runs=20 clicks=5000 click_runs=9 level_n=8000 level_runs=9
    equip_n=8000 equip_runs=9 list_runs=1000 render_runs=50000 ;;
smoke)
    startup_runs=1 mem_runs=1 clicks=20 click_runs=1 level_n=20 level_runs=1
    equip_n=20 equip_runs=1 list_runs=3 render_runs=20 ;;
*)
    echo "usage: $0 [BUILD_DIR] [quick|full|smoke]" >&2
    exit 2 ;;
esac

[ -d "$build" ] || { echo "run_all.sh: no build folder $build" >&2; exit 2; }
missing=()
for target in ktcmt-script bare-mdi bench-equip-chain bench-list-pass bench-sheet-render; do
    [ -x "$build/$target" ] || missing+=("$target")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "run_all.sh: missing in $build: ${missing[*]}" >&2
    echo "build them first: cmake --build $build -j2 --target ${missing[*]}" >&2
    exit 2
fi
command -v python3 > /dev/null || { echo "run_all.sh: python3 is needed" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ktcmt-bench-all.XXXXXX")
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

load_before=$(uptime | sed 's/.*load average: //')

# run NAME COMMAND...: runs one benchmark, keeps its output in $work/NAME and
# echoes it to standard error; stops everything when the benchmark fails.
run() {
    local name=$1
    shift
    echo "== $name: $*" >&2
    if ! "$@" > "$work/$name" 2>&1; then
        cat "$work/$name" >&2
        echo "run_all.sh: the $name benchmark failed ($*)" >&2
        exit 1
    fi
    cat "$work/$name" >&2
}
# pick NAME SED_EXPR: the first line of NAME's output that the expression
# rewrites (sed -nE 's/.../.../p' style). The second sed reads to the end so
# that no pipe is cut short.
pick() { sed -nE "$2" "$work/$1" | sed -n 1p; }

run startup python3 "$here/startup.py" "$build" "$startup_runs"
run memory python3 "$here/list_memory.py" "$build" "$mem_runs"
run new_character sh "$here/run_new_character.sh" "$build" "$clicks" "$click_runs"
run level_change bash "$here/run_level_change.sh" "$build" "$level_n" "$level_runs"
run equip_chain bash "$here/run_equip_chain.sh" "$build" "$equip_n" "$equip_runs"
run list_pass "$build/bench-list-pass" "$list_runs"
run sheet_render "$build/bench-sheet-render" "$render_runs"

# OPTIONAL: the seeded random user's figures, when bench/random_user.sh is
# there (called with the build folder, and one short seed for smoke; its last
# line is the result). Its failure is reported in the table rather than
# stopping the rest.
random_user=""
if [ -f "$here/random_user.sh" ]; then
    ru_args=("$build")
    [ "$size" = smoke ] && ru_args+=(1 20)
    if [ ! -x "$build/tests/random_user/ktcmt-random-user" ]; then
        random_user="not built (cmake --build $build --target ktcmt-random-user)"
    else
        echo "== random_user: bash $here/random_user.sh ${ru_args[*]}" >&2
        if bash "$here/random_user.sh" "${ru_args[@]}" > "$work/random_user" 2>&1; then
            random_user=$(grep -v '^[[:space:]]*$' "$work/random_user" | tail -n 1)
            random_user=${random_user#random user: }
        else
            random_user="failed (status $?); run it on its own to see why"
        fi
        cat "$work/random_user" >&2
    fi
fi

load_after=$(uptime | sed 's/.*load average: //')

# ---- figures out of each benchmark's own lines ----
num='(-?[0-9]+(\.[0-9]+)?)'
startup_line() { pick startup "s/^$1 +median +$num ms +\(($num)x bare\) +peak RSS +$num MB.*/\1 \3 \6/p"; }
read -r su_ms su_ratio su_rss <<< "$(startup_line 'ktcmt-script \(empty script\)')"
read -r bare_ms _ bare_rss <<< "$(startup_line 'bare Qt main window \+ 6 children')"

mem_line() { pick memory "s/^$1 +peak RSS +$num MB \(median +$num MB\) +median +$num ms.*/\1 \3 \5/p"; }
read -r full_rss full_rss_med full_ms <<< "$(mem_line '100 character files listed')"
read -r empty_rss empty_rss_med empty_ms <<< "$(mem_line 'empty Characters folder, list open')"

click_ns=$(pick new_character "s/^median per click: (-?[0-9]+) ns.*/\1/p")
level_us=$(pick level_change "s/^per level change \(changes - control\) \/ N: +$num us.*/\1/p")
equip_us=$(pick equip_chain "s/^per armour change \(changes - control\) \/ N: +$num us.*/\1/p")
equip_inproc=$(pick equip_chain "s/^ +median $num us, 90th percentile $num us.*/\1 \3/p")
equip_evals=$(pick equip_chain "s/^ +weapon evaluations per change: (.*)/\1/p")
list_ms=$(pick list_pass "s/^list pass over 100 files: median $num ms.*/\1/p")
render=()
for mode in 0 1 2; do
    render+=("$(pick sheet_render "s/^sheet render, mode $mode: median $num ms.*/\1/p")")
done
render_chars=$(pick sheet_render "s/^sheet render, mode 0: .*\(([0-9]+) characters\).*/\1/p")

for v in su_ms bare_ms full_rss empty_rss click_ns level_us equip_us list_ms; do
    [ -n "${!v}" ] || { echo "run_all.sh: could not read a figure ($v) from the output above" >&2; exit 1; }
done

fmt() { awk "BEGIN { printf \"$1\", $2 }"; }
b="$build"
echo
echo "| What | Command | Result |"
echo "|---|---|---|"
echo "| start-up: the driver running an empty script (the whole program start-up, first character rolled) vs. a bare Qt main window with six child windows, $startup_runs interleaved runs each | \`bench/startup.py $b $startup_runs\` | $su_ms ms vs. $bare_ms ms (${su_ratio}×); peak memory $su_rss MB vs. $bare_rss MB |"
echo "| memory: peak resident memory of the driver with the sheet window open in list mode, 100 character files in Characters vs. an empty Characters folder, $mem_runs interleaved runs each (largest peak; whole run's median wall time) | \`bench/list_memory.py $b $mem_runs\` | $full_rss MB vs. $empty_rss MB ($(fmt '%+.1f' "$full_rss - $empty_rss") MB for 100 files); $full_ms ms vs. $empty_ms ms |"
echo "| one \"新規作成\" click with every refresh it requests and the repaint, $clicks clicks in one driver run, median of $click_runs runs | \`bench/run_new_character.sh $b $clicks $click_runs\` | $(fmt '%.2f' "$click_ns / 1e6") ms per click |"
echo "| one level change in the skills window (\`HScrollLv\`) with every refresh it requests, $level_n changes, median of $level_runs runs | \`bench/run_level_change.sh $b $level_n $level_runs\` | $(fmt '%.2f' "$level_us / 1000") ms per change |"
read -r eq_med eq_p90 <<< "${equip_inproc:-? ?}"
echo "| the equipment window's longest chain: one armour strength change (\`HScrollSTd\`) with a second weapon in the off hand, $equip_n changes, median of $equip_runs driver runs; in-process median of $equip_n changes | \`bench/run_equip_chain.sh $b $equip_n $equip_runs\` | $(fmt '%.2f' "$equip_us / 1000") ms per change through the driver; in-process $eq_med µs (90th percentile $eq_p90 µs); weapon evaluations per change: $equip_evals |"
echo "| one list pass over 100 character files (read all, rebuild the name list and the table, select the edited row), median of $list_runs passes in one run | \`$b/bench-list-pass $list_runs\` | $list_ms ms per pass |"
echo "| one sheet render of a full character (${render_chars:-?} characters), median of $render_runs renders in each line-break mode 0 / 1 / 2 | \`$b/bench-sheet-render $render_runs\` | ${render[0]} / ${render[1]} / ${render[2]} ms |"
if [ -n "$random_user" ]; then
    echo "| random user: seeded runs of random actions on the visible, enabled controls of every window | \`bench/random_user.sh ${ru_args[*]}\` | $random_user |"
fi
echo
echo "Size \`$size\`, $(nproc) cores; load average (1, 5, 15 min) $load_before before, $load_after after."
