#!/usr/bin/python3
"""The built Cartouchery.exe as Windows sees it: a GUI program (no console
window opens with it) that carries the window icon and a U.S. English version
record naming the program, read back with wrestool.

    exe_resources_test.py Cartouchery.exe window.ico
"""
import os
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../support"))
from desktop_session import check, summary  # noqa: E402

EXE, ICON = sys.argv[1], sys.argv[2]


def subsystem(exe):
    data = open(exe, "rb").read(4096)
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    check(data[pe:pe + 4] == b"PE\0\0", "a PE file")
    return struct.unpack_from("<H", data, pe + 24 + 68)[0]  # in the optional header


def resource(kind, raw=True):
    args = ["wrestool", "-x", f"--type={kind}", EXE] + (["--raw"] if raw else [])
    return subprocess.run(args, check=True, capture_output=True).stdout


def version_strings(blob):
    """Each String of the StringFileInfo block: key -> value."""
    strings = {}

    def walk(at, end, depth):
        while at + 6 <= end:
            length, value_length, kind = struct.unpack_from("<HHH", blob, at)
            if length == 0:
                return
            key_end = at + 6
            while blob[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = blob[at + 6:key_end].decode("utf-16-le")
            value_at = (key_end + 2 + 3) & ~3
            if depth == 3:  # a String under StringFileInfo > table
                strings[key] = blob[value_at:value_at + 2 * value_length].decode("utf-16-le").rstrip("\0")
            elif depth == 0:
                # VS_VERSIONINFO: its value is the fixed file information.
                fixed = struct.unpack_from("<13I", blob, value_at)
                strings["<signature>"] = fixed[0]
                strings["<file version>"] = (fixed[2] >> 16, fixed[2] & 0xFFFF, fixed[3] >> 16, fixed[3] & 0xFFFF)
                strings["<product version>"] = (fixed[4] >> 16, fixed[4] & 0xFFFF, fixed[5] >> 16, fixed[5] & 0xFFFF)
                walk((value_at + value_length + 3) & ~3, at + length, 1)
            elif key == "Translation":
                strings["<translation>"] = struct.unpack_from("<HH", blob, value_at)
            else:
                if depth == 2:
                    strings["<table>"] = key
                children = (value_at + (value_length * (2 if kind == 1 else 1)) + 3) & ~3
                walk(children, at + length, depth + 1)
            at = (at + length + 3) & ~3

    walk(0, len(blob), 0)
    return strings


def icon_images(ico):
    """The image data of each entry of an ICO file, with its size."""
    count = struct.unpack_from("<H", ico, 4)[0]
    images = []
    for i in range(count):
        w, h, _, _, _, _, size, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i)
        images.append(((w or 256, h or 256), ico[offset:offset + size]))
    return images


def main():
    check(subsystem(EXE) == 2, f"GUI subsystem (2), found {subsystem(EXE)}: no console window")

    record = version_strings(resource(16))
    print("version record:", record)
    check(record.get("<signature>") == 0xFEEF04BD, "fixed file information present")
    check(record.get("<file version>") == (1, 0, 0, 0), f"file version 1.0.0.0, found {record.get('<file version>')}")
    check(record.get("<product version>") == (1, 0, 0, 0), f"product version 1.0.0.0, found {record.get('<product version>')}")
    check(record.get("<table>", "").lower() == "040904b0", f"U.S. English, Unicode strings: {record.get('<table>')}")
    check(record.get("<translation>") == (0x0409, 1200), f"translation 0409/1200: {record.get('<translation>')}")
    for key, value in [("FileVersion", "1.00"), ("ProductVersion", "1.00"), ("ProductName", "Cartouchery"),
                       ("InternalName", "Cartouchery"), ("OriginalFilename", "Cartouchery.exe")]:
        check(record.get(key) == value, f"{key} is {value!r}, found {record.get(key)!r}")

    carried = icon_images(resource(14, raw=False))
    expected = icon_images(open(ICON, "rb").read())
    check([size for size, _ in carried] == [(30, 30)], f"one 30 x 30 icon, found {[s for s, _ in carried]}")
    # The same bitmap bytes: every pixel and the mask as in the window's icon.
    check(carried and expected and carried[0][1] == expected[0][1],
          "the icon's pixels are the window icon's")
    return summary()


if __name__ == "__main__":
    sys.exit(main())
