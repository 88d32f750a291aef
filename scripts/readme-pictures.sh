#!/usr/bin/env bash
# Remakes the pictures of printed pages shown in the README from the current program and
# the sample data: one exported sheet schema reduced to an eighth, and its upper left
# corner at half size, where the cell texts can be read. Look at both before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target kolvard sample_data
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp build/default/KOL703.dat "$work/"
(cd "$work" && "$OLDPWD/build/default/kolvard" export sheet P 4s 1 A . >/dev/null)
mkdir -p docs
# Average the dots of each 8 x 8 square: the grey keeps thin lines and small letters visible.
convert "$work/#P4s1A.BMP" -colorspace Gray -filter Box -resize 12.5% -strip docs/printed-page.png
convert "$work/#P4s1A.BMP" -crop 1400x1280+0+100 +repage -colorspace Gray -filter Box \
  -resize 50% -strip docs/printed-cells.png
git status --short docs
