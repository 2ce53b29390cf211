#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes what an X window shows as a picture: xcapture.py WINDOW OUT.

WINDOW is the window's id (decimal or 0x hexadecimal). OUT ending in .ppm
gets a raw PPM (nothing in it but the pixels, so two captures of the same
picture are the same bytes); anything else gets a PNG. Only the X library
and Python's own modules are needed: the server hands the pixels over as a
32-bit true-colour image, which is all an Xvfb screen of depth 24 gives.
"""
import ctypes
import struct
import sys
import zlib


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, as far as they are read here.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


def capture(window):
    """The window's pixels as (width, height, rows of RGB bytes)."""
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
        [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
    x.XGetImage.restype = ctypes.POINTER(XImage)
    x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("xcapture: no X display")
    root, at_x, at_y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
    width, height, border, depth = (ctypes.c_uint() for _ in range(4))
    if not x.XGetGeometry(display, window, ctypes.byref(root), ctypes.byref(at_x), ctypes.byref(at_y),
                          ctypes.byref(width), ctypes.byref(height), ctypes.byref(border), ctypes.byref(depth)):
        sys.exit("xcapture: no window %#x" % window)
    z_pixmap, all_planes = 2, 0xFFFFFFFF
    image = x.XGetImage(display, window, 0, 0, width.value, height.value, all_planes, z_pixmap)
    if not image:
        sys.exit("xcapture: the window cannot be read (is it on screen?)")
    im = image.contents
    if im.bits_per_pixel != 32 or (im.red_mask, im.green_mask, im.blue_mask) != (0xFF0000, 0xFF00, 0xFF) \
            or im.byte_order != 0:
        sys.exit("xcapture: not a 32-bit true-colour image (depth %d)" % im.depth)
    raw = ctypes.string_at(im.data, im.bytes_per_line * im.height)
    rows = []
    for y in range(im.height):
        line = raw[y * im.bytes_per_line:y * im.bytes_per_line + 4 * im.width]
        # Least significant byte first: blue, green, red, unused.
        rgb = bytearray(3 * im.width)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows.append(bytes(rgb))
    return im.width, im.height, rows


def png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    pixels = zlib.compress(b"".join(b"\0" + row for row in rows), 9)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels) + chunk(b"IEND", b"")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.splitlines()[0])
    width, height, rows = capture(int(sys.argv[1], 0))
    if sys.argv[2].endswith(".ppm"):
        data = b"P6\n%d %d\n255\n" % (width, height) + b"".join(rows)
    else:
        data = png(width, height, rows)
    with open(sys.argv[2], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main()
