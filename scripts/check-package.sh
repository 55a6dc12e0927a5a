#!/usr/bin/env bash
# Builds the .deb from build/ and checks it: the files it installs, its dependencies, the desktop
# entry and the metainfo inside it, both validators. Run after scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

rm -f build/kelvane_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/kelvane_*.deb)
echo "package: $deb"

fail() { echo "package check failed: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/kelvane ./usr/bin/kelvane-open ./usr/bin/kelvane-treetext ./usr/bin/kelvane-render \
            ./usr/share/applications/org.kelvane.Kelvane.desktop \
            ./usr/share/metainfo/org.kelvane.Kelvane.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.kelvane.Kelvane.svg \
            ./usr/share/icons/hicolor/16x16/apps/org.kelvane.Kelvane.png \
            ./usr/share/icons/hicolor/48x48/apps/org.kelvane.Kelvane.png \
            ./usr/share/icons/hicolor/256x256/apps/org.kelvane.Kelvane.png; do
  grep -q " $path\$" <<<"$contents" || fail "missing $path"
done

[ "$(dpkg-deb -f "$deb" Version)" = "1.8.1.2" ] || fail "version is not 1.8.1.2"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6svg6 libmdb3 libsqlite3-0 fonts-dejavu-core qt6-qpa-plugins; do
  grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
desktop-file-validate "$work/usr/share/applications/org.kelvane.Kelvane.desktop"
appstreamcli validate --no-net "$work/usr/share/metainfo/org.kelvane.Kelvane.metainfo.xml"
grep -q '^Exec=kelvane-open %f$' "$work/usr/share/applications/org.kelvane.Kelvane.desktop" || fail "Exec line"
grep -q 'application/x-msaccess' "$work/usr/share/applications/org.kelvane.Kelvane.desktop" || fail "MIME type"

# The launcher starts the program in the folder of the file it is given, without an argument.
mkdir -p "$work/bin" "$work/конфигурация"
cat > "$work/bin/kelvane" <<'FAKE'
#!/bin/sh
echo "$# $(pwd)"
FAKE
chmod +x "$work/bin/kelvane"
out=$(PATH="$work/bin:$PATH" "$work/usr/bin/kelvane-open" "$work/конфигурация/Baza.mdb")
[ "$out" = "0 $work/конфигурация" ] || fail "launcher ran '$out'"
echo "package check passed"
