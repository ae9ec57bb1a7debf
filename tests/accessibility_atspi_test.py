#!/usr/bin/python3
"""The program driven as a screen reader drives it, through AT-SPI.

Runs inside a private D-Bus session (dbus-run-session), starts its own X
screen (Xvfb), the AT-SPI bus and the program, then finds the keys and buttons by
role and name, presses them by their action, reads the strip, listens for its
change events and checks the keys' faces on screen. Save is pressed by its
action too: once cancelled (no file is written), once to a file that cannot
be written (the message box must reach the reader as an alert).

    accessibility_atspi_test.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from desktop_session import check, start_screen, summary, wait_for  # noqa: E402

PROGRAM = os.path.abspath(sys.argv[1])
def pump(seconds=0.0):
    """Lets AT-SPI events arrive for a while."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.time() >= end:
            return
        time.sleep(0.02)


def settled(what, probe, timeout=20.0):
    """wait_for, letting AT-SPI events in between."""
    return wait_for(what, probe, timeout, between=pump)


def role(node):
    """The node's role name; None once the object has gone (a dialog closing)."""
    try:
        return node.getRoleName() if node is not None else None
    except GLib.GError:
        return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def descendants(node):
    for child in children(node):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.name == "cartouchery":
            return app
    return None


def screen_rgb(extents):
    """The pixels on screen inside an accessible's extents, as raw RGB."""
    x, y, w, h = extents.x, extents.y, extents.width, extents.height
    shot = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "rgb:-"],
                          check=True, capture_output=True)
    return shot.stdout


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, f"{node.name} offers Press, has {names}")
    action.doAction(names.index("Press"))


