#!/usr/bin/env bash
# Checks a built package: its name and dependency line, the desktop entry
# and the AppStream file, and the player started from a tree unpacked with
# `dpkg -x`: beside a program the user may write to it keeps its files
# there; beside one it may not, in $XDG_CONFIG_HOME/rq810z/. Both times the
# settings are made from the template in the tree's share/rq810z/.
# Usage: check_package.sh PACKAGE.deb
set -euo pipefail
deb="$1"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

case "$(basename "$deb")" in
  rq810z_*_amd64.deb) ;;
  *) fail "package named $(basename "$deb"), not rq810z_<version>_amd64.deb" ;;
esac
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in fonts-ipafont-gothic libmpv2 libqt6widgets6 libqt6dbus6 libc6; do
  grep -qE "(^|, )$d( |,|$)" <<<"$depends" || fail "no dependency on $d"
done

tree="$work/tree"
dpkg -x "$deb" "$tree"
for f in usr/bin/rq810z usr/share/rq810z/RQ01.sys usr/share/rq810z/skin_sheet.bmp \
         usr/share/applications/rq810z.desktop; do
  test -f "$tree/$f" || fail "$f missing from the package"
done
for size in 16 32 48 64 128 256; do
  icon="$tree/usr/share/icons/hicolor/${size}x${size}/apps/rq810z.png"
  file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "no ${size}x${size} icon: $(file "$icon")"
done
desktop-file-validate "$tree/usr/share/applications/rq810z.desktop" || fail "desktop entry"
metainfo=("$tree"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" || fail "AppStream file"
grep -q '<launchable type="desktop-id">rq810z.desktop</launchable>' "${metainfo[@]}" ||
  fail "the AppStream file does not launch the desktop entry"

# Starts the unpacked player (through the command given after the folder,
# if any) until it has made its files in FOLDER, then ends it with SIGTERM
# the orderly way.
run_player() {
  local folder="$1"
  shift
  "$@" env HOME="$work/home" XDG_CONFIG_HOME="$work/home/cfg" QT_QPA_PLATFORM=offscreen \
    RQ810Z_ENGINE=sim "$tree/usr/bin/rq810z" &
  pid=$!
  for _ in $(seq 150); do
    [ -f "$folder/RQ01.CFG" ] && [ -f "$folder/RQ01.rql" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || fail "the player did not end cleanly"
  pid=""
}

mkdir -p "$work/home"
run_player "$tree/usr/bin"
test -s "$tree/usr/bin/RQ01.CFG" || fail "an unpacked copy keeps no settings beside its program"
# Without the template no settings would be written at all.
[ "$(head -n1 "$tree/usr/bin/RQ01.CFG")" = "$(head -n1 "$tree/usr/share/rq810z/RQ01.sys")" ] ||
  fail "settings not made from the installed template"
test -f "$tree/usr/bin/RQ01.rql" || fail "no default playlist beside the program"
test ! -e "$work/home/cfg/rq810z" || fail "an unpacked copy wrote into the user's folder"

# Not writable: as root, run as nobody (root may write anywhere).
rm -f "$tree/usr/bin/RQ01.CFG" "$tree/usr/bin/RQ01.rql"
as=()
if [ "$(id -u)" -eq 0 ]; then
  as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chmod -R a+rX "$work"
  chmod a+rwx "$work" "$work/home"
else
  chmod a-w "$tree/usr/bin"
fi
run_player "$work/home/cfg/rq810z" "${as[@]}"
chmod u+w "$tree/usr/bin"
test -s "$work/home/cfg/rq810z/RQ01.CFG" || fail "no settings in \$XDG_CONFIG_HOME/rq810z/"
test -f "$work/home/cfg/rq810z/RQ01.rql" || fail "no default playlist in \$XDG_CONFIG_HOME/rq810z/"
test ! -e "$tree/usr/bin/RQ01.CFG" || fail "settings written beside a read-only program"
echo "package ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"
