# Turns a Unicode BDF font into one cell size of the Kolvard system font: a text file
# with one block per code page 865 code, 0 to 255.
#
#   awk -v cellw=8 -v cellh=16 -v stroke=2 -v gap=2 -v source="..." \
#       -f system-font-convert.awk face.bdf > system-8x16.txt
#
# Letters, digits and symbols come from the BDF face, put on one baseline that fits the
# face's ascent and descent into the cell and centred on the cell's width. The shades
# (176-178), the box-drawing characters (179-218) and the blocks (219-223) are drawn here
# to the cell grid, so that neighbouring cells join: a line runs through the cell centre
# to the cell edges, `stroke` pixels thick; a double line is two such lines `gap` pixels
# apart. Codes the face has no glyph for are blank cells.
#
# Plain POSIX awk (no bit operations, no gawk extensions).

BEGIN {
  if (cellw + 0 <= 0 || cellh + 0 <= 0 || stroke + 0 <= 0 || gap + 0 <= 0) {
    fail("give cellw, cellh, stroke and gap with -v")
  }
  if (cellw % 2 || cellh % 2 || stroke % 2 || gap % 2) {
    fail("cell sizes, stroke and gap must be even so that lines sit on the exact centre")
  }
  if (2 * stroke + gap > cellw) fail("a double line does not fit the cell width")

  split("0000 0001 0010 0011 0100 0101 0110 0111 1000 1001 1010 1011 1100 1101 1110 1111",
        nib, " ")
  hexdigits = "0123456789ABCDEF"
  for (i = 1; i <= 16; i++) {
    d = substr(hexdigits, i, 1)
    s = nib[i]
    gsub(/0/, ".", s)
    gsub(/1/, "#", s)
    hexbits[d] = s
    hexbits[tolower(d)] = s
    hexvalue[d] = i - 1
    hexvalue[tolower(d)] = i - 1
  }

  # Unicode code points of cp865, as hexadecimal, codes 0 to 255 (0 has no glyph).
  map = \
    "0000 263A 263B 2665 2666 2663 2660 2022 25D8 25CB 25D9 2642 2640 266A 266B 263C " \
    "25BA 25C4 2195 203C 00B6 00A7 25AC 21A8 2191 2193 2192 2190 221F 2194 25B2 25BC " \
    "0020 0021 0022 0023 0024 0025 0026 0027 0028 0029 002A 002B 002C 002D 002E 002F " \
    "0030 0031 0032 0033 0034 0035 0036 0037 0038 0039 003A 003B 003C 003D 003E 003F " \
    "0040 0041 0042 0043 0044 0045 0046 0047 0048 0049 004A 004B 004C 004D 004E 004F " \
    "0050 0051 0052 0053 0054 0055 0056 0057 0058 0059 005A 005B 005C 005D 005E 005F " \
    "0060 0061 0062 0063 0064 0065 0066 0067 0068 0069 006A 006B 006C 006D 006E 006F " \
    "0070 0071 0072 0073 0074 0075 0076 0077 0078 0079 007A 007B 007C 007D 007E 2302 " \
    "00C7 00FC 00E9 00E2 00E4 00E0 00E5 00E7 00EA 00EB 00E8 00EF 00EE 00EC 00C4 00C5 " \
    "00C9 00E6 00C6 00F4 00F6 00F2 00FB 00F9 00FF 00D6 00DC 00F8 00A3 00D8 20A7 0192 " \
    "00E1 00ED 00F3 00FA 00F1 00D1 00AA 00BA 00BF 2310 00AC 00BD 00BC 00A1 00AB 00A4 " \
    "2591 2592 2593 2502 2524 2561 2562 2556 2555 2563 2551 2557 255D 255C 255B 2510 " \
    "2514 2534 252C 251C 2500 253C 255E 255F 255A 2554 2569 2566 2560 2550 256C 2567 " \
    "2568 2564 2565 2559 2558 2552 2553 256B 256A 2518 250C 2588 2584 258C 2590 2580 " \
    "03B1 00DF 0393 03C0 03A3 03C3 00B5 03C4 03A6 0398 03A9 03B4 221E 03C6 03B5 2229 " \
    "2261 00B1 2265 2264 2320 2321 00F7 2248 00B0 2219 00B7 221A 207F 00B2 25A0 00A0"
  n = split(map, hexcodes, " ")
  if (n != 256) fail("the code page table has " n " entries")
  for (c = 0; c < 256; c++) {
    u = hex(hexcodes[c + 1])
    unicode[c] = u
    if (c > 0) wanted[u] = 1
  }

  # Arms of the box-drawing characters 179-218: up, down, left, right;
  # 0 none, 1 single line, 2 double line.
  arms = \
    "1100 1110 1120 2210 0210 0120 2220 2200 0220 2020 2010 1020 0110 1001 1011 0111 " \
    "1101 0011 1111 1102 2201 2002 0202 2022 0222 2202 0022 2222 1022 2011 0122 0211 " \
    "2001 1002 0102 0201 2211 1122 1010 0101"
  n = split(arms, boxarms, " ")
  if (n != 40) fail("the box-drawing table has " n " entries")
  for (i = 1; i <= 40; i++) box[178 + i] = boxarms[i]

  ascent = -1
  descent = -1
  inbitmap = 0
}