def main():
    screen = start_screen()
    at_bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    workdir = tempfile.mkdtemp(prefix="cartouchery-atspi-")
    # English first, whatever the machine speaks; German after.
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
    program = subprocess.Popen([PROGRAM], cwd=workdir, env=env)
    try:
        run(workdir)
    finally:
        program.terminate()
        program.wait(10)
    # In German, Qt's own dialog speaks German: Debian's Qt translations.
    german = dict(env, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8", LANGUAGE="de")
    program = subprocess.Popen([PROGRAM], cwd=workdir, env=german)
    try:
        in_german()
    finally:
        program.terminate()
        program.wait(10)
        at_bus.terminate()
        screen.terminate()
    return summary()


def in_german():
    app = settled("the application on the AT-SPI bus",
                  lambda: next((a for a in children(pyatspi.Registry.getDesktop(0))
                                if a is not None and a.name == "cartouchery" and any(
                                    role(c) == "frame" for c in children(a))), None))
    window = next(c for c in children(app) if role(c) == "frame")
    buttons = {n.name: n for n in descendants(window) if n.getRoleName() == "push button"}
    check("Speichern" in buttons, f"the Save button's name is German: {sorted(buttons)}")
    press(buttons.get("Speichern") or buttons["Save"])
    dialog = settled("the Save As dialog", lambda: next(
        (d for d in children(app) if role(d) in ("dialog", "file chooser")), None))
    names = {n.name for n in descendants(dialog) if n.getRoleName() == "push button"}
    check({"Speichern", "Abbrechen"} <= names, f"the dialog's buttons are German: {sorted(names)}")
    cancel = next((n for n in descendants(dialog)
                   if n.getRoleName() == "push button" and n.name in ("Abbrechen", "Cancel")), None)
    if cancel is not None:
        press(cancel)


def run(workdir):
    app = settled("the application on the AT-SPI bus", application)
    window = settled("its window", lambda: next(
        (c for c in children(app) if c.getRoleName() == "frame"), None))
    check(window.name == "The Cartouchery", f"window named {window.name!r}")
    nodes = list(descendants(window))
    buttons = {n.name: n for n in nodes if n.getRoleName() == "push button"}
    expected = [chr(c) for c in range(ord("A"), ord("Z") + 1)] + ["Clear", "Save"]
    check(sorted(buttons) == sorted(expected), f"28 buttons by name, found {sorted(buttons)}")
    labels = [n for n in nodes if n.getRoleName() == "label"]
    check(len(labels) == 1, f"one strip, found {len(labels)} labels")
    strip = labels[0]
    for letter, sign in [("B", "foot"), ("L", "mouth"), ("R", "mouth"), ("Q", "reed leaf and quail chick")]:
        check(buttons[letter].description == sign,
              f"{letter} says it writes {sign!r}, says {buttons[letter].description!r}")
    print("AT-SPI tree:", flush=True)
    print(f"  application {app.name!r} > frame {window.name!r}")
    for n in nodes:
        print(f"    {n.getRoleName()} {n.name!r} ({n.description!r})")

    heard = []

    def listener(event):
        try:
            if role(event.source) == "label":
                heard.append(event.source.name)
        except GLib.GError:
            pass  # an object of a dialog that has closed since

    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    pump(0.5)

    check(strip.name == "empty", f"the strip starts empty, reads {strip.name!r}")
    faces = {k: screen_rgb(extents(buttons[k])) for k in "CAT"}
    empty_strip = screen_rgb(extents(strip))
    written = []
    for letter, sign in [("C", "basket with handle"), ("A", "vulture"), ("T", "bread loaf")]:
        press(buttons[letter])
        written.append(sign)
        text = ", ".join(written)
        settled(f"the strip to read {text!r}", lambda: strip.name == text, 10)
        pump(0.3)  # the repaint and the change event
        check(screen_rgb(extents(buttons[letter])) == faces[letter],
              f"{letter} shows its up face on screen after its press")
    check(heard[-3:] == ["basket with handle", "basket with handle, vulture",
                         "basket with handle, vulture, bread loaf"],
          f"a change event for each letter, heard {heard}")
    check(screen_rgb(extents(strip)) != empty_strip, "the strip on screen shows the signs")

    press(buttons["Clear"])
    settled("the strip to read 'empty'", lambda: strip.name == "empty", 10)
    pump(0.3)
    check(heard[-1:] == ["empty"], f"Clear is announced, heard {heard[-1:]}")
    check(screen_rgb(extents(strip)) == empty_strip, "the strip on screen is empty again")

    for letter in "CLEOPATRASON":
        press(buttons[letter])
    settled("a full strip", lambda: "full" in strip.name, 10)
    pump(0.3)
    count = len(heard)
    press(buttons["Z"])
    pump(1.0)
    check(len(heard) == count, f"a press on a full strip is not announced, heard {heard[count:]}")
    check(strip.name.endswith("folded cloth; full"), f"a full strip of ten says so: {strip.name!r}")
    press(buttons["Clear"])

    # While the Save As dialog is open, presses reach the window no more than
    # clicks do: Clear blanks nothing, and Save opens no second dialog.
    press(buttons["B"])
    settled("the strip to read 'foot'", lambda: strip.name == "foot", 10)
    press(buttons["Save"])
    dialog = settled("the Save As dialog", lambda: next(
        (d for d in children(app) if role(d) in ("dialog", "file chooser")), None))
    press(buttons["Clear"])
    press(buttons["Save"])
    pump(1.0)
    check(strip.name == "foot", f"Clear did nothing behind the dialog: the strip reads {strip.name!r}")
    dialogs = [d for d in children(app) if role(d) in ("dialog", "file chooser")]
    check(len(dialogs) == 1, f"one Save As dialog, found {len(dialogs)}")
    foot = os.path.join(workdir, "foot.bmp")
    entry = next(n for n in descendants(dialog)
                 if n.getRoleName() == "text" and n.getState().contains(pyatspi.STATE_EDITABLE))
    entry.queryEditableText().setTextContents(foot)
    press(next(n for n in descendants(dialog) if n.getRoleName() == "push button" and n.name == "Save"))
    settled("the saved file", lambda: os.path.exists(foot), 10)
    settled("the dialog to close", lambda: not any(
        role(d) in ("dialog", "file chooser") for d in children(app)), 10)
    with open(foot, "rb") as f:
        pixels = f.read()[54:]
    check(any(b != 0xFF for b in pixels), "the saved strip shows the foot, not a blank canvas")
    os.remove(foot)
    press(buttons["Clear"])
    settled("the strip to read 'empty'", lambda: strip.name == "empty", 10)

    # Save by its action returns at once; the dialog opens from the event loop.
    started = time.time()
    press(buttons["Save"])
    check(time.time() - started < 2, "the Save action returns before the dialog closes")
    dialog = settled("the Save As dialog", lambda: next(
        (d for d in children(app) if role(d) in ("dialog", "file chooser")), None))
    cancel = next(n for n in descendants(dialog) if n.getRoleName() == "push button" and n.name == "Cancel")
    press(cancel)
    settled("the dialog to close", lambda: not any(
        role(d) in ("dialog", "file chooser") for d in children(app)), 10)
    check(os.listdir(workdir) == [], f"a cancelled save writes nothing, found {os.listdir(workdir)}")

    # A file that cannot be written: the message reaches the reader as an alert.
    press(buttons["Save"])
    dialog = settled("the Save As dialog", lambda: next(
        (d for d in children(app) if role(d) in ("dialog", "file chooser")), None))
    entry = next(n for n in descendants(dialog)
                 if n.getRoleName() == "text" and n.getState().contains(pyatspi.STATE_EDITABLE))
    entry.queryEditableText().setTextContents("/proc/cartouchery/name.bmp")
    save = next(n for n in descendants(dialog) if n.getRoleName() == "push button" and n.name == "Save")
    press(save)
    alert = settled("the message box", lambda: next(
        (a for a in children(app) if role(a) == "alert"), None))
    said = " ".join([alert.name] + [n.name for n in descendants(alert)])
    check("/proc/cartouchery/name.bmp" in said, f"the alert names the file: {said!r}")
    ok = next(n for n in descendants(alert) if n.getRoleName() == "push button")
    press(ok)
    settled("the alert to close", lambda: not any(role(a) == "alert" for a in children(app)), 10)


if __name__ == "__main__":
    sys.exit(main())
