#!/bin/sh
# Draws the desktop icons of Kolvard from the stamp picture of its front page: the program runs
# headless at zoom 4 over the sample data, and the stamp is cut out of the white picture panel
# and set on a transparent square. The icons are committed under packaging/icons/; run this
# again when the sample picture changes:
#   packaging/make-icon.sh build/ci/kolvard build/ci/KOL703.dat packaging/icons
set -eu

if [ $# -ne 3 ]; then
  echo "usage: $0 KOLVARD-PROGRAM KOL703.dat OUTPUT-DIR" >&2
  exit 2
fi
program=$(readlink -f -- "$1")
data=$(readlink -f -- "$2")
mkdir -p -- "$3"
out=$(readlink -f -- "$3")
command -v convert >/dev/null || { echo "$0: ImageMagick's convert is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT
ln -s -- "$data" "$work/KOL703.dat"
# '3' is the 1280 x 960 zoom; a fresh folder holds no settings, so the picture is the first
# value of the first edition.
(cd "$work" && "$program" --headless --keys '3 shot:front.png' >/dev/null)

# The white picture panel at zoom 4 is (62, 62)-(778, 898) in pixels; the stamp inside it is
# what is not white.
convert "$work/front.png" -crop 716x836+62+62 +repage -fuzz 2% -trim +repage "$work/stamp.png"
side=$(convert "$work/stamp.png" -format '%[fx:max(w,h)]' info:)
for size in 48 64 128 256; do
  convert "$work/stamp.png" -background none -gravity center -extent "${side}x${side}" \
    -resize "${size}x${size}" -strip "PNG32:$out/kolvard-$size.png"
done
echo "icons written to $out"