function fail(message) {
  print "system-font-convert: " message > "/dev/stderr"
  failed = 1
  exit 1
}

function warn(message) {
  print "system-font-convert: " message > "/dev/stderr"
}

function hex(text,    i, v) {
  v = 0
  for (i = 1; i <= length(text); i++) v = v * 16 + hexvalue[substr(text, i, 1)]
  return v
}

function hexname(u,    s, i, d) {
  s = ""
  for (i = 0; i < 4; i++) {
    d = u % 16
    s = substr(hexdigits, d + 1, 1) s
    u = int(u / 16)
  }
  return s
}

# --- reading the BDF face ---------------------------------------------------------------

$1 == "FONT_ASCENT" { ascent = $2 + 0 }
$1 == "FONT_DESCENT" { descent = $2 + 0 }
$1 == "STARTCHAR" { enc = -1; dwidth = 0; bw = 0; bh = 0; bx = 0; by = 0; rows = 0 }
$1 == "ENCODING" { enc = $2 + 0 }
$1 == "DWIDTH" { dwidth = $2 + 0 }
$1 == "BBX" { bw = $2 + 0; bh = $3 + 0; bx = $4 + 0; by = $5 + 0 }
$1 == "BITMAP" { inbitmap = (enc in wanted); next }
$1 == "ENDCHAR" {
  if (inbitmap) {
    have[enc] = 1
    gw[enc] = bw; gh[enc] = bh; gx[enc] = bx; gy[enc] = by; gd[enc] = dwidth
    if (rows != bh) warn("U+" hexname(enc) " has " rows " bitmap rows, expected " bh)
  }
  inbitmap = 0
  next
}
inbitmap {
  bits = ""
  for (i = 1; i <= length($1); i++) bits = bits hexbits[substr($1, i, 1)]
  bitmap[enc, rows] = substr(bits, 1, bw)
  rows++
}

# --- drawing the cells -------------------------------------------------------------------

function clearcell(    x, y) {
  for (y = 0; y < cellh; y++) for (x = 0; x < cellw; x++) cell[x, y] = "."
}

# Ink on [x0, x1) x [y0, y1), clipped to the cell.
function fill(x0, y0, x1, y1,    x, y) {
  if (x0 < 0) x0 = 0
  if (y0 < 0) y0 = 0
  if (x1 > cellw) x1 = cellw
  if (y1 > cellh) y1 = cellh
  for (y = y0; y < y1; y++) for (x = x0; x < x1; x++) cell[x, y] = "#"
}

function faceglyph(u, code,    left, top, r, x, y, lost) {
  if (!(u in have)) return 0
  # Centre the advance on the cell; keep the ink inside when the advance is narrower.
  left = int((cellw - gd[u]) / 2) + gx[u]
  if (gw[u] <= cellw) {
    if (left < 0) left = 0
    if (left + gw[u] > cellw) left = cellw - gw[u]
  }
  top = baseline - (gy[u] + gh[u])
  lost = 0
  for (r = 0; r < gh[u]; r++) {
    y = top + r
    for (x = 0; x < gw[u]; x++) {
      if (substr(bitmap[u, r], x + 1, 1) != "#") continue
      if (left + x < 0 || left + x >= cellw || y < 0 || y >= cellh) {
        lost++
        continue
      }
      cell[left + x, y] = "#"
    }
  }
  if (lost) warn("code " code " (U+" hexname(u) "): " lost " ink pixels outside the cell")
  return 1
}

# The shades: 1 in 4, 1 in 2 and 3 in 4 pixels in a pattern whose period divides the
# cell, so that shaded areas tile without seams.
function shade(level,    x, y, on) {
  for (y = 0; y < cellh; y++) {
    for (x = 0; x < cellw; x++) {
      if (level == 2) on = ((x + y) % 2 == 0)
      else {
        on = (y % 2 == 0 && x % 4 == 0) || (y % 2 == 1 && x % 4 == 2)
        if (level == 3) on = !on
      }
      if (on) cell[x, y] = "#"
    }
  }
}

