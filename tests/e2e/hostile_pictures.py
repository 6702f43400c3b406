#!/usr/bin/env python3
"""Writes a corpus of hostile pictures into the folder given: cut, empty, mislabelled, lying about
their size, or built to take time or memory. Small well-formed pictures are drawn with ImageMagick
and damaged here, so nothing binary is kept in the project. Files named over-*.* claim more pixels
than the program's memory limit allows (their log line must say so)."""
import os, struct, subprocess, sys, zlib

out = sys.argv[1]
os.makedirs(out, exist_ok=True)
path = lambda name: os.path.join(out, name)


def write(name, data):
    with open(path(name), "wb") as f:
        f.write(data)


def drawn(name, *arguments):
    subprocess.run(["/usr/bin/convert", *arguments, path(name)], check=True)
    with open(path(name), "rb") as f:
        return f.read()


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, extra=b"", rows=None):
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    rows = b"".join(b"\0" + b"\x80" * 3 * width for _ in range(height)) if rows is None else rows
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))


# Well-formed pictures, each also cut at several points.
originals = {
    "photo.jpg": drawn("photo.jpg", "-size", "320x240", "gradient:navy-orange", "-quality", "90"),
    "flat.png": drawn("flat.png", "-size", "320x240", "gradient:teal-yellow"),
    "anim.gif": drawn("anim.gif", "-size", "64x48", "xc:red", "xc:blue", "-loop", "0"),
    "plain.bmp": drawn("plain.bmp", "-size", "64x48", "gradient:white-black"),
}
for name, data in originals.items():
    stem, extension = name.split(".")
    for cut in (1, 8, 30, len(data) // 2, len(data) - 1):
        write(f"cut-{cut}-{stem}.{extension}", data[:cut])
for name, data in {"empty.jpg": b"", "empty.png": b"", "text.png": b"\x89PNG but not really\n",
                   "text.jpg": b"This is a text file named like a picture.\n" * 20}.items():
    write(name, data)

# Headers claiming more than the memory limit: refused before decoding, whatever follows.
write("over-100000x100000.png", png(100000, 100000, rows=b"\0" * 1000)[:200])
jpeg = bytearray(originals["photo.jpg"])
sof = jpeg.index(b"\xff\xc0")
jpeg[sof + 5:sof + 9] = struct.pack(">HH", 65500, 65500)
write("over-65500x65500.jpg", bytes(jpeg))
bmp = bytearray(originals["plain.bmp"])
for name, width, height in (("over-huge-height", None, 0x7FFFFFFF), ("over-negative-height", 60000, -60000),
                            ("bad-most-negative-height", 60000, -0x80000000)):
    if width:
        bmp[18:22] = struct.pack("<i", width)
    bmp[22:26] = struct.pack("<i", height)
    write(name + ".bmp", bytes(bmp))

# A GIF of 5000 one-pixel frames.
frame = b"\x21\xf9\x04\x00\x01\x00\x00\x00" + b"\x2c" + struct.pack("<HHHH", 0, 0, 1, 1) + b"\x00\x02\x02\x44\x01\x00"
write("frames-5000.gif", b"GIF89a" + struct.pack("<HH", 1, 1) + b"\x80\x00\x00" + b"\xff\x00\x00\x00\x00\xff"
      + frame * 5000 + b"\x3b")

# A progressive JPEG whose shortest scan (with the table right before it) comes again 3000 times.
progressive = drawn("progressive.jpg", "-size", "1024x1024", "gradient:red-blue", "-interlace", "JPEG")
scans, at, table = [], 2, None
while at < len(progressive) and progressive[at + 1] != 0xD9:
    marker, length = progressive[at + 1], struct.unpack(">H", progressive[at + 2:at + 4])[0]
    end = at + 2 + length
    if marker == 0xDA:
        while not (progressive[end] == 0xFF and progressive[end + 1] != 0 and not 0xD0 <= progressive[end + 1] <= 0xD7):
            end += 1
        scans.append((table if table is not None else at, end))
    table = at if marker == 0xC4 else None
    at = end
start, end = min(scans, key=lambda scan: scan[1] - scan[0])
write("scans-3000.jpg", progressive[:-2] + progressive[start:end] * 3000 + b"\xff\xd9")
os.remove(path("progressive.jpg"))

# PNG decompression bombs: 200 MB of zeros in a zTXt text and in an iCCP profile.
bomb = zlib.compress(b"\0" * 200_000_000, 9)
write("bomb-ztxt.png", png(16, 16, chunk(b"zTXt", b"Comment\0\0" + bomb)))
write("bomb-iccp.png", png(16, 16, chunk(b"iCCP", b"icc\0\0" + bomb)))
write("bomb-idat.png", png(16, 16, rows=b"\0" * 50_000_000))

# EXIF that points outside itself, loops, and counts too many entries.
exif = b"Exif\0\0" + b"II*\0" + struct.pack("<I", 8) + struct.pack("<H", 0xFFFF) + struct.pack(
    "<HHII", 0x0112, 3, 0xFFFFFFFF, 0xFFFFFFF0) + struct.pack("<I", 8)
app1 = b"\xff\xe1" + struct.pack(">H", len(exif) + 2) + exif
write("exif-broken.jpg", originals["photo.jpg"][:2] + app1 + originals["photo.jpg"][2:])
