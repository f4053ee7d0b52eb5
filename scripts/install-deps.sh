#!/usr/bin/env bash
# Installs what building and running KTCMT needs on Debian 12, if missing.
# With --fuzz (or KTCMT_FUZZ=ON in the environment) also clang and its
# fuzzer and sanitizer runtimes, for the -DKTCMT_FUZZ=ON build.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev fonts-ipafont-gothic fonts-ipafont-mincho)
fuzz="${KTCMT_FUZZ:-OFF}"
for arg in "$@"; do
  case "$arg" in
    --fuzz) fuzz=ON ;;
    *) echo "usage: $0 [--fuzz]" >&2; exit 2 ;;
  esac
done
case "$fuzz" in
  ON|on|1|yes|true) packages+=(clang libclang-rt-dev) ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
