#!/usr/bin/python3
"""The options window end to end: the real program under Xvfb, driven with real input.

Opens Options from the main menu, picks the student Ann, sets timed scanning every 3 seconds,
the vertical layout and feedback after all pictures are placed, each with its panel's Done;
checks Ann's option file (lines 1, 2, 14 and 15) and the summary's words; takes screenshots.

Run by hand (needs Xvfb, xdotool, imagemagick, python3-pyatspi, dbus):
    tests/e2e/options_window.sh [BUILD_DIR] [SHOTS_DIR]
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
SHOTS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "/tmp/stepwick-shots/options")
DISPLAY = os.environ["DISPLAY"]


def log(text):
    print(text, flush=True)


def fail(text):
    log("FAIL: " + text)
    raise SystemExit(1)


def prepare_folder():
    folder = tempfile.mkdtemp(prefix="stepwick-e2e-options-")
    data = os.path.join(folder, "data")
    shutil.copytree(os.path.join(BUILD, "share/stepwick/content"), data)
    # A calibrated teacher, so that no first-run calibration stands in the way, and Ann with the
    # same options.
    path = os.path.join(data, "teacher.lgn")
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    lines[12] = b" 200000 "
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))
    shutil.copy(path, os.path.join(data, "Ann.lgn"))
    return folder, data


def app_root():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "stepwick":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(role, name, timeout=10.0, prefix=False):
    """The showing accessible object of that role whose name is name (or starts with it)."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        root = app_root()
        if root is not None:
            for node in walk(root):
                try:
                    if node.getRoleName() != role:
                        continue
                    text = node.name or ""
                    if (text.startswith(name) if prefix else text == name) and \
                            node.getState().contains(pyatspi.STATE_SHOWING):
                        return node
                except Exception:
                    continue
        time.sleep(0.2)
    fail("no showing %s named %r" % (role, name))


def centre(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x + e.width // 2, e.y + e.height // 2


def click(node):
    x, y = centre(node)
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
    time.sleep(0.4)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "80"] + list(names), check=True)
    time.sleep(0.3)


def shot(name):
    os.makedirs(SHOTS, exist_ok=True)
    path = os.path.join(SHOTS, name)
    subprocess.run(["import", "-display", DISPLAY, "-window", "root", path], check=True)
    log("screenshot " + path)


def option_lines(data, student):
    with open(os.path.join(data, student + ".lgn"), "rb") as f:
        return f.read().split(b"\r\n")


def main():
    folder, data = prepare_folder()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([os.path.join(BUILD, "bin/stepwick"), "--app-folder", data], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        click(find("push button", "Options", timeout=20))
        find("label", "Options")
        click(find("list item", "Ann"))
        find("push button", "Summary of options set for Ann")
        shot("main_panel.png")

        click(find("push button", "Switch / Mouse Setting"))
        click(find("radio button", "Option 3: Timed Scanning with 1 switch.", prefix=True))
        click(find("slider", "Seconds between two scan steps (Option 3):"))
        keys("Home", "Right", "Right")
        shot("switch_mouse_panel.png")
        click(find("push button", "Done"))

        click(find("push button", "Task Layout Options"))
        click(find("radio button", "Lay Out the Pictures Vertically"))
        keys("Tab")  # the focus moves on, to show it on the picture
        shot("task_layout_panel.png")
        click(find("push button", "Done"))

        click(find("push button", "Response Setting"))
        click(find("radio button", "Wait until all the pictures are placed", prefix=True))
        shot("response_panel.png")
        click(find("push button", "Done"))

        click(find("push button", "Picture Options"))
        shot("picture_panel.png")
        click(find("push button", "Done"))

        lines = option_lines(data, "Ann")
        got = {n: lines[n - 1] for n in (1, 2, 14, 15)}
        want = {1: b" 3 ", 2: b" 3 ", 14: b" 2 ", 15: b" 1 "}
        if got != want:
            fail("Ann.lgn lines 1, 2, 14, 15 are %r, not %r" % (got, want))
        log("Ann.lgn lines 1, 2, 14, 15: %r" % [got[n] for n in (1, 2, 14, 15)])
        if option_lines(data, "teacher")[0] != b" 2 ":
            fail("teacher.lgn changed")

        # The other panels, for the eye: each opens and its Done brings the main panel back.
        for opener, picture in (("Auditory Options", "auditory_panel.png"),
                                ("Video & Review Lesson Options", "video_panel.png"),
                                ("Reward Screen Setting", "reward_panel.png"),
                                ("Jump Start Setting", "jump_start_panel.png")):
            click(find("push button", opener))
            shot(picture)
            click(find("push button", "Done"))

        click(find("push button", "Test if Synthsized Speech is Working on your Computer"))
        click(find("push button", "Test"))
        shot("test_speech_window.png")
        click(find("push button", "Close"))
        click(find("push button", "Install Speech Synthesis"))
        status = find("label", "The speech engine", prefix=True)
        log("speech check: " + status.name)
        shot("speech_window.png")
        click(find("push button", "Close"))

        click(find("push button", "Summary of options set for Ann"))
        find("label", "Summary of options set for Ann")
        for words in ("Switch / Mouse Setting:   Timed scanning with an interval of 3 seconds",
                      "Sequencing Direction:   Top to Bottom",
                      "Response Setting:   Wait until all the pictures are placed before revealing whether "
                      "the sequence is correct"):
            find("label", words)
            log("summary: " + words)
        shot("summary_panel.png")
        click(find("push button", "Back"))

        click(find("push button", "Main Menu"))
        find("push button", "Options")
        log("back on the main menu")
        if program.poll() is not None:
            fail("the program ended")
        log("PASS")
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
