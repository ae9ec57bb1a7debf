#!/usr/bin/python3
"""The keyboard and the clipboard as a user meets them: the real program on a
private X screen, real X key events from xdotool, the real X clipboard read
with xclip. Types a name, takes back and clears and undoes, copies and reads
both forms the clipboard offers, saves a name typed without an extension,
and quits; then checks the command line with no display at all.

    keyboard_desktop_test.py PROGRAM
"""
import os
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from desktop_session import check, grab, start_screen, summary, wait_for, xdotool  # noqa: E402

PROGRAM = os.path.abspath(sys.argv[1])
TITLE = "The Cartouchery"
ANNA = "\U0001313F\U00013216\U00013216\U0001313F"  # vulture, water, water, vulture


def clipboard(target):
    return subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", target],
                          capture_output=True, timeout=10).stdout


def png_size(data):
    return struct.unpack(">II", data[16:24]) if data[:8] == b"\x89PNG\r\n\x1a\n" else None


def pixels(path):
    """Raw RGB of a picture file, as ImageMagick decodes it."""
    return subprocess.run(["convert", path, "rgb:-"], check=True, capture_output=True).stdout


def command_line():
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    for args, code, says in [(["--version"], 0, "cartouchery 1.00"), (["--help"], 0, "--version"),
                             (["--bogus"], 2, "Unknown option 'bogus'")]:
        english = dict(env, LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
        ran = subprocess.run([PROGRAM, *args], env=english, capture_output=True, text=True, timeout=20)
        check(ran.returncode == code, f"{' '.join(args)} with no display ends with {code}, "
              f"ended with {ran.returncode}: {ran.stderr[-300:]!r}")
        check(says in ran.stdout + ran.stderr, f"{' '.join(args)} says {says!r}: {ran.stdout + ran.stderr!r}")


def main():
    command_line()
    screen = start_screen()
    home = tempfile.mkdtemp(prefix="cartouchery-keys-")
    pictures = os.path.join(home, "Pictures")
    os.makedirs(pictures)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               QT_QPA_PLATFORM="xcb", LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
    env.pop("XDG_PICTURES_DIR", None)
    program = subprocess.Popen([PROGRAM], env=env, cwd="/")
    try:
        run(program, pictures)
    finally:
        if program.poll() is None:
            program.kill()
        screen.terminate()
    return summary()


def run(program, pictures):
    window = wait_for(f"the window {TITLE!r}",
                      lambda: (xdotool("search", "--onlyvisible", "--name", f"^{TITLE}$") or [None])[0])
    xdotool("windowfocus", "--sync", window)
    time.sleep(0.5)

    def shown():
        return grab(window)[1]

    def settles_on(what, expected):
        try:
            wait_for(what, lambda: shown() == expected, 10)
            return True
        except RuntimeError:
            return False

    def changes_from(what, before):
        try:
            return wait_for(what, lambda: (lambda now: now if now != before else None)(shown()), 10)
        except RuntimeError:
            return before

    start = shown()
    xdotool("type", "--delay", "80", "anna")
    anna = changes_from("the typed name", start)
    check(anna != start, "typing anna writes signs into the strip")
    time.sleep(0.5)
    anna = shown()
    steps = [("BackSpace", None, "Backspace takes the last sign away"),
             ("ctrl+z", anna, "Undo brings it back"),
             ("Delete", start, "Delete clears the strip"),
             ("ctrl+z", anna, "Undo brings the name back after Delete")]
    for key, expected, what in steps:
        before = shown()
        xdotool("key", key)
        if expected is None:
            check(changes_from(what, before) != before, what)
        else:
            check(settles_on(what, expected), what)

    # Another program owns the clipboard first; Copy takes it over all the same.
    subprocess.run(["xclip", "-selection", "clipboard"], input=b"another program's text", timeout=10)
    check(clipboard("UTF8_STRING") == b"another program's text", "another program owns the clipboard")
    xdotool("key", "ctrl+c")
    time.sleep(0.5)
    targets = clipboard("TARGETS").decode(errors="replace").split()
    check("image/png" in targets and "UTF8_STRING" in targets,
          f"the clipboard offers a picture and text: {targets}")
    text = clipboard("UTF8_STRING").decode("utf-8", errors="replace")
    check(text == ANNA, f"the text is the signs of ANNA in Unicode: {text!r}")
    png = clipboard("image/png")
    check(png_size(png) == (567, 53), f"the picture is 567 x 53: {png_size(png)}")
    copied = os.path.join(pictures, "..", "copied.png")
    with open(copied, "wb") as f:
        f.write(png)

    xdotool("key", "ctrl+s")
    dialog = wait_for("the Save As dialog", lambda: (xdotool("search", "--onlyvisible", "--name", "Save") or [None])[0])
    xdotool("windowfocus", "--sync", dialog)
    time.sleep(1.0)
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "50", "myname")
    xdotool("key", "Return")
    saved = os.path.join(pictures, "myname.bmp")
    try:
        wait_for("the saved file", lambda: os.path.exists(saved), 10)
    except RuntimeError:
        pass
    check(os.path.exists(saved), f"a name typed without an extension is saved as myname.bmp in "
          f"Pictures: {os.listdir(pictures)}")
    if os.path.exists(saved):
        with open(saved, "rb") as f:
            head = f.read(26)
        check(head[:2] == b"BM" and struct.unpack_from("<ii", head, 18) == (567, 53),
              "the file is a 567 x 53 bitmap")
        check(pixels(saved) == pixels(copied), "the saved picture is the copied one, pixel for pixel")

    xdotool("windowfocus", "--sync", window)
    time.sleep(0.3)
    for key in ("Menu", "shift+F10"):
        shown_before = len(xdotool("search", "--onlyvisible", "--name", ""))
        xdotool("key", key)
        try:
            wait_for(f"the menu after {key}",
                     lambda: len(xdotool("search", "--onlyvisible", "--name", "")) == shown_before + 1, 5)
            check(True, f"{key} opens the menu")
        except RuntimeError:
            check(False, f"{key} opens the menu")
        xdotool("key", "Escape")
        time.sleep(0.3)
    xdotool("key", "ctrl+q")
    try:
        code = program.wait(10)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, f"Quit ends the program, exit code {code}")


if __name__ == "__main__":
    sys.exit(main())
