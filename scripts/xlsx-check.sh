#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The class results' workbook as a teacher's spreadsheet reads it: a few
# sessions played by the autoplay driver on a copy of the demo, exported as
# CSV and as .xlsx; LibreOffice (soffice --headless --convert-to csv) turns
# each sheet of the workbook back into CSV, and every figure must equal the
# CSV export's, with marks, counts and dates as numbers, not text.
#   scripts/xlsx-check.sh BIN_DIR DEMO_DIR
# Exit 77 (skipped) without LibreOffice (Debian's libreoffice-calc).
set -euo pipefail
bin=$1
demo=$2
if ! command -v soffice >/dev/null; then
  echo "xlsx-check: skipped, soffice not found (install libreoffice-calc)"
  exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/brenloq-xlsx.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -r "$demo" "$work/program"
mkdir -m 700 "$work/runtime"
export XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen

# Two subjects, one with option folders; a repeat in the same minute.
play() {
  "$bin/autoplay" "$work/program" "$1" --course "1r ESO" --subject "$2" --questions 4 \
    --clock "$3" --seed "$4" >/dev/null 2>"$work/autoplay.log" || { cat "$work/autoplay.log" >&2; exit 1; }
}
play "Anna Puig" "Ciències de la Natura" 2026-03-09T10:05:00 1
play "Anna Puig" "Ciències de la Natura" 2026-03-09T10:05:00 2
play "Joan, el petit" "Matemàtiques" 2026-03-09T11:10:00 3
play "Laia" "Matemàtiques" 2026-03-10T09:00:00 4
play "Pau" "Ciències de la Natura" 2026-03-10T09:01:00 7

"$bin/RESULTATS BRENLOQ" --folder "$work/program" --csv "$work/table.csv" --questions-csv "$work/questions.csv" \
  --xlsx "$work/book.xlsx"

# Every sheet, UTF-8, text cells quoted (so a number is told from text),
# contents as shown (marks with their two decimals), in en-US.
mkdir "$work/lo"
soffice -env:UserInstallation="file://$work/profile" --headless \
  --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,true,false,true,false,false,-1' \
  --outdir "$work/lo" "$work/book.xlsx" >"$work/soffice.log" 2>&1 || { cat "$work/soffice.log" >&2; exit 1; }

python3 - "$work" <<'EOF'
import csv, glob, io, re, sys
work = sys.argv[1]

def ours(name):
    text = open(f"{work}/{name}", encoding="utf-8-sig").read()
    return list(csv.reader(io.StringIO(text), delimiter=";"))

def theirs():
    sheets = []
    for path in sorted(glob.glob(f"{work}/lo/*.csv")):
        raw = open(path, encoding="utf-8").read()
        # Which fields were quoted (text) and which were not (numbers).
        rows = []
        for line in raw.splitlines():
            fields, quoted = [], []
            for m in re.finditer(r'("((?:[^"]|"")*)"|[^,]*)(,|$)', line):
                if m.group(0) == "" and m.end() == len(line) and fields:
                    break
                quoted.append(m.group(1).startswith('"'))
                fields.append(m.group(2).replace('""', '"') if quoted[-1] else m.group(1))
                if m.group(3) == "":
                    break
            rows.append(list(zip(fields, quoted)))
        sheets.append(rows)
    return sheets

failures = []
def check(sheet, expected, numeric, label):
    if len(sheet) != len(expected):
        failures.append(f"{label}: {len(sheet)} rows in the workbook, {len(expected)} in the CSV")
        return
    if [f for f, _ in sheet[0]] != expected[0]:
        failures.append(f"{label}: headers {sheet[0]} against {expected[0]}")
    for r, (got, want) in enumerate(zip(sheet[1:], expected[1:]), 2):
        got += [("", False)] * (len(want) - len(got))
        for c, ((value, quoted), wanted) in enumerate(zip(got, want)):
            header = expected[0][c]
            if c in numeric and wanted != "":
                if quoted:
                    failures.append(f"{label} row {r}, {header}: {value!r} is text, not a number")
                elif value.replace(".", ",") != wanted:
                    failures.append(f"{label} row {r}, {header}: {value} against {wanted}")
            elif value != wanted:
                failures.append(f"{label} row {r}, {header}: {value!r} against {wanted!r}")

table, questions = ours("table.csv"), ours("questions.csv")
sheets = theirs()
by_header = {tuple(f for f, _ in s[0]): s for s in sheets if s}
t = by_header.get(tuple(table[0]))
q = by_header.get(tuple(questions[0]))
if t is None or q is None:
    sys.exit(f"xlsx-check: sheets not found: {[s[0] for s in sheets]}")
# Table: date and time, repeat, mark, right, wrong, blank are numbers.
check(t, table, {1, 2, 6, 7, 8, 9}, "table")
# Per question: asked, right, wrong, blank, share right.
check(q, questions, {2, 3, 4, 5, 6}, "per question")
if len(table) < 6 or not any(row[2] for row in table[1:]):
    failures.append("the sessions played did not give the rows expected")
for f in failures[:20]:
    print("xlsx-check:", f)
if failures:
    sys.exit(1)
print(f"xlsx-check: {len(table) - 1} rows and {len(questions) - 1} questions read back alike by LibreOffice")
EOF
