#!/bin/sh
# Makes the bitmap fonts of the sample data set from the DejaVu faces with otf2bdf.
# Run once by hand; the resulting BDF files are committed under sampledata/fonts and are
# the sources that `kolvard-data pack` reads (the build does not run otf2bdf).
#
#   tools/fonts/make_fonts.sh [OUTPUT_DIR]    (default: sampledata/fonts)
#
# Sizes are pixels per em (-r 72 makes a point one pixel). Zoom-2 screen fonts must keep
# every glyph within 38 bitmap bytes; the others within 502.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../sampledata/fonts}
faces=/usr/share/fonts/truetype/dejavu
mkdir -p "$out"

# The Unicode characters that have a code page 865 code (the program's character set).
subset=$(python3 "$here/cp865_subset.py")

make() {  # name face pixels
  otf2bdf -r 72 -p "$3" -l "$subset" -o "$out/$1.bdf" "$faces/$2" || test -s "$out/$1.bdf"
  echo "$1: $2 at $3 px"
}

# Font A (small text), zoom 2 / 3 / 4.
make 0a020 DejaVuSans.ttf 8
make 0a030 DejaVuSans.ttf 12
make 0a040 DejaVuSans.ttf 16
# Font B (labels, zoom captions).
make 0a025 DejaVuSans.ttf 10
make 0a036 DejaVuSans.ttf 15
make 0a048 DejaVuSans.ttf 20
# Font C (key boxes, menus, the information viewer): condensed so that "PgUp" and "Enter"
# fit their key boxes.
make 0a028 DejaVuSansCondensed.ttf 9
make 0a042 DejaVuSansCondensed.ttf 13
make 0a056 DejaVuSansCondensed.ttf 18
# The key caps of the register screen are two full blocks of font C: 10 units wide each.
for cap in 0a028:10 0a042:15 0a056:20; do
  name=${cap%%:*}
  awk -v width="${cap##*:}" -f "$here/widen-key-cap.awk" "$out/$name.bdf" >"$out/$name.tmp"
  mv "$out/$name.tmp" "$out/$name.bdf"
done
# Font D (headings).
make 0a038 DejaVuSans-Bold.ttf 13
make 0a057 DejaVuSans-Bold.ttf 20
make 0a076 DejaVuSans-Bold.ttf 26
# Page fonts for the 600-dpi schema pages.
make 0a090 DejaVuSans.ttf 28
make 0a120 DejaVuSans.ttf 35
make 0a150 DejaVuSans-Bold.ttf 40
make 0a160 DejaVuSans-Bold.ttf 43
make 0a170 DejaVuSans-Bold.ttf 45
make 0a180 DejaVuSans-Bold.ttf 47
make 0a200 DejaVuSans-Bold.ttf 58
