#!/usr/bin/env python3
"""Cuts the seed corpora of the fuzz targets from the sample data set.

    fuzz/make-seeds.py build/ci/KOL703.dat

writes fuzz/corpus/<target>/seed-* (the choice bytes a target reads first, then the bytes
of a sample section). Run it by hand when the sample data changes; findings kept as
regression inputs (fuzz/corpus/<target>/regression-*) are left alone.
"""
import pathlib
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent


def sections(data):
    """Name -> bytes of every section, read from the two-level directory."""
    out = {}
    pos = 0
    while pos + 6 <= len(data) and data[pos:pos + 6] != b" " * 6:
        group = data[pos:pos + 2]
        (names,) = struct.unpack_from("<i", data, pos + 2)
        while names + 20 <= len(data) and data[names:names + 6] != b" " * 6:
            start = struct.unpack_from("<i", data, names + 6)[0]
            end = struct.unpack_from("<i", data, names + 16)[0]
            out[(group + data[names:names + 6]).rstrip(b" ").decode("latin-1")] = data[start:end]
            names += 10
        pos += 6
    return out


def container(named):
    """A small sound data file of (name, bytes) pairs, names of 8 characters or fewer."""
    groups = {}
    for name, content in named:
        key = name.upper().ljust(8)[:8].encode("latin-1")
        groups.setdefault(key[:2], []).append((key[2:], content))
    group_dir = 6 * (len(groups) + 1)
    name_dirs = sum(10 * (len(v) + 1) for v in groups.values())
    head = bytearray(b" " * (group_dir + name_dirs))
    name_at, data_at, body = group_dir, group_dir + name_dirs, b""
    for gi, (group, entries) in enumerate(groups.items()):
        head[6 * gi:6 * gi + 2] = group
        struct.pack_into("<i", head, 6 * gi + 2, name_at)
        for rest, content in entries:
            head[name_at:name_at + 6] = rest
            struct.pack_into("<i", head, name_at + 6, data_at)
            body += content
            data_at += len(content)
            name_at += 10
        struct.pack_into("<i", head, name_at + 6, data_at)
        name_at += 10
    return bytes(head) + body


def write(target, name, data):
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / ("seed-" + name)).write_bytes(data)


def flaw_record_seeds():
    """Two-coloured flaw records, made up here (no sample section needed): zoom choice, flags
    (view mode = flags % 3, 4 an uncertain mark, 8 no oval flaw number), the record."""
    def row(runs):
        data, offset = bytearray(), 0
        for a, b in runs:
            for v in (a, b):
                while v - offset >= 255:
                    data.append(255)
                    offset += 255
                data.append(v - offset)
        return bytes([len(data)]) + bytes(data)

    picture = b"".join(row([(12, 60), (250, 332)] if r % 7 else [(10, 11), (300, 302)])
                       for r in range(383))
    text = ("\x1b*d$1øvre venstre hjørne$2hak$6<midt$h10,20,a$o30,5,b"
            "\x1b*mRM.3\x1b*t14s12  A17 O  x18o54  B28 abcd50o12-33     \x1b*v$R28.4").encode("cp865")
    write("flaw_record", "upright-position-zoom3", bytes([1, 0]) + b" " + text + b"\x1b*b" + picture)
    write("flaw_record", "inverted-frame-zoom4", bytes([2, 2]) + b"O" + text + b"\x1b*b" + picture)
    write("flaw_record", "oval-mode-short-zoom2", bytes([0, 1]) + b"O\x1b*t1x")


def main():
    flaw_record_seeds()
    data = pathlib.Path(sys.argv[1]).read_bytes()
    s = sections(data)

    # The container: small sound files of sample sections (a few named ones, and the smallest
    # section of each of the first groups), and one cut short inside its sections.
    small = container([("KOLVARD", s["KOLVARD"]), ("PCSERIER", s["PCSERIER"]),
                       ("PHELARK", s["PHELARK"]), ("P4S0", s["P4S0"])])
    write("container", "small", small)
    write("container", "small-cut", small[:len(small) * 2 // 3])
    smallest = {}
    for name, content in s.items():
        if 0 < len(content) <= 256 and len(smallest) < 24:
            if name[:2] not in smallest or len(content) < len(smallest[name[:2]][1]):
                smallest[name[:2]] = (name, content)
    write("container", "groups", container(sorted(smallest.values())))

    # Pictures: zoom choice, edition choice (0 "T"), 1 value picture / 0 logo, the section.
    write("picture", "t2s-zoom3", bytes([1, 0, 1]) + s["T2S"])
    write("picture", "logo-zoom4", bytes([2, 0, 0]) + s["KOLVARD"])

    # Cliché records: zoom choice, panel flags, the record.
    write("cliche", "p4s-1-35", bytes([1, 0]) + s["P4S1-35"])
    write("cliche", "p4s-1-3a-turned", bytes([2, 2]) + s["P4S1-3A"])

    # Glyphs: record size (1: 48 bytes, 0: 512 bytes), text length and text, the font.
    write("glyph", "0a020", bytes([1, 6]) + b"Tryk 1" + s["0A020"])
    write("glyph", "0a200-digits", bytes([0, 2]) + b"10" + s["0A200"][:60 * 512])

    # Tagged records: an extra tag, a cut position, the text part of cliché records.
    for name in ("P4S1-35", "P4S1-3A"):
        record = s[name]
        tag = record.find(b"\x1b*b")
        write("tagged_record", name.lower(), b"d\x10" + record[:tag if tag >= 0 else 560])

    # Printing data: value choice (0 "P4s", 3 "I3a"), printing choice, the section.
    # Composites: zoom choice, value choice (0 "A4s", 4 "M4ø"), key-count choice, the keys,
    # then composite 1 of series 1.
    write("composite", "a4sf1-1-zoom3", bytes([1, 0, 5, 1, 3, 5, 6, 8]) + s["AF4S1-1"])
    write("composite", "m4of1-1-zoom4", bytes([2, 4, 7, 5, 2, 2, 0, 7, 9, 1]) + s["MF4O1-1"])
    write("composite", "count-past-section", bytes([0, 1, 3, 3, 5, 1, 200, 250, 255, 255, 3]))

    # Two-coloured data: a value section after its length, then the frame data; the printing
    # order; flaw records (zoom choice, flags, the record) of an oval, an upright and an
    # inverted frame.
    for name in ("T4SDAT", "T16ODAT"):
        value = s[name]
        write("two_colour_positions", name.lower(),
              bytes([len(value) & 255, len(value) >> 8]) + value + s["TRAMDAT"])
    write("printing_order", "ttryk", s["TTRYK"])
    write("flaw_record", "t4s2-0h-zoom3", bytes([1, 0]) + s["T4S2-0H"])
    write("flaw_record", "t12-01-zoom4", bytes([2, 1]) + s["T12-01"])
    write("flaw_record", "t58-04-zoom2", bytes([0, 3]) + s["T58-04"])

    write("printing", "p4sdat", bytes([0, 2]) + s["P4SDAT"])
    write("printing", "i3adat", bytes([3, 0]) + s["I3ADAT"])

    # Sheet texts: printing choice, pane, the section lengths (/32, /2, 1), the sections.
    dau, helark, cserier = s["P4SDAU"], s["PHELARK"], s["PCSERIER"]
    write("sheet_texts", "p4s",
          bytes([0, 0, len(dau) // 32, len(helark) // 2, len(cserier)]) +
          dau[:len(dau) // 32 * 32] + helark[:len(helark) // 2 * 2] + cserier + s["P4S0"])


if __name__ == "__main__":
    main()
