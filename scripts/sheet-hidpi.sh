#!/usr/bin/env bash
# Makes docs/sheet-hidpi.png: the sheet window at scale factor 2 showing a
# character with a portrait, equipment and a description.
#
# usage: scripts/sheet-hidpi.sh [BUILD_DIR]   (needs xvfb-run and ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Characters/Portraits"
# A plain drawn figure for the portrait box.
convert -size 165x256 gradient:'#dfe8f0-#8aa0b8' \
    \( -size 165x256 xc:none -fill '#3a4a5e' -draw 'ellipse 82,92 36,44 0,360' -draw 'ellipse 82,250 70,90 180,360' \
       -fill '#e8c8a8' -draw 'ellipse 82,98 28,34 0,360' -fill '#3a4a5e' -draw 'ellipse 82,70 32,18 180,360' \) \
    -composite "$work/Characters/Portraits/kestrel.jpg"
cat > "$work/sheet.kts" <<'KTS'
# Two stored characters for the list, then the one shown.
type FormBase.TextChara(0) カイ
writefile Characters/KTC01-01.ktc
type FormBase.TextChara(0) ミレイユ
writefile Characters/KTC01-02.ktc
type FormBase.TextChara(0) リーゼロッテ
type FormBase.TextChara(1) 銀の鷹
type FormBase.TextChara(2) 北の港町で育った元船乗り。
select FormExp.ComboSkill 0
scroll FormExp.HScrollLv 2
select FormEquip.ComboWeapon(0) 5
select FormEquip.ComboArmor 2
select FormTextSheet.FilePL 0
activate FormTextSheet
select FormTextSheet.ListC 0
KTS
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2048x1280x24" \
    "$build/ktcmt-screenshot" --seed 11 --app-dir "$work" --script "$work/sheet.kts" "$work/sheet.png"
# 64 colours keep the text sharp at a third of the size.
convert "$work/sheet.png" -colors 64 -strip png8:docs/sheet-hidpi.png
ls -l docs/sheet-hidpi.png
