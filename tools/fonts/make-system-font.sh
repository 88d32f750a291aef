#!/bin/sh
# Makes the system font files src/ui/fonts/system-WxH.txt, one per zoom, from DejaVu Sans
# Mono Bold. Run by a developer when the font is to change; the build only embeds the
# committed text files and needs none of the tools used here.
#
#   tools/fonts/make-system-font.sh [--preview DIR]
#
# Needs otf2bdf and a POSIX awk. With --preview it also writes DIR/system-WxH.pbm (and
# .png when ImageMagick's convert is there): the whole code page and a sample of text and
# frames, for looking at the glyphs before committing them.
set -eu
export LC_ALL=C  # awk works on bytes

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
face=${SYSTEM_FONT_FACE:-/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf}
out=$repo/src/ui/fonts
preview=

while [ $# -gt 0 ]; do
  case $1 in
    --preview) preview=${2:?--preview needs a directory}; shift 2 ;;
    *) echo "usage: $0 [--preview DIR]" >&2; exit 2 ;;
  esac
done

command -v otf2bdf >/dev/null || { echo "otf2bdf is not installed" >&2; exit 1; }
[ -f "$face" ] || { echo "no font file $face (set SYSTEM_FONT_FACE)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# The page drawn by --preview, in code page 865 bytes (written as octal escapes so that
# this file stays ASCII): a text line with the Nordic letters, frames of every kind of
# box-drawing character, shades and blocks.
write_sample() {
  {
    echo '@table'
    printf 'ABC\222\235\217 abc\221\233\206 0123456789 \372 \030\031 \202 Hello, world! {[()]} @#$%%&*\n'
    printf '\311\315\315\315\315\315\315\313\315\315\315\315\315\273 \332\304\304\302\304\304\277 \325\315\315\321\315\315\270 \326\304\322\304\267\n'
    printf '\272 Pris \272 Nr. \272 \263ab\263cd\263 \263ab\263cd\263 \272a\272b\272\n'
    printf '\314\315\315\315\315\315\315\316\315\315\315\315\315\271 \303\304\304\305\304\304\264 \306\315\315\330\315\315\265 \307\304\327\304\266\n'
    printf '\272 \221\233\206  \272 \222\235\217 \272 \263  \263  \263 \263  \263  \263 \272 \272 \272\n'
    printf '\310\315\315\315\315\315\315\312\315\315\315\315\315\274 \300\304\304\301\304\304\331 \324\315\315\317\315\315\276 \323\304\320\304\275\n'
    printf '\260\260\260\261\261\261\262\262\262\333\333\333\334\334\334\337\337\337\335\336\335\336\n'
    printf 'V\206bentypen: F\221r\233erne \372 \235re - \217ret, gjpqy Q MW\n'
  } > "$1"
}

# zoom  cell width  cell height  face pixel size  line thickness  double-line gap
while read -r zoom width height pixels stroke gap; do
  name=system-${width}x${height}
  # otf2bdf's exit status is not reliable (it is non-zero after a good conversion too),
  # so the BDF file is checked instead.
  otf2bdf -r 72 -p "$pixels" -o "$work/$name.bdf" "$face" || true
  if [ "$(tail -n 1 "$work/$name.bdf" 2>/dev/null)" != ENDFONT ]; then
    echo "otf2bdf failed on $face at $pixels pixels" >&2
    exit 1
  fi
  awk -v cellw="$width" -v cellh="$height" -v stroke="$stroke" -v gap="$gap" \
      -v source="$(basename "$face") at $pixels pixels (otf2bdf, hinted)" \
      -f "$here/system-font-convert.awk" "$work/$name.bdf" > "$work/$name.txt"
  mv "$work/$name.txt" "$out/$name.txt"
  echo "zoom $zoom: $out/$name.txt"
  if [ -n "$preview" ]; then
    mkdir -p "$preview"
    write_sample "$work/sample.txt"
    awk -v scale=2 -f "$here/system-font-preview.awk" "$out/$name.txt" "$work/sample.txt" \
        > "$preview/$name.pbm"
    if command -v convert >/dev/null; then
      convert "$preview/$name.pbm" "$preview/$name.png"
    fi
  fi
done <<'EOF'
2 8 16 13 2 2
3 12 24 20 2 2
4 16 32 26 4 4
EOF
