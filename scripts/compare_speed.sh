#!/usr/bin/env bash
# Whole-process speed of GIORNARO against its floors, from one run on this
# machine: prints each ratio next to its target and moonshot.
#
#   giornaro --text / remind -q roma.rem       (the same kind of day: sun, moon, Easter, two dates)
#   giornaro --text / a program that opens the store and reads one row
#   peak memory of giornaro --text
#   start to first paint / a bare Qt window of 569 x 441 that quits at its first paint (Xvfb)
#   sheet with a 100,000 + 100,000 store / sheet with the shipped store
#
# Installs hyperfine and remind through scripts/setup.sh the first time.
#   scripts/compare_speed.sh [runs, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-30}
bash scripts/setup.sh speed
[ -x build/giornaro ] && [ -x build/bench/floor_bare_window ] || bash scripts/build.sh

giornaro=$root/build/giornaro
store_floor=$root/build/bench/floor_store_one_row
window_floor=$root/build/bench/floor_bare_window
day=2026-12-08
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The shipped store with a place and two personal dates; the same day for remind.
mkdir "$work/shipped" "$work/big"
cp build/lune.dat "$work/shipped/"
for folder in "$work/shipped" "$work/big"; do
  printf 'ROMA\r\n' >"$folder/luogo.txt"
  printf '08/12/2001*Anniversari*anniversario di matrimonio\r\n06/12/1990*Anniversari*compleanno di Anna\r\n' \
    >"$folder/NewData.txt"
done
cat >"$work/roma.rem" <<'REM'
INCLUDE /usr/share/remind/lang/it.rem
SET $Latitude "41.9167"
SET $Longitude "12.45"
REM MSG Roma: alba [sunrise()] tramonto [sunset()]
REM MSG Luna: fase [moonphase()] gradi; nuova [moondate(0)], piena [moondate(2)]
REM [easterdate($Uy)] MSG Pasqua
REM [orthodoxeaster($Uy)] MSG Pasqua ortodossa
REM 8 December MSG Immacolata Concezione
REM 8 December MSG Archivio: anniversario di matrimonio ([$Uy-2001] anni)
REM 6 December MSG Archivio: compleanno di Anna ([$Uy-1990] anni)
REM

# 100,000 facts and 100,000 births spread over the year, each day's facts in
# ascending years.
awk -v OFS='\t' 'BEGIN {
  split("31 29 31 30 31 30 31 31 30 31 30 31", days, " ")
  print "Data", "dato", "Tipo" > "'"$work"'/OGGI.tsv"
  print "Data", "nome", "noto", "cosa" > "'"$work"'/NATI.tsv"
  n = 0
  for (year = 1000; n < 100000; year++)
    for (m = 1; m <= 12 && n < 100000; m++)
      for (d = 1; d <= days[m] && n < 100000; d++) {
        if (m == 2 && d == 29 && (year % 4 != 0 || (year % 100 == 0 && year % 400 != 0))) continue
        date = sprintf("%02d/%02d/%04d", d, m, year)
        print date, "- Fatto numero " n " per misurare un archivio grande.", "*" > "'"$work"'/OGGI.tsv"
        print date, "Persona " n, "nota per misurare", "" > "'"$work"'/NATI.tsv"
        n++
      }
}'
build/tools/giornaro-store build "$work/OGGI.tsv" "$work/NATI.tsv" "$work/big/lune.dat" >/dev/null

# median of one command from a hyperfine CSV (command,mean,stddev,median,...)
median() { awk -F, -v row="$2" 'NR == row + 1 { print $4 }' "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
ms() { awk -v s="$1" 'BEGIN { printf "%.1f ms", s * 1000 }'; }

cd "$work/shipped"
echo "== terminal sheet ($runs runs each)"
hyperfine -N --warmup 3 --runs "$runs" --export-csv "$work/text.csv" \
  "$giornaro --text --date $day --cartella $work/shipped" \
  "remind -q $work/roma.rem $day" \
  "$store_floor" \
  "$giornaro --text --date $day --cartella $work/big" >/dev/null

echo "== peak memory"
peak_kb=$( (for _ in 1 2 3 4 5; do
  /usr/bin/time -f %M "$giornaro" --text --date "$day" --cartella "$work/shipped" 2>&1 >/dev/null | tail -1
done) | sort -n | sed -n 3p)
remind_kb=$(/usr/bin/time -f %M remind -q "$work/roma.rem" "$day" 2>&1 >/dev/null | tail -1)

echo "== window under Xvfb ($runs runs each)"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1024x768x24" hyperfine -N --warmup 3 --runs "$runs" \
  --export-csv "$work/window.csv" \
  "$giornaro --time-to-paint" "$window_floor" >/dev/null

text=$(median "$work/text.csv" 1)
remind=$(median "$work/text.csv" 2)
floor=$(median "$work/text.csv" 3)
big=$(median "$work/text.csv" 4)
window=$(median "$work/window.csv" 1)
bare=$(median "$work/window.csv" 2)

echo
echo "medians: giornaro --text $(ms "$text"), remind $(ms "$remind"), store floor $(ms "$floor"),"
echo "         100k+100k sheet $(ms "$big"), window to first paint $(ms "$window"), bare Qt window $(ms "$bare")"
echo "peak memory: giornaro --text ${peak_kb} KB, remind ${remind_kb} KB"
echo
printf '| %-62s | %7s | %6s | %8s |\n' "measure (whole process, same run)" "value" "target" "moonshot"
printf '|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..64})" "---------" "--------" "----------"
printf '| %-62s | %7s | %6s | %8s |\n' "giornaro --text / remind -q roma.rem" "$(ratio "$text" "$remind")" "<= 1.5" "<= 1.0"
printf '| %-62s | %7s | %6s | %8s |\n' "giornaro --text / open the store and read one row" "$(ratio "$text" "$floor")" "<= 1.3" "<= 1.1"
printf '| %-62s | %7s | %6s | %8s |\n' "peak memory of giornaro --text (MB)" "$(awk -v k="$peak_kb" 'BEGIN { printf "%.1f", k / 1024 }')" "<= 8" "<= 4"
printf '| %-62s | %7s | %6s | %8s |\n' "start to first paint / bare Qt window 569x441, Xvfb" "$(ratio "$window" "$bare")" "<= 1.2" "<= 1.05"
printf '| %-62s | %7s | %6s | %8s |\n' "sheet with 100k + 100k store / sheet with the shipped store" "$(ratio "$big" "$text")" "<= 1.5" "<= 1.1"
