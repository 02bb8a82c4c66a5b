#!/usr/bin/env bash
# Takes docs/archive-editor.png: opens the archive editor under a virtual X
# server in a fresh folder holding a small archive, and saves the window as
# it first appears.
#   scripts/screenshot_editor.sh [output png]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out="${1:-$root/docs/archive-editor.png}"
[ -x build/tools/giornaro-archivio ] || cmake --build build --target giornaro-archivio

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The archive in the code page with CR LF, out of date order on purpose.
printf '%s\r\n' \
  '05/09/1990*Nozze      *Matrimonio di Anna e Luca a Forlì' \
  '14/02/2011*Anniversari*Primo incontro, caffè in piazza' \
  '02/06/1946*Avvenimenti*Referendum: nasce la Repubblica' \
  '21/07/1969*Astronomia *Lo sbarco sulla Luna visto in TV con il nonno' \
  '05/09/2003*Lutti      *Zio Mario' \
  '11/07/1982*Sport      *Italia campione del mondo a Madrid' \
  '28/03/2015*Musica     *Concerto all'"'"'Arena di Verona' \
  | iconv -f UTF-8 -t WINDOWS-1252 >"$work/NewData.txt"

cat >"$work/shoot.sh" <<'INNER'
#!/usr/bin/env bash
# Inside the virtual display: start the editor, let it appear, grab its
# window, stop the editor.
set -euo pipefail
program=$1 out=$2
"$program" &
pid=$!
sleep 2
window=$(xwininfo -root -tree | awk '/"Archivio"/ {print $1; exit}')
import -window "$window" "$out"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
INNER
chmod +x "$work/shoot.sh"

cd "$work"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$work/shoot.sh" \
  "$root/build/tools/giornaro-archivio" "$work/screen.png"
mkdir -p "$(dirname "$out")"
cp "$work/screen.png" "$out"
identify -format 'window %wx%h\n' "$out"
echo "saved $out"
