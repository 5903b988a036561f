#!/usr/bin/env bash
# Builds the Debian package from a build tree: it holds every file a user's system needs, all of one version.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$1/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
dpkg-deb -x "$deb" "$work/root"
version=$(dpkg-deb -f "$deb" Version)
metainfo=$work/root/usr/share/metainfo/org.r5prog.r5prog.metainfo.xml

status=0
for path in /usr/bin/r5prog /usr/bin/r5prog-cli /usr/bin/r5sim /usr/share/applications/r5prog.desktop \
            /usr/share/icons/hicolor/scalable/apps/r5prog.svg /usr/share/doc/r5prog/examples/60-r5prog-cable.rules; do
    [ -f "$work/root$path" ] || { echo "missing from the package: $path"; status=1; }
done
appstreamcli validate --no-net "$metainfo" && grep -q "release version=\"$version\"" "$metainfo" ||
    { echo "the metainfo is missing, invalid or names another version than $version"; status=1; }
for page in r5prog r5prog-cli r5sim; do
    man=$work/root/usr/share/man/man1/$page.1
    # A page help2man could not fill lists no options.
    grep -qs '^\.SH OPTIONS\|^\.SS\|^\.TP' "$man" && grep -q "$version" "$man" ||
        { echo "$page.1 is missing, lists no options or does not carry version $version"; status=1; }
done
exit $status
