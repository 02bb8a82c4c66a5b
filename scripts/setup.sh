#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test GIORNARO.
# Safe to run again: packages already present are skipped.
#
#   setup.sh            what building, testing and packaging need
#   setup.sh speed      also what scripts/compare_speed.sh runs (hyperfine, remind)
#   setup.sh icons      also what scripts/draw_icons.sh runs (rsvg-convert)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev qt6-qpa-plugins
  libsqlcipher-dev sqlcipher
  nlohmann-json3-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  faketime ncal bsdutils locales
  xvfb xauth x11-utils imagemagick fonts-liberation
  dpkg-dev file desktop-file-utils appstream man-db groff-base
)

for group in "$@"; do
  case "$group" in
    speed) packages+=(hyperfine remind time xvfb) ;;
    icons) packages+=(librsvg2-bin) ;;
    *) echo "setup.sh: unknown group $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The suite runs once more under an Italian locale (decimal comma), which the
# locales package ships only as a source: compile it when it is missing.
if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
  echo "Generating the locale it_IT.UTF-8"
  "${sudo_cmd[@]}" localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi
