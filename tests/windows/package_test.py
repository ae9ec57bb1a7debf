#!/usr/bin/python3
"""The Windows packages as a user takes them, under Wine on a private screen.

Makes both packages with CPack, then: the portable zip, unpacked into an
empty folder, holds exactly the program, its DLLs, plugins and licences, and
its program starts and shows its window with nothing but Wine's own search
paths; the installer installs silently, makes its Start menu entry and its
Add/Remove Programs entry with the version, and the installed program starts;
the uninstaller removes every file of ours.

    package_test.py BUILD_DIR WINEPREFIX
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../support"))
from desktop_session import check, start_screen, summary, wait_for  # noqa: E402

BUILD, WINEPREFIX = (os.path.abspath(a) for a in sys.argv[1:3])
NAME = "Cartouchery-1.00-windows-x64"
EXPECTED = {
    "Cartouchery.exe", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
    "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll",
    "platforms/qwindows.dll", "imageformats/qgif.dll", "imageformats/qico.dll",
    "styles/qwindowsvistastyle.dll",
    "translations/qtbase_de.qm", "translations/qtbase_fr.qm", "translations/qtbase_es.qm",
    "translations/qtbase_ar.qm",
    "licenses/Cartouchery-MIT.txt", "licenses/Qt-LGPL-3.0.txt", "licenses/Qt-GPL-3.0.txt", "licenses/Noto-fonts-OFL-1.1.txt",
}
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Cartouchery"


def wine_env():
    env = {k: v for k, v in os.environ.items()
           if k not in ("QT_QPA_PLATFORM", "WINEPATH", "QT_PLUGIN_PATH")}
    env.update(WINEPREFIX=WINEPREFIX, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    return env


def wine(*args, **kwargs):
    return subprocess.run(["wine", *args], env=wine_env(), capture_output=True, text=True, **kwargs)


def eventually(what, probe, timeout=60.0):
    """Whether probe comes true in time; the check that follows says what failed."""
    try:
        return bool(wait_for(what, probe, timeout))
    except RuntimeError as e:
        print(e, flush=True)
        return False


def shows_window(exe):
    """Starts the program with plain Wine and waits for its window."""
    program = subprocess.Popen(["wine", exe], env=wine_env(), cwd=os.path.dirname(exe))
    try:
        return eventually("the window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "The Cartouchery"],
            capture_output=True).returncode == 0)
    finally:
        program.terminate()
        program.wait(20)
        subprocess.run(["wineserver", "-w"], env=wine_env(), timeout=60)


def ours(drive_c):
    """Every file and folder of ours under drive_c: the program's folder and
    the Start menu folder."""
    found = glob.glob(os.path.join(drive_c, "Program Files", "The Cartouchery*"))
    found += glob.glob(os.path.join(drive_c, "**", "Start Menu", "**", "*Cartouchery*"), recursive=True)
    return found


def main():
    made = subprocess.run(["cpack", "-G", "ZIP;NSIS"], cwd=BUILD, capture_output=True, text=True)
    check(made.returncode == 0, "cpack made both packages: " + made.stderr[-500:])
    for package in (NAME + ".zip", NAME + ".exe"):
        path = os.path.join(BUILD, package)
        print(f"{package}: {os.path.getsize(path) / 1e6:.1f} MB", flush=True)
    installer_script()
    screen = start_screen()
    try:
        portable(os.path.join(BUILD, NAME + ".zip"))
        installer(os.path.join(BUILD, NAME + ".exe"))
    finally:
        subprocess.run(["wineserver", "-k"], env=wine_env())
        screen.terminate()
    return summary()


def installer_script():
    """The installer CPack wrote: 64-bit, and its licence page shows the
    program's own licence, not one of the others it carries."""
    scripts = glob.glob(os.path.join(BUILD, "_CPack_Packages", "*", "NSIS", "project.nsi"))
    check(len(scripts) == 1, f"one NSIS script, found {scripts}")
    with open(scripts[0], encoding="utf-8-sig", errors="replace") as f:
        nsi = f.read()
    page = next((line.strip() for line in nsi.splitlines() if "MUI_PAGE_LICENSE" in line), "")
    check(page.endswith('/LICENSE"'), f"the licence page shows the program's own licence: {page!r}")
    check("Target amd64-unicode" in nsi, "the installer is a 64-bit one")


def portable(zip_path):
    folder = tempfile.mkdtemp(prefix="cartouchery-zip-")
    with zipfile.ZipFile(zip_path) as z:
        names = {n for n in z.namelist() if not n.endswith("/")}
        z.extractall(folder)
    check(names == EXPECTED, f"the zip holds exactly the program's files: missing "
          f"{sorted(EXPECTED - names)}, extra {sorted(names - EXPECTED)}")
    check(shows_window(os.path.join(folder, "Cartouchery.exe")),
          "the unpacked program finds every DLL and shows its window")
    shutil.rmtree(folder)


def installer(setup):
    drive_c = os.path.join(WINEPREFIX, "drive_c")
    installed = os.path.join(drive_c, "Program Files", "The Cartouchery")
    check(wine(setup, "/S", timeout=120).returncode == 0, "the installer ran silently")
    eventually("the installed program", lambda: os.path.exists(os.path.join(installed, "Cartouchery.exe")), 60)
    files = {os.path.relpath(os.path.join(d, f), installed).replace(os.sep, "/")
             for d, _, fs in os.walk(installed) for f in fs}
    check(EXPECTED <= files, f"installed: missing {sorted(EXPECTED - files)}")
    shortcuts = [p for p in ours(drive_c) if p.endswith(".lnk")]
    check(any("The Cartouchery" in os.path.basename(p) for p in shortcuts),
          f"a Start menu shortcut to the program, found {shortcuts}")
    version = wine("reg", "query", UNINSTALL_KEY, "/v", "DisplayVersion").stdout
    check("1.00" in version, f"Add/Remove Programs shows version 1.00: {version.strip()!r}")
    icon = wine("reg", "query", UNINSTALL_KEY, "/v", "DisplayIcon").stdout
    check("Cartouchery.exe" in icon, f"Add/Remove Programs shows the program's icon: {icon.strip()!r}")
    check(shows_window(os.path.join(installed, "Cartouchery.exe")), "the installed program starts")

    wine(os.path.join(installed, "Uninstall.exe"), "/S", timeout=120)
    # The uninstaller runs on from a copy of itself; wait until it is done.
    eventually("the uninstaller", lambda: not ours(drive_c), 60)
    subprocess.run(["wineserver", "-w"], env=wine_env(), timeout=60)
    check(not ours(drive_c), f"nothing of ours is left: {ours(drive_c)}")
    check(wine("reg", "query", UNINSTALL_KEY).returncode != 0, "the Add/Remove Programs entry is gone")


if __name__ == "__main__":
    sys.exit(main())
