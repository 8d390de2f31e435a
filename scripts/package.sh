#!/usr/bin/env bash
# Builds the Debian package from the default build (scripts/build.sh first) and checks it: the
# desktop entry and the AppStream data as installed, lintian, and the list of its files.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -f build/banzuri_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/banzuri_*.deb)
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
echo "desktop entry: valid"
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml
lintian_status=0
findings=$(lintian --fail-on error "$deb" 2>&1) || lintian_status=$?
grep -v 'root privileges' <<<"$findings" || true
((lintian_status == 0)) || { echo "lintian found errors"; exit 1; }
echo "lintian: no errors"
echo "== $deb =="
dpkg-deb -f "$deb" Package Version Architecture Depends
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}'
