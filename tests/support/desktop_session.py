"""What the scripted tests share: checks that name what failed and end in
the closing line CTest's readers know; and for those that drive a real
program, a private X screen, its windows, and waiting for something to
happen."""
import os
import subprocess
import time

failures = []
passes = 0


def check(condition, what):
    global passes
    if condition:
        passes += 1
    else:
        failures.append(what)
        print("FAIL:", what, flush=True)


def summary():
    """Prints the closing line, counting the checks; the exit code for the script."""
    print(f"{passes} passed, {len(failures)} failed")
    return 1 if failures or not passes else 0


def start_screen():
    """A private Xvfb screen; -displayfd says its number once it takes
    clients, and -noreset keeps it up when a first client (the AT-SPI
    launcher, say) leaves."""
    read, write = os.pipe()
    screen = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=(write,))
    os.close(write)
    with os.fdopen(read) as numbers:
        os.environ["DISPLAY"] = ":" + numbers.readline().strip()
    return screen


def wait_for(what, probe, timeout=60.0, between=lambda: None):
    """The first true answer of probe; between runs before each try."""
    end = time.time() + timeout
    while time.time() < end:
        between()
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    raise RuntimeError("timed out waiting for " + what)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def geometry(window):
    """x, y, width and height of a window on the screen."""
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                         capture_output=True, text=True).stdout
    values = dict(line.split("=") for line in out.split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def grab(window):
    """The window's size and its pixels on screen, as raw RGB."""
    x, y, w, h = geometry(window)
    return (w, h), subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "rgb:-"],
                                  check=True, capture_output=True).stdout
