#!/usr/bin/python3
"""What the Linux program shows and saves, for the web page to equal.

Runs the Linux build in a real window on a private X screen, clicks B, A and
C, and saves through its Save As dialog; writes into OUT_DIR the window's
pixels at the start (start.rgb) and after the clicks (written.rgb), raw RGB
of 591 x 521, and the saved bitmap (BAC.bmp). Its settings go to OUT_DIR,
not to the user's own.

    linux_reference.py LINUX_PROGRAM OUT_DIR
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../support"))
from desktop_session import drive_window, start_screen  # noqa: E402


def main():
    program, out = (os.path.abspath(a) for a in sys.argv[1:3])
    os.makedirs(out, exist_ok=True)
    screen = start_screen()
    try:
        env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
        env.update(QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=out)
        size, start, written = drive_window([program], env, out, os.path.join(out, "BAC.bmp"))
    finally:
        screen.terminate()
    if size != (591, 521):
        print(f"the Linux window is {size[0]} x {size[1]}, not 591 x 521", file=sys.stderr)
        return 1
    for name, pixels in [("start.rgb", start), ("written.rgb", written)]:
        with open(os.path.join(out, name), "wb") as f:
            f.write(pixels)
    return 0


if __name__ == "__main__":
    sys.exit(main())
