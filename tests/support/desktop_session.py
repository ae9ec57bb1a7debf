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
    return (w, h), subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}",
                                   "-depth", "8", "rgb:-"],
                                  check=True, capture_output=True).stdout


# The program's window: its title, the top-left corners of three keys (each
# 60 x 60) and a point on Save.
TITLE = "The Cartouchery"
KEYS = {"A": (42, 200), "B": (98, 201), "C": (154, 201)}  # top-left corners; keys are 60 x 60
SAVE = (239, 464)


def click(window, point, offset=(30, 30)):
    x, y, _, _ = geometry(window)
    xdotool("mousemove", str(x + point[0] + offset[0]), str(y + point[1] + offset[1]), "click", "1")
    time.sleep(0.3)


def differences(a, b, width):
    diff = [i // 3 for i in range(0, min(len(a), len(b)), 3) if a[i:i + 3] != b[i:i + 3]]
    return [(i % width, i // width) for i in diff]


def drive_window(command, env, workdir, save_as):
    """Starts the program, clicks B, A and C, and saves through the Save As
    dialog under save_as; returns the window's size, its pixels at the start
    and its pixels after the clicks."""
    before = set(xdotool("search", "--name", TITLE))
    program = subprocess.Popen(command, env=env, cwd=workdir)
    try:
        window = wait_for(f"the window {TITLE!r}",
                          lambda: next((w for w in xdotool("search", "--onlyvisible", "--name", TITLE)
                                        if w not in before), None))
        time.sleep(1.0)  # the first paint
        size, start = grab(window)
        for key in "BAC":
            click(window, KEYS[key])
        time.sleep(0.5)
        _, written = grab(window)
        windows = set(xdotool("search", "--onlyvisible", "--name", ""))
        click(window, SAVE, (0, 0))
        dialog = wait_for("the Save As dialog", lambda: next(
            (w for w in xdotool("search", "--onlyvisible", "--name", "") if w not in windows), None), 30)
        time.sleep(1.5)
        x, y, w, h = geometry(dialog)
        xdotool("mousemove", str(x + w // 2), str(y + h // 2))
        # The dialog suggests a name; a user selects it to type another.
        xdotool("key", "Home", "shift+End")
        xdotool("type", "--delay", "30", save_as)
        xdotool("key", "Return")
        wait_for("the saved file", lambda: os.path.exists(save_as.replace("Z:", "").replace("\\", "/"))
                 and os.path.getsize(save_as.replace("Z:", "").replace("\\", "/")) >= 90366, 30)
        return size, start, written
    finally:
        program.terminate()
        program.wait(20)
