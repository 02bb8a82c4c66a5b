#!/usr/bin/env bash
# Installs the build into a temporary root and checks what a desktop and a
# package manager will read: the menu entry, the AppStream data, the manual
# page, the icons; then runs the installed program from an empty home, and
# builds the Debian package and reads its control data.
#
#   install_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install_check: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$work/root/usr"
for file in bin/giornaro libexec/giornaro/giornaro-finestra share/giornaro/lune.dat \
  share/applications/it.giornaro.giornaro.desktop \
  share/metainfo/it.giornaro.giornaro.metainfo.xml share/man/man1/giornaro.1.gz \
  share/icons/hicolor/scalable/apps/giornaro.svg; do
  [ -f "$usr/$file" ] || fail "missing /usr/$file"
done
for size in 16 22 24 32 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/apps/giornaro.png"
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file "$icon")"
done

desktop-file-validate "$usr/share/applications/it.giornaro.giornaro.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/it.giornaro.giornaro.metainfo.xml" >/dev/null
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/man1/giornaro.1.gz" 2>&1 >"$work/man.txt")
[ -z "$warnings" ] || fail "man page warnings: $warnings"
grep -q "STATO DI USCITA" "$work/man.txt" || fail "man page without exit statuses"
zcat "$usr/share/man/man1/giornaro.1.gz" | grep -q "/usr/share/giornaro/lune.dat" \
  || fail "man page does not name the installed store"

# The installed program from an empty home, as from the menu.
mkdir "$work/home"
(cd "$work/home" && env -u XDG_DATA_HOME HOME="$work/home" ASAN_OPTIONS=verify_asan_link_order=0 \
  "$usr/bin/giornaro" --text --date 2026-04-25 >"$work/sheet.txt") || fail "giornaro --text failed"
grep -q "Liberazione" "$work/sheet.txt" || fail "no feast on 25 April"
grep -q "I Nati Oggi" "$work/sheet.txt" || fail "no births heading"
grep -q "^> 1945 - AVVENIMENTI" "$work/sheet.txt" || fail "no facts from the installed store"
grep -q "Guglielmo Marconi" "$work/sheet.txt" || fail "no births from the installed store"
[ -f "$work/home/.local/share/giornaro/NewData.txt" ] || fail "no archive in the XDG folder"

# The Debian package.
cpack --config "$build/CPackConfig.cmake" -B "$work/package" -G DEB >/dev/null
deb="$work/package/giornaro_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work/package")"
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6widgets6 qt6-qpa-plugins libc6; do
  grep -q "$wanted" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done
dpkg-deb -c "$deb" >"$work/contents.txt"
grep -q "./usr/bin/giornaro$" "$work/contents.txt" || fail "package without /usr/bin/giornaro"
