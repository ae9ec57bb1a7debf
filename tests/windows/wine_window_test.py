#!/usr/bin/python3
"""Cartouchery.exe in a real window under Wine, driven with the real mouse.

Starts a private Xvfb screen, runs the Windows program with its windows
platform plugin, and waits for the window "The Cartouchery". It must be
591 x 521 and show, pixel for pixel, what the Linux build shows; B, A and C
clicked with xdotool must show in the strip as they do on Linux; Save goes
through the real Save As dialog to a Z: path and must write a 567 x 53
bitmap. With no Linux build given, the pixels are only checked for size.

    wine_window_test.py WINE_RUN QT_PREFIX WINEPREFIX Cartouchery.exe [LINUX_PROGRAM]
"""
import os
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../support"))
from desktop_session import check, differences, drive_window, start_screen, summary  # noqa: E402

WINE_RUN, QT_PREFIX, WINEPREFIX, EXE = (os.path.abspath(a) for a in sys.argv[1:5])
# The Linux build made in the same run; without it the comparison fails.
LINUX = os.path.abspath(sys.argv[5]) if len(sys.argv) > 5 and sys.argv[5] else ""


def bitmap_size(path):
    data = open(path, "rb").read(26)
    return data[:2], struct.unpack_from("<ii", data, 18)


def main():
    screen = start_screen()
    workdir = tempfile.mkdtemp(prefix="cartouchery-wine-")
    wine_env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
    try:
        started = time.time()
        target = os.path.join(workdir, "wine.bmp")
        size, start, written = drive_window([WINE_RUN, QT_PREFIX, WINEPREFIX, EXE], wine_env, workdir,
                                       "Z:" + target.replace("/", "\\"))
        print(f"Wine: window, clicks and save in {time.time() - started:.1f} s")
        check(size == (591, 521), f"client area 591 x 521, found {size[0]} x {size[1]}")
        check(bitmap_size(target) == (b"BM", (567, 53)), f"a 567 x 53 bitmap, found {bitmap_size(target)}")
        check(start != written, "the strip changed after B, A and C")
        check(os.path.isfile(LINUX), "the Linux reference program, built in this run: "
              + (LINUX or "none given (configure with -DCARTOUCHERY_LINUX_PROGRAM)"))
        if os.path.isfile(LINUX):
            linux_env = dict(wine_env, QT_QPA_PLATFORM="xcb")
            linux_target = os.path.join(workdir, "linux.bmp")
            _, linux_start, linux_written = drive_window([LINUX], linux_env, workdir, linux_target)
            for what, wine, linux in [("start screen", start, linux_start),
                                      ("window after B, A, C", written, linux_written)]:
                diff = differences(wine, linux, 591)
                check(not diff, f"{what}: {len(diff)} pixels differ from Linux, first {diff[:5]}")
            check(open(target, "rb").read() == open(linux_target, "rb").read(),
                  "the saved bitmap is byte for byte the Linux build's")
    finally:
        subprocess.run(["env", f"WINEPREFIX={WINEPREFIX}", "wineserver", "-k"], capture_output=True)
        screen.terminate()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
