#!/usr/bin/env bash
# Builds a de_DE.UTF-8 locale into a folder of the build (no root needed) and runs a test with it.
set -euo pipefail
dir=$1; shift
if [ ! -d "$dir/de_DE.UTF-8" ]; then
  mkdir -p "$dir"
  localedef -i de_DE -f UTF-8 "$dir/de_DE.UTF-8" 2>/dev/null || true
fi
[ -d "$dir/de_DE.UTF-8" ] || { echo "could not generate de_DE.UTF-8"; exit 1; }
export LOCPATH=$dir LC_ALL=de_DE.UTF-8 ROLLCALC_EXPECT_COMMA_LOCALE=1
exec "$@"
