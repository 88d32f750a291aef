# Draws a page of text in one system font file as a plain PBM picture, for looking at the
# glyphs after making the font.
#
#   awk -v scale=2 -f system-font-preview.awk system-8x16.txt sample.txt > sample.pbm
#
# The second file is the page: lines of code page 865 bytes. A line "@table" stands for the
# 256 codes as 16 rows of 16 cells. Cells touch, so joins between neighbours show.

BEGIN {
  if (scale + 0 < 1) scale = 1
  for (i = 1; i < 256; i++) ord[sprintf("%c", i)] = i
}

FNR == 1 { part++ }

part == 1 && !cellw && /^#/ { next }
part == 1 && $1 == "cell" { cellw = $2 + 0; cellh = $3 + 0; next }
part == 1 && $1 == "code" { code = $2 + 0; row = 0; next }
part == 1 { glyph[code, row++] = $0; next }

part == 2 {
  if ($0 == "@table") {
    for (r = 0; r < 16; r++) {
      line = ""
      for (c = 0; c < 16; c++) line = line "\t" (16 * r + c)
      page[lines++] = line
    }
  } else {
    line = ""
    for (i = 1; i <= length($0); i++) line = line "\t" ord[substr($0, i, 1)]
    page[lines++] = line
  }
}

END {
  width = 0
  for (l = 0; l < lines; l++) {
    count[l] = split(substr(page[l], 2), codes, "\t")
    if (count[l] > width) width = count[l]
  }
  print "P1"
  print width * cellw * scale, lines * cellh * scale
  for (l = 0; l < lines; l++) {
    split(substr(page[l], 2), codes, "\t")
    for (y = 0; y < cellh; y++) {
      out = ""
      for (c = 1; c <= width; c++) {
        bits = (c <= count[l]) ? glyph[codes[c], y] : ""
        for (x = 1; x <= cellw; x++) {
          p = (substr(bits, x, 1) == "#") ? "1 " : "0 "
          for (s = 0; s < scale; s++) out = out p
        }
      }
      for (s = 0; s < scale; s++) print out
    }
  }
}
