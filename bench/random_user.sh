#!/bin/sh
# Random user figures: actions per second and the largest handler count of
# one action, over a few seeds. Usage: bench/random_user.sh [BUILD_DIR] [SEEDS] [ACTIONS]
build=${1:-build}
seeds=${2:-1-5}
actions=${3:-2000}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build/tests/random_user/ktcmt-random-user" --seeds "$seeds" --actions "$actions" 2>/dev/null |
  awk '/^seed [0-9]+: [0-9]+ action/ {
         n += $3; split($0, a, ", "); sub(/ s$/, "", a[2]); t += a[2]
         h = $0; sub(/.*largest handler count /, "", h); sub(/ .*/, "", h); if (h + 0 > max) max = h + 0
         print
       }
       / FAILED$/ { failed++ }
       END { rate = t > 0 ? n / t : 0; note = failed ? (", " failed " seed(s) FAILED") : ""
             printf "random user: %d actions in %.1f s, %.0f actions/s, largest handler count of one action %d%s\n", n, t, rate, max, note }'
