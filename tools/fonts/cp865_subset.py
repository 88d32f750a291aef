"""Prints the otf2bdf subset (a list of Unicode code points) of code page 865.

Codes 1-31 are the DOS screen graphics (24 and 25 are the arrows the menus print), 127 is
the house sign; the rest follows Python's cp865 codec.
"""
LOW = "☺☻♥♦♣♠•◘○◙♂♀♪♫☼►◄↕‼¶§▬↨↑↓→←∟↔▲▼"
points = {ord(c) for c in LOW} | {0x2302}
points |= {ord(bytes([b]).decode("cp865")) for b in range(32, 256) if b != 127}
print(" ".join(str(p) for p in sorted(points)))
