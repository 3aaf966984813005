#!/usr/bin/env python3
"""Contact sheets of the episode: every level's first frame as the game draws it, at half
size, sixteen to a sheet in entry order (4 x 4, left to right, top to bottom).

  python3 scripts/contact-sheet.py QN2SIM PACKAGE OUT_FOLDER [CONTENT_FOLDER]

Each level is drawn by `qn2-sim LEVEL --screenshot` into OUT_FOLDER/levels/NN-Name.png
(NN the entry); the sheets are OUT_FOLDER/sheet-1.png and on, and OUT_FOLDER/sheets.txt
lists which entry sits where. Needs nothing beyond Python's own zlib.
"""
import os
import struct
import subprocess
import sys
import zlib

COLUMNS, ROWS, GAP = 4, 4, 8


def read_png(path):
    """The RGB rows of an 8-bit RGB or RGBA, non-interlaced PNG (what the game writes)."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, path
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + predictor) & 255
        previous = line
        rows.append(bytes(line[x * channels + c] for x in range(width) for c in range(3)))
    return width, height, rows


def half(width, height, rows):
    """Every second pixel of every second row."""
    return width // 2, height // 2, [
        b"".join(row[x * 6:x * 6 + 3] for x in range(width // 2)) for row in rows[::2]]


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def episode_levels(content):
    """(entry, level file) of every level entry of QuibNar.set."""
    with open(os.path.join(content, "QuibNar.set"), newline="") as f:
        lines = [line.strip() for line in f if line.strip()]
    return [(entry, line.split(None, 1)[1]) for entry, line in enumerate(lines)
            if line.split(None, 1)[0].lower() == "level"]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sim, package, out = (os.path.abspath(a) for a in sys.argv[1:4])
    content = os.path.abspath(sys.argv[4] if len(sys.argv) > 4 else
                              os.path.join(os.path.dirname(__file__), "..", "content"))
    os.makedirs(os.path.join(out, "levels"), exist_ok=True)
    thumbs, names, listing = [], [], []
    for entry, name in episode_levels(content):
        shot = os.path.join(out, "levels", "%02d-%s.png" % (entry, name.rsplit(".", 1)[0]))
        subprocess.run([sim, name, "--package", package, "--screenshot", shot], cwd=content,
                       check=True, stdout=subprocess.DEVNULL)
        thumbs.append(half(*read_png(shot)))
        names.append("  entry %d: %s" % (entry, name))
    per_sheet = COLUMNS * ROWS
    for sheet in range(0, len(thumbs), per_sheet):
        group = thumbs[sheet:sheet + per_sheet]
        w, h = group[0][0], group[0][1]
        width, height = COLUMNS * w + (COLUMNS + 1) * GAP, ROWS * h + (ROWS + 1) * GAP
        canvas = [bytearray(width * 3) for _ in range(height)]
        for i, (_, _, rows) in enumerate(group):
            x0 = GAP + (i % COLUMNS) * (w + GAP)
            y0 = GAP + (i // COLUMNS) * (h + GAP)
            for y, row in enumerate(rows):
                canvas[y0 + y][x0 * 3:(x0 + w) * 3] = row
        number = sheet // per_sheet + 1
        write_png(os.path.join(out, "sheet-%d.png" % number), width, height,
                  [bytes(r) for r in canvas])
        listing += ["sheet-%d.png:" % number] + names[sheet:sheet + per_sheet]
    with open(os.path.join(out, "sheets.txt"), "w") as f:
        f.write("\n".join(listing) + "\n")
    print("%d levels on %d sheets in %s" % (len(thumbs), -(-len(thumbs) // per_sheet), out))


if __name__ == "__main__":
    main()