# A box-drawing character from its four arms. Each arm runs from the cell edge to the
# middle; where it meets the crossing arms it stops at, or reaches across, their lines so
# that corners close and double lines form the usual nested corners and T-joins.
function boxchar(spec,    up, down, left, right, cx, cy, h, v, sx0, sx1, sy0, sy1, dl0, dl1, dr0, dr1,
                 dt0, dt1, db0, db1, far, end) {
  up = substr(spec, 1, 1) + 0
  down = substr(spec, 2, 1) + 0
  left = substr(spec, 3, 1) + 0
  right = substr(spec, 4, 1) + 0
  cx = cellw / 2
  cy = cellh / 2
  h = (left > right) ? left : right   # the heavier of the horizontal arms
  v = (up > down) ? up : down         # the heavier of the vertical arms

  # Columns of the vertical lines, rows of the horizontal lines, as [start, end).
  sx0 = cx - stroke / 2; sx1 = cx + stroke / 2
  sy0 = cy - stroke / 2; sy1 = cy + stroke / 2
  dl0 = cx - gap / 2 - stroke; dl1 = cx - gap / 2
  dr0 = cx + gap / 2; dr1 = cx + gap / 2 + stroke
  dt0 = cy - gap / 2 - stroke; dt1 = cy - gap / 2
  db0 = cy + gap / 2; db1 = cy + gap / 2 + stroke

  # Horizontal arms. `far` is how far across the vertical lines an arm reaches.
  far = (v == 2) ? dr1 : sx1
  if (left == 1) {
    end = (up == 2 && down == 2 && right == 0) ? dl1 : far
    fill(0, sy0, end, sy1)
  } else if (left == 2) {
    fill(0, dt0, (up == 2) ? dl1 : far, dt1)
    fill(0, db0, (down == 2) ? dl1 : far, db1)
  }
  far = (v == 2) ? dl0 : sx0
  if (right == 1) {
    end = (up == 2 && down == 2 && left == 0) ? dr0 : far
    fill(end, sy0, cellw, sy1)
  } else if (right == 2) {
    fill((up == 2) ? dr0 : far, dt0, cellw, dt1)
    fill((down == 2) ? dr0 : far, db0, cellw, db1)
  }

  # Vertical arms.
  far = (h == 2) ? db1 : sy1
  if (up == 1) {
    end = (left == 2 && right == 2 && down == 0) ? dt1 : far
    fill(sx0, 0, sx1, end)
  } else if (up == 2) {
    fill(dl0, 0, dl1, (left == 2) ? dt1 : far)
    fill(dr0, 0, dr1, (right == 2) ? dt1 : far)
  }
  far = (h == 2) ? dt0 : sy0
  if (down == 1) {
    end = (left == 2 && right == 2 && up == 0) ? db0 : far
    fill(sx0, end, sx1, cellh)
  } else if (down == 2) {
    fill(dl0, (left == 2) ? db0 : far, dl1, cellh)
    fill(dr0, (right == 2) ? db0 : far, dr1, cellh)
  }
}

END {
  if (failed) exit 1
  if (ascent < 0 || descent < 0) fail("the BDF file has no FONT_ASCENT or FONT_DESCENT")
  if (ascent + descent > cellh) {
    fail("the face is " (ascent + descent) " pixels high, the cell only " cellh)
  }
  # The face's ascent and descent centred in the cell height; `baseline` is the first
  # row below the baseline.
  baseline = int((cellh - ascent - descent) / 2) + ascent

  print "# Kolvard system font: cells of " cellw " x " cellh " pixels, code page 865."
  print "# Made by tools/fonts/make-system-font.sh from " source "."
  print "# Shades, box-drawing and block characters are drawn to the cell grid; the lines are"
  print "# " stroke " pixels thick and double lines " gap " pixels apart. Rows from the top, '#' ink."
  print "cell " cellw " " cellh
  for (c = 0; c < 256; c++) {
    clearcell()
    u = unicode[c]
    if (c >= 176 && c <= 178) shade(c - 175)
    else if (c >= 179 && c <= 218) boxchar(box[c])
    else if (c == 219) fill(0, 0, cellw, cellh)
    else if (c == 220) fill(0, cellh / 2, cellw, cellh)
    else if (c == 221) fill(0, 0, cellw / 2, cellh)
    else if (c == 222) fill(cellw / 2, 0, cellw, cellh)
    else if (c == 223) fill(0, 0, cellw, cellh / 2)
    else if (c != 0 && !faceglyph(u, c)) warn("code " c " (U+" hexname(u) ") has no glyph")
    print "code " c " U+" hexname(c == 0 ? 0 : u)
    for (y = 0; y < cellh; y++) {
      line = ""
      for (x = 0; x < cellw; x++) line = line cell[x, y]
      print line
    }
  }
}
