#!/bin/sh
# Lintian on the Debian package the package test built: no error, and no warning other than
# the ones README.md accepts, each with its reason, under "Lintian warnings accepted".
# usage: lintian.sh PACKAGE_DIR README
set -eu
command -v lintian >/dev/null ||
    { echo "SKIPPED: lintian is not installed (scripts/install-deps.sh installs it)"; exit 77; }
deb=$(ls "$1"/provimi_*.deb)

# The accepted tags: "- `tag`: reason" lines of the README's section, up to the next heading.
accepted=$(sed -n '/^## Lintian warnings accepted/,/^## /s/^- `\([a-z0-9.+-]*\)`:.*/\1/p' "$2")

report=$(lintian --no-cfg "$deb" 2>/dev/null) || true
echo "$report"
wrong=$(echo "$report" | awk -v ok="$accepted" '
    BEGIN { n = split(ok, tags, "\n"); for (i = 1; i <= n; i++) accepted[tags[i]] = 1 }
    $1 == "E:" || ($1 == "W:" && !($3 in accepted))')
if [ -n "$wrong" ]; then
    echo "FAIL: lintian:"
    echo "$wrong"
    exit 1
fi
echo "PASS"
