#!/usr/bin/env bash
# Installs the build into a temporary root and checks what lands where, with the desktop's own
# validators. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr > /dev/null

id=example.velmarch.RollCalc
expect=(
  usr/bin/rollcalc
  usr/bin/rollcalc-cli
  usr/share/man/man1/rollcalc-cli.1.gz
  usr/share/applications/$id.desktop
  usr/share/metainfo/$id.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
  expect+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
status=0
for f in "${expect[@]}"; do
  if [ ! -f "$root/$f" ]; then echo "missing: /$f"; status=1; fi
done
[ -x "$root/usr/bin/rollcalc" ] || { echo "not executable: /usr/bin/rollcalc"; status=1; }

# Each icon is the size its folder says.
for size in 16 24 32 48 64 128 256; do
  f=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$f" ] || continue
  dims=$(file -b "$f" | grep -o '[0-9]* x [0-9]*' || true)
  [ "$dims" = "$size x $size" ] || { echo "icon $size is $dims"; status=1; }
done

desktop-file-validate "$root/usr/share/applications/$id.desktop" || status=1
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" > /dev/null || status=1
grep -q '^Exec=rollcalc$' "$root/usr/share/applications/$id.desktop" || { echo "Exec is not rollcalc"; status=1; }

# The manual page carries every command's options, not only the overview.
zcat "$root/usr/share/man/man1/rollcalc-cli.1.gz" | grep -q -- '--thickness' ||
  { echo "the manual page lacks the commands' options"; status=1; }

[ $status -eq 0 ] && echo "installed files are complete and valid"
exit $status
