#!/usr/bin/env bash
# Writes the Easter tables the calendar tests compare against, from ncal
# (Debian package ncal, version 12.1.8 when these files were made):
#
#   easter_gregorian.txt  "YEAR MONTH DAY" of Easter, `ncal -e YEAR`, 1583..2500
#                         (ncal reckons these years in the Gregorian calendar).
#   easter_orthodox.txt   "YEAR MONTH DAY" of Orthodox Easter, `ncal -o YEAR`,
#                         326..2500. ncal gives the date in the Julian calendar
#                         up to 1582 and in the Gregorian calendar from 1583;
#                         the test turns the later ones back into Julian dates.
#
# Run once from this folder: bash make_easter_table.sh
set -euo pipefail
cd "$(dirname "$0")"

# ncal prints MM/DD/YY; the year is the one asked for.
table() {
  local option=$1 first=$2 last=$3 y md
  for ((y = first; y <= last; y++)); do
    md=$(LC_ALL=C ncal "$option" "$y")
    echo "$y ${md:0:2} ${md:3:2}"
  done
}

table -e 1583 2500 >easter_gregorian.txt
table -o 326 2500 >easter_orthodox.txt
