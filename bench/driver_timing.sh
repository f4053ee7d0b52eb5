# Shared by the driver benchmarks that time N changes of one control: sourced,
# not run. The caller has written changes.kts, control.kts and baseline.kts
# into $work and set driver, work, n and runs.
#
# time_scripts: runs the three scripts RUNS times, interleaved, and sets
# c, k and b to the median wall times (us) of changes, control and baseline.
# print_figures LABEL1 LABEL2: prints them, then LABEL1 with
# (changes - control) / N (our work only) and LABEL2 with
# (changes - baseline) / N (with the driver's own line handling), in us.

export QT_QPA_PLATFORM=offscreen
run_us() {
    local start end
    start=$(date +%s%N)
    "$driver" --app-dir "$work/app" --seed 1 "$work/$1.kts" > /dev/null || {
        echo "driver failed on $1.kts" >&2; exit 1; }
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
}

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

time_scripts() {
    declare -A times=([changes]="" [control]="" [baseline]="")
    local r s
    for ((r = 0; r < runs; r++)); do
        for s in changes control baseline; do
            times[$s]+="$(run_us "$s") "
        done
    done
    c=$(echo "${times[changes]}" | median)
    k=$(echo "${times[control]}" | median)
    b=$(echo "${times[baseline]}" | median)
}

print_figures() {
    awk -v c="$c" -v k="$k" -v b="$b" -v n="$n" -v l1="$1" -v l2="$2" 'BEGIN {
        printf "  changes script   %9.1f ms\n", c / 1000
        printf "  control script   %9.1f ms\n", k / 1000
        printf "  baseline script  %9.1f ms\n", b / 1000
        printf "%s%.1f us\n", l1, (c - k) / n
        printf "%s%.1f us\n", l2, (c - b) / n
    }'
}
