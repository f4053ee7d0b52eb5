#!/usr/bin/env bash
# Every window at scale factors 1 and 2: no caption or text cut off, and each
# editing window exactly twice as large at 2 (its proportions kept).
#
# usage: hidpi_check.sh KTCMT_SCREENSHOT WORK_DIR
set -u
shot=$1
work=$2
rm -rf "$work"
mkdir -p "$work/app/Characters/Portraits"
cd "$work" || exit 1
export QT_QPA_PLATFORM=offscreen
status=0
size() { sed -n 's/^.*: \([0-9]*\)x\([0-9]*\) pixels.*$/\1 \2/p' "$1"; }
for form in MDIFormKT FormBase FormAbility FormExp FormEquip FormLang FormPort FormTextSheet:0 FormTextSheet:1; do
    name=${form%%:*}
    mode=1
    [ "$name" != "$form" ] && mode=${form#*:}
    for scale in 1 2; do
        QT_SCALE_FACTOR=$scale "$shot" --seed 3 --app-dir app --form "$name" --mode "$mode" "$form-$scale.png" \
            > "$form-$scale.out" 2> "$form-$scale.err"
        rc=$?
        if [ $rc -ne 0 ]; then
            echo "FAIL: $form at scale $scale (status $rc)"
            grep -v 'propagateSizeHints\|XDG_RUNTIME_DIR' "$form-$scale.err"
            status=1
        fi
    done
    # The main and sheet windows fill the screen; the others keep their own size.
    case $name in MDIFormKT | FormTextSheet) continue ;; esac
    read -r w1 h1 <<< "$(size "$form-1.out")"
    read -r w2 h2 <<< "$(size "$form-2.out")"
    if [ -z "$w1" ] || [ -z "$w2" ] || [ "$w2" -ne $((2 * w1)) ] || [ "$h2" -ne $((2 * h1)) ]; then
        echo "FAIL: $form is ${w1}x${h1} at scale 1 but ${w2}x${h2} at scale 2"
        status=1
    fi
done
[ $status -eq 0 ] && echo "every window fits at scale 1 and 2"
exit $status
