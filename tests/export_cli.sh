#!/usr/bin/env bash
# ktcmt-export on good and damaged character files: exit status, messages on
# standard error, and the good files still exported.
#
# usage: export_cli.sh KTCMT_EXPORT KTCMT_SCRIPT WORK_DIR
set -u
exporter=$1
driver=$2
work=$3
rm -rf "$work"
mkdir -p "$work/app/Characters/Portraits"
cd "$work" || exit 1
chars=app/Characters

fail() { echo "FAIL: $*"; exit 1; }

# Two good characters written by the program itself.
cat > make.kts <<'KTS'
select FormAbility.ComboLace 3
type FormBase.TextChara(1) 疾風の
writefile Characters/KTC01-01.ktc
select FormAbility.ComboLace 1
writefile Characters/KTC01-02.ktc
KTS
"$driver" --app-dir app --seed 7 make.kts > make.out || { cat make.out; fail "could not make the characters"; }
[ -s $chars/KTC01-01.ktc ] && [ -s $chars/KTC01-02.ktc ] || fail "characters missing"
# A truncated file and an empty one.
head -c 200 $chars/KTC01-01.ktc > $chars/KTC01-03.ktc
: > $chars/KTC01-04.ktc

# One text to standard output.
"$exporter" $chars/KTC01-01.ktc > one.txt 2> one.err; rc=$?
[ $rc -eq 0 ] || fail "text to stdout: status $rc"
[ -s one.err ] && fail "text to stdout: unexpected message: $(cat one.err)"
grep -q '疾風の' one.txt || fail "text: no common name"
grep -q $'\r$' one.txt || fail "text: no CR LF line ends"
[ "$(tail -c 1 one.txt | od -An -c | tr -d ' ')" != '\n' ] || fail "text: break at the end"
grep -c $'^\r$' one.txt > /dev/null || fail "text: 段落分け by default has empty lines"

"$exporter" --crlf 0 $chars/KTC01-01.ktc > normal.txt || fail "--crlf 0"
grep -q $'^\r$' normal.txt && fail "--crlf 0 has empty lines"
"$exporter" --crlf 2 $chars/KTC01-01.ktc > double.txt || fail "--crlf 2"
[ $(grep -c $'^\r$' double.txt) -gt $(grep -c $'^\r$' one.txt) ] || fail "--crlf 2 not double-spaced"

# Shift-JIS: the same text in code page 932.
"$exporter" --encoding cp932 $chars/KTC01-01.ktc > sjis.txt || fail "--encoding cp932"
cmp -s sjis.txt one.txt && fail "cp932 output is UTF-8"
if command -v iconv > /dev/null; then
    iconv -f CP932 -t UTF-8 sjis.txt > sjis-utf8.txt || fail "cp932 output does not decode"
    cmp -s sjis-utf8.txt one.txt || fail "cp932 output differs from the UTF-8 text"
fi

# Good and damaged files together: the good ones are still written.
"$exporter" -o out $chars/KTC01-01.ktc $chars/KTC01-03.ktc $chars/KTC01-02.ktc $chars/KTC01-04.ktc \
    $chars/KTC09-09.ktc > many.out 2> many.err; rc=$?
[ $rc -eq 1 ] || fail "damaged files: status $rc"
for f in KTC01-03.ktc KTC01-04.ktc KTC09-09.ktc; do
    grep -q "$f" many.err || fail "no message for $f: $(cat many.err)"
done
grep -q 'KTC01-01.ktc\|KTC01-02.ktc' many.err && fail "message for a good file: $(cat many.err)"
cmp -s out/KTC01-01.txt one.txt || fail "out/KTC01-01.txt differs from the text to stdout"
[ -s out/KTC01-02.txt ] || fail "out/KTC01-02.txt missing"
ls out/KTC01-03.* out/KTC01-04.* out/KTC09-09.* > /dev/null 2>&1 && fail "output written for a damaged file"
[ "$(ls out)" = "$(printf 'KTC01-01.txt\nKTC01-02.txt')" ] || fail "unexpected files in out: $(ls out)"

# The piece is valid JSON.
"$exporter" --format piece $chars/KTC01-02.ktc > piece.json || fail "--format piece"
grep -q '"kind":"character"' piece.json || fail "piece: no kind"
if command -v python3 > /dev/null; then
    python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["kind"]=="character"; assert d["data"]["commands"]' piece.json \
        || fail "piece is not valid JSON"
fi

# HTML to a named file, PDF into a folder.
"$exporter" --format html -o sheet.html $chars/KTC01-01.ktc || fail "--format html"
head -c 15 sheet.html | grep -q '<!DOCTYPE html>' || fail "html: no doctype"
"$exporter" --format pdf -o pdfs $chars/KTC01-01.ktc $chars/KTC01-02.ktc || fail "--format pdf"
for f in pdfs/KTC01-01.pdf pdfs/KTC01-02.pdf; do
    [ "$(head -c 5 $f)" = "%PDF-" ] || fail "$f is not a PDF"
done

# The output never replaces a character file: not an input, not any .ktc.
cp $chars/KTC01-01.ktc self.ktc
"$exporter" -o self.ktc self.ktc > /dev/null 2> self.err; rc=$?
[ $rc -ne 0 ] || fail "output onto its input: status 0"
[ -s self.err ] || fail "output onto its input: no message"
cmp -s self.ktc $chars/KTC01-01.ktc || fail "output onto its input replaced the character file"
"$exporter" -o ./app/../self.ktc self.ktc > /dev/null 2>&1 && fail "output onto its input by another path: status 0"
cmp -s self.ktc $chars/KTC01-01.ktc || fail "output onto its input by another path replaced the character file"
"$exporter" -o other.ktc self.ktc > /dev/null 2> ktc.err; rc=$?
[ $rc -ne 0 ] || fail "output to a .ktc: status 0"
[ -e other.ktc ] && fail "output to a .ktc was written"
# Two inputs of one name into a folder: the clash is a failure, the rest exported.
mkdir -p a b
cp $chars/KTC01-01.ktc a/KTC01-01.ktc
cp $chars/KTC01-02.ktc b/KTC01-01.ktc
cp $chars/KTC01-02.ktc b/KTC01-02.ktc
"$exporter" -o clash a/KTC01-01.ktc b/KTC01-01.ktc b/KTC01-02.ktc > /dev/null 2> clash.err; rc=$?
[ $rc -eq 1 ] || fail "same base name: status $rc"
grep -q 'b/KTC01-01.ktc' clash.err || fail "same base name: no message for the second: $(cat clash.err)"
cmp -s clash/KTC01-01.txt one.txt || fail "same base name: the first output was overwritten"
[ -s clash/KTC01-02.txt ] || fail "same base name: the other file was not exported"

# Usage errors.
"$exporter" --format doc $chars/KTC01-01.ktc > /dev/null 2> usage.err; rc=$?
[ $rc -eq 2 ] && grep -q 'usage' usage.err || fail "unknown format: status $rc"
"$exporter" > /dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "no file: status $rc"
"$exporter" --format pdf $chars/KTC01-01.ktc > /dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "pdf to stdout: status $rc"
"$exporter" $chars/KTC01-01.ktc $chars/KTC01-02.ktc > /dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "several files to stdout: status $rc"
"$exporter" --crlf 3 $chars/KTC01-01.ktc > /dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "--crlf 3: status $rc"

echo "ok"
