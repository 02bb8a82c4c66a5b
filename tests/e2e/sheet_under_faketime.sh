#!/usr/bin/env bash
# Runs the real program under a faked clock in a temporary folder and checks
# the calendar part of the sheet it prints.
#
#   sheet_under_faketime.sh GIORNARO CHECKER [EVENT_STORE]
#
# EVENT_STORE, when the file exists, is copied into the folder as lune.dat.
set -euo pipefail
giornaro=$1
checker=$2
store=${3:-}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
if [ -n "$store" ] && [ -f "$store" ]; then cp "$store" lune.dat; fi

# A sanitizer build must tolerate the preloaded clock library.
export ASAN_OPTIONS=${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}verify_asan_link_order=0

# run_day DATE LUOGO_BYTES KEY=VALUE...
run_day() {
  local date=$1 place=$2
  shift 2
  printf '%b' "$place" >luogo.txt
  local status=0
  faketime "$date 12:00:00" "$giornaro" --json >sheet.json 2>stderr.txt || status=$?
  if [ "$status" -ne 0 ] && [ "$status" -ne 3 ]; then
    echo "giornaro ended with status $status on $date" >&2
    cat stderr.txt >&2
    return 1
  fi
  if ! "$checker" sheet.json "$@"; then
    echo "on $date:" >&2
    cat stderr.txt >&2
    return 1
  fi
  # The place file is read, never rewritten, at start-up.
  if [ "$(od -An -tx1 luogo.txt)" != "$(printf '%b' "$place" | od -An -tx1)" ]; then
    echo "luogo.txt changed on $date" >&2
    return 1
  fi
}

run_day 2025-04-20 'FORL\xcc\r\n' giorno=20 meseT=APRILE settimana=Domenica santo=Pasqua \
  zona=FORLÌ CANNO=20/04
run_day 2025-03-04 'MILANO\r\n' giorno=4 meseT=MARZO settimana=Martedì \
  "santo=S.Casimiro - (Martedì Grasso)" zona=MILANO CANNO=04/03
run_day 1968-02-25 'milano\r\n' giorno=25 meseT=FEBRAIO settimana=Domenica santo=S.Mattia \
  zona=ROMA CANNO=25/02
test -f NewData.txt || { echo "NewData.txt was not created" >&2; exit 1; }
