#!/usr/bin/env bash
# Takes docs/day-sheet.png: runs the program under a virtual X server on a
# fixed date, in a fresh folder (with build/lune.dat when there is one), and
# saves the main window as it first appears.
#   scripts/screenshot.sh [date, default 2026-12-08] [output png]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
day="${1:-2026-12-08}"
out="${2:-$root/docs/day-sheet.png}"
[ -x build/giornaro ] || bash scripts/build.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -f build/lune.dat ]; then cp build/lune.dat "$work/"; fi

cat >"$work/shoot.sh" <<'INNER'
#!/usr/bin/env bash
# Inside the virtual display: start the program, let the window appear and
# the banner show its first line, grab the screen, stop the program.
set -euo pipefail
program=$1 day=$2 out=$3
faketime "$day 10:00:00" "$program" &
pid=$!
sleep 3
import -window root "$out"
# faketime runs the program as its child.
kill $(pgrep -P "$pid") "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
INNER
chmod +x "$work/shoot.sh"

cd "$work"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A black root window, so that trimming leaves the program's window alone.
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -br" "$work/shoot.sh" "$root/build/giornaro" \
  "$day" "$work/screen.png"
mkdir -p "$(dirname "$out")"
convert "$work/screen.png" -trim +repage "$out"
identify -format 'window %wx%h\n' "$out"
echo "saved $out"
