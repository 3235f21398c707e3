#!/bin/sh
# An install into a staging folder: the tree an exam terminal gets, nothing more; its desktop
# entries and metadata valid and pointing at what is installed; the launcher's scale rule.
# usage: install.sh BUILD_DIR STAGING_DIR
set -eu
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null ||
        { echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$2"
DESTDIR="$2" cmake --install "$1" --prefix /usr >/dev/null
cd "$2/usr"

tree=$(find . -type f | sort)
expected='./bin/provimi
./bin/provimi-fond
./bin/provimi-kiosk
./share/applications/provimi.desktop
./share/doc/provimi/changelog.gz
./share/doc/provimi/copyright
./share/doc/provimi/examples/provimi.conf
./share/icons/hicolor/scalable/apps/provimi.svg
./share/man/man1/provimi-fond.1.gz
./share/man/man1/provimi-kiosk.1.gz
./share/man/man1/provimi.1.gz
./share/metainfo/al.qkp.provimi.metainfo.xml
./share/provimi/central-store.sql
./share/provimi/openbox-rc.xml
./share/xsessions/provimi.desktop'
[ "$tree" = "$expected" ] || fail "installed tree:
$tree"
{ [ -x bin/provimi ] && [ -x bin/provimi-fond ] && [ -x bin/provimi-kiosk ]; } ||
    fail "the programs are not executable"
# The example configuration configures nothing until the administrator uncomments it.
! grep -v '^;' share/doc/provimi/examples/provimi.conf | grep -q '=' ||
    fail "the example configuration sets a key"

desktop-file-validate share/applications/provimi.desktop share/xsessions/provimi.desktop
appstreamcli validate --no-net share/metainfo/al.qkp.provimi.metainfo.xml

# What the entries name is installed: the session runs the launcher, the menu entry the
# program and its icon, the metadata launches the menu entry.
key() { sed -n "s/^$1=//p" "$2"; }
[ "$(key Exec share/xsessions/provimi.desktop)" = provimi-kiosk ] || fail "session command"
[ -x "bin/$(key Exec share/applications/provimi.desktop)" ] || fail "menu entry command"
[ -f "share/icons/hicolor/scalable/apps/$(key Icon share/applications/provimi.desktop).svg" ] ||
    fail "menu entry icon"
grep -q '<launchable type="desktop-id">provimi.desktop</launchable>' \
    share/metainfo/al.qkp.provimi.metainfo.xml || fail "metadata launchable"

# The scale rule: the 1024 x 768 design fitted uniformly, rounded down to two decimals; an
# administrator's own factor (the third column) kept where the exam fits at it, lowered to the
# fit where it does not; a screen below 1024 x 600 refused.
unset QT_SCALE_FACTOR
while read -r size want factor; do
    got=$(env ${factor:+QT_SCALE_FACTOR=$factor} bin/provimi-kiosk --scale-for "$size" 2>/dev/null)
    [ "$got" = "$want" ] || fail "scale for $size (${factor:-no} factor): $got, expected $want"
done <<ROWS
1024x768 1
1280x1024 1.25
1920x1080 1.4
1280x800 1.04
3840x2160 2.81
1024x600 0.78
1920x1080 1.25 1.25
1920x1080 1.4 1.7
ROWS
for size in 800x600 1023x768 1280x599; do
    bin/provimi-kiosk --scale-for $size >/dev/null 2>&1 && fail "$size is not refused"
done
echo "PASS"
