# Widens the full block (U+2588) of a BDF font to `width` pixels, keeping its rows: the
# register screen builds its dark key caps from two of these blocks, and the key names
# drawn on them ("F5", "Esc") must fit inside.
/^STARTCHAR/ { inblock = 0 }
/^ENCODING 9608$/ { inblock = 1 }
inblock && /^DWIDTH/ { print "DWIDTH " width " 0"; next }
inblock && /^BBX/ { rows = $3; print "BBX " width " " $3 " 0 " $5; next }
inblock && /^BITMAP/ {
  print
  hex = ""
  bytes = int((width + 7) / 8)
  for (i = 0; i < bytes; i++) {
    bits = width - 8 * i
    if (bits >= 8) hex = hex "FF"
    else hex = hex sprintf("%02X", (255 - (2 ^ (8 - bits) - 1)))
  }
  for (r = 0; r < rows; r++) print hex
  skipping = 1
  next
}
skipping && /^ENDCHAR/ { skipping = 0; print; next }
skipping { next }
{ print }
