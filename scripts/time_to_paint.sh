#!/usr/bin/env bash
# Start-to-paint time of the main window: runs the program under a virtual X
# server with --time-to-paint (it quits at its first paint and says how long
# that took) a few times in a fresh folder, and prints each run and the median.
#   scripts/time_to_paint.sh [runs, default 7]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs="${1:-7}"
[ -x build/giornaro ] || bash scripts/build.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -f build/lune.dat ]; then cp build/lune.dat "$work/"; fi
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cat >"$work/runs.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
program=$1 runs=$2
"$program" --time-to-paint >/dev/null  # warm the file cache once
for _ in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  line=$("$program" --time-to-paint)
  end=$(date +%s%N)
  echo "$line; $(( (end - start) / 1000000 )) ms fino alla fine del processo"
done
INNER
chmod +x "$work/runs.sh"

cd "$work"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/runs.sh" "$root/build/giornaro" "$runs" \
  | tee "$work/times.txt"
sort -n -k3 "$work/times.txt" | awk '{ v[NR] = $3 } END { print "mediana: " v[int((NR + 1) / 2)] " ms dall'\''avvio del processo al primo disegno" }'
