#!/bin/sh
# The Debian package built from the build tree: its control fields, and unpacked (not
# installed) into OUT_DIR/root for the kiosk session test.
# usage: package.sh BUILD_DIR OUT_DIR VERSION
set -eu
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null ||
        { echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$2"
mkdir -p "$2"
(cd "$1" && cpack -G DEB -B "$2" -D CPACK_OUTPUT_FILE_PREFIX="$2") >"$2/cpack.log" 2>&1 ||
    { cat "$2/cpack.log"; fail "cpack"; }
deb="$2/provimi_$3_$(dpkg --print-architecture).deb"
dpkg-deb -I "$deb"

[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "section"
[ "$(dpkg-deb -f "$deb" Version)" = "$3" ] || fail "version"
# The libraries the program links, and what it and the session load or call at run time.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for p in libqt6widgets6 libqt6sql6 libstdc++6 fonts-liberation fonts-comfortaa \
    qt6-qpa-plugins libqt6sql6-sqlite openbox x11-utils x11-xserver-utils dbus-daemon; do
    echo "$depends" | grep -qx "$p" || fail "$p is not a dependency"
done

dpkg-deb -x "$deb" "$2/root"
echo "PASS"
