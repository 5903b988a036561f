#!/usr/bin/env bash
# Builds the Debian package from a finished build tree and checks that it holds
# every file a user's system needs: the programs, the menu entry and icon, the
# software-centre entry, the manual pages and the cable rule example.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
dpkg-deb -x "$deb" "$work/root"
metainfo=$work/root/usr/share/metainfo/org.r5prog.r5prog.metainfo.xml

status=0
for path in /usr/bin/r5prog /usr/bin/r5prog-cli /usr/bin/r5sim \
            /usr/share/applications/r5prog.desktop \
            /usr/share/icons/hicolor/scalable/apps/r5prog.svg \
            /usr/share/metainfo/org.r5prog.r5prog.metainfo.xml \
            /usr/share/man/man1/r5prog.1 /usr/share/man/man1/r5prog-cli.1 /usr/share/man/man1/r5sim.1 \
            /usr/share/doc/r5prog/examples/60-r5prog-cable.rules; do
    [ -f "$work/root$path" ] || { echo "missing from the package: $path"; status=1; }
done
appstreamcli validate --no-net "$metainfo" || status=1
version=$(dpkg-deb -f "$deb" Version)
for page in r5prog r5prog-cli r5sim; do
    man=$work/root/usr/share/man/man1/$page.1
    # A page help2man could not fill has no options section.
    grep -q '^\.SH OPTIONS\|^\.SS' "$man" 2>/dev/null || grep -q '^\.TP' "$man" \
        || { echo "$page.1 lists no options"; status=1; }
    grep -q "$version" "$man" || { echo "$page.1 does not carry version $version"; status=1; }
done
grep -q "release version=\"$version\"" "$metainfo" || { echo "the metainfo names another version than $version"; status=1; }
exit $status
