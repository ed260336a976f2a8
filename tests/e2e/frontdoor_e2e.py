#!/usr/bin/python3
"""The program's front door end to end, with the real program under Xvfb and real input.

1. A fresh default data folder (a new HOME): the first-run calibration runs once (its two
   messages, "Calculation Complete" waited for), the main menu shows; a student is added, logs on,
   two demo tasks are ticked and solved by clicking their pictures in order (access method 2),
   back to the main menu, the student's report is viewed; Quit.
2. The second start does not calibrate.
3. --app-folder naming a new folder and an empty one each reach the main menu with the demo
   tasks; a folder holding a notes file is refused and its bytes are unchanged.

Controls are found by their accessible names over AT-SPI and worked with xdotool.

    tests/e2e/frontdoor_e2e.py [--build build] [--shots DIR] [--keep] [--quick]

--quick leaves out the two calibrations of the new classroom folders (step 3 then checks the
first message and the files only). Needs Xvfb, xdotool, ImageMagick (import), dbus-run-session
and python3-pyatspi for /usr/bin/python3. Exits 0 when every check passed.
"""

import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build"), help="the build folder")
    parser.add_argument("--shots", default="", help="where to put the screenshots (default: none)")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folders")
    parser.add_argument("--quick", action="store_true", help="no calibration of the classroom folders")
    return parser.parse_args()


if "STEPWICK_E2E_BUS" not in os.environ:
    os.environ["STEPWICK_E2E_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "/usr/bin/python3", __file__] + sys.argv[1:])

import pyatspi  # noqa: E402  (only inside the session bus)

ARGS = parse_args()
FAILURES = []
FIGURES = []


def log(text):
    print(text, flush=True)


def check(condition, what):
    log(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        FAILURES.append(what)
    return condition


def start_display():
    read_end, write_end = os.pipe()
    command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"]
    xvfb = subprocess.Popen(command, pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as ready:
        number = ready.readline().strip()
    if not number:
        sys.exit("Xvfb could not start")
    os.environ["DISPLAY"] = ":" + number
    return xvfb


def start_program(home, *arguments):
    env = dict(os.environ)
    env.pop("XDG_DATA_HOME", None)
    env.update({"HOME": str(home), "XDG_CONFIG_HOME": str(home / ".config"), "QT_QPA_PLATFORM": "xcb",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"})
    return subprocess.Popen([str(pathlib.Path(ARGS.build) / "bin" / "stepwick")] + list(arguments), env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def stop_program(program):
    if program.poll() is None and sys.exc_info()[0] is not None:
        shot("failure.png")
    if program.poll() is None and sys.exc_info()[0] is not None and shutil.which("gdb"):
        # Where the program was when a control did not come.
        trace = subprocess.run(["gdb", "-p", str(program.pid), "-batch", "-ex", "bt 40"], capture_output=True,
                               text=True).stdout
        log("program stack:\n" + "\n".join(l for l in trace.splitlines() if l.startswith("#")))
        if shutil.which("xwininfo"):
            log(subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout)
    if program.poll() is None:
        program.terminate()
    try:
        output, _ = program.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        program.kill()
        output, _ = program.communicate()
    return output


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name and "stepwick" in app.name.lower():
            return app
    return None


def showing(node):
    try:
        while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
            if not node.getState().contains(pyatspi.STATE_SHOWING):
                return False
            node = node.parent
        return True
    except Exception:
        return False


def descendants(node):
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        try:
            count = current.childCount
        except Exception:
            continue
        for i in range(count - 1, -1, -1):
            try:
                child = current.getChildAtIndex(i)
            except Exception:
                child = None
            if child is not None:
                stack.append(child)


def find_all(name, role=None):
    app = application()
    if app is None:
        return []
    found = []
    for node in descendants(app):
        try:
            if node.name != name or (role is not None and node.getRole() != role):
                continue
        except Exception:
            continue
        if showing(node):
            found.append(node)
    return found


def find(name, role=None, timeout=15.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        nodes = find_all(name, role)
        if nodes:
            return nodes[0]
        time.sleep(0.2)
    raise RuntimeError("not on the screen: %r" % name)


def labels():
    app = application()
    if app is None:
        return []
    texts = []
    for n in descendants(app):
        try:
            if n.getRole() == pyatspi.ROLE_LABEL and n.name and showing(n):
                texts.append(n.name)
        except Exception:
            pass
    return texts


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def move_pointer(x, y):
    # xdotool's --sync waits for the pointer to move; when it already stands there (a second
    # click on the same spot) that wait lasts many seconds, so it is left out then.
    where = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True).stdout
    if "X=%d\nY=%d\n" % (x, y) not in where:
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True)


def click(node):
    x, y = centre(node)
    move_pointer(x, y)
    time.sleep(0.1)
    subprocess.run(["xdotool", "click", "1"], check=True)
    time.sleep(0.4)


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), check=True)
    time.sleep(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
    time.sleep(0.2)


def shot(name):
    if not ARGS.shots:
        return
    folder = pathlib.Path(ARGS.shots)
    folder.mkdir(parents=True, exist_ok=True)
    time.sleep(0.5)
    subprocess.run(["import", "-window", "root", str(folder / name)], check=True)
    log("      screenshot " + str(folder / name))


def message_box(timeout):
    """Waits for a message box; returns its text (and leaves it open) or None."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        if find_all("OK", pyatspi.ROLE_PUSH_BUTTON) or find_all("Yes", pyatspi.ROLE_PUSH_BUTTON):
            return " | ".join(labels())
        time.sleep(0.3)
    return None


def answer(button="OK"):
    click(find(button, pyatspi.ROLE_PUSH_BUTTON, timeout=5))


# --- the library as the files say it ---------------------------------------------------------

def read_lines(path):
    return path.read_bytes().decode("utf-8", "replace").split("\r\n")


def set_line(path, index, value):
    """Writes a number into one line of an option file, as the program writes it."""
    lines = read_lines(path)
    lines[index] = " %d " % value
    path.write_bytes("\r\n".join(lines).encode("utf-8"))


def task_entry(folder, name):
    """(list entry, [step descriptions in order]) of the task file of that name."""
    lines = read_lines(folder / name)
    steps = int(lines[0])
    descriptions = [read_lines(folder / lines[3 + s])[1] for s in range(1, steps + 1)]
    entry = "%s==> %s:  %d Steps" % (lines[2], lines[1], steps)
    if lines[3] not in ("None", ""):
        entry += " (with video)"
    return entry, descriptions


def demo_task(folder, steps):
    """(list entry, [step descriptions in order]) of the demo task with this many steps."""
    for task in sorted(folder.glob("*.tsk")):
        if int(read_lines(task)[0]) == steps:
            return task_entry(folder, task.name)
    raise RuntimeError("no demo task of %d steps" % steps)


def solve(descriptions, number):
    """Clicks the pictures in the order of their steps; True when the after-task menu came."""
    for d in descriptions:
        # A click while a sentence plays (the introduction) is not taken: click again until the
        # picture has moved into its box.
        deadline = time.time() + 40
        while time.time() < deadline:
            before = centre(find(d, timeout=20))
            click(find(d, timeout=20))
            time.sleep(1.5)  # the picture glides into its box
            if centre(find(d, timeout=20)) != before:
                break
    if number == 1:
        shot("activity_solved.png")
    try:
        find("Next Task", timeout=45)
    except RuntimeError:
        return False
    shot("after_task_menu_%d.png" % number)
    return True


def wind_up(program, xvfb, work, then=None):
    """Ends a run: the program (its output logged), the display, then what else the run started,
    and the temporary folder."""
    output = stop_program(program)
    if output.strip():
        log("program output:\n" + output)
    xvfb.terminate()
    xvfb.wait()
    if then is not None:
        then()
    if ARGS.keep:
        log("kept " + str(work))
    else:
        shutil.rmtree(work, ignore_errors=True)


def summary():
    """Logs the figures and the number of failures; the exit code."""
    for figure in FIGURES:
        log("figure " + figure)
    log("%d failure(s)" % len(FAILURES))
    return 1 if FAILURES else 0


def main_menu_reached(timeout=30):
    try:
        find("Start", timeout=timeout)
        return True
    except RuntimeError:
        return False


def first_start(home):
    """Start on a fresh default folder: calibration, student, two tasks, report."""
    folder = home / ".local/share/stepwick"
    launched = time.time()
    program = start_program(home)
    try:
        text = message_box(30)
        check(text is not None and "calculate an initial animation speed" in text,
              "the first start explains the calibration")
        shot("calibration_message.png")
        answer()
        time.sleep(2)
        shot("calibration_running.png")
        started = time.time()
        text = message_box(240)
        FIGURES.append("first-run calibration: %.1f s" % (time.time() - started))
        check(text is not None and "Calculation Complete" in text, "the calibration ends with Calculation Complete")
        answer()
        check(main_menu_reached(), "the main menu shows after the calibration")
        shot("main_menu.png")
        speed = int(read_lines(folder / "teacher.lgn")[12])
        FIGURES.append("AnimationSpeed found: %d" % speed)
        check(speed >= 0, "the calibrated speed is stored in teacher.lgn (%d)" % speed)

        # Add a student.
        click(find("View Data / Delete / Add Student"))
        click(find("Name of the new student", pyatspi.ROLE_TEXT))
        type_text("Ann Lee")
        click(find("Add a Student", pyatspi.ROLE_PUSH_BUTTON))
        check(message_box(1) is None, "adding Ann Lee shows no message")
        check((folder / "Ann Lee.lgn").read_bytes() == (folder / "teacher.lgn").read_bytes(),
              "Ann Lee.lgn is a copy of teacher.lgn")
        shot("student_panel.png")
        click(find("Main Menu", pyatspi.ROLE_PUSH_BUTTON))

        # Log on and tick two demo tasks.
        click(find("Start"))
        click(find("Ann Lee", pyatspi.ROLE_LIST_ITEM))
        shot("log_on.png")
        click(find("Continue", pyatspi.ROLE_PUSH_BUTTON))
        find("Logged on as Student:", pyatspi.ROLE_LABEL)
        check(bool(find_all("Ann Lee", pyatspi.ROLE_LABEL)), "the task selection names Ann Lee")
        # The activity takes them in list order: by the entries' character codes.
        tasks = sorted([demo_task(folder, 2), demo_task(folder, 3)], key=lambda task: task[0])
        for entry, _ in tasks:
            # The entry made current with a click, then ticked with Space.
            click(find(entry, pyatspi.ROLE_LIST_ITEM, timeout=10))
            press("space")
        shot("task_selection.png")
        click(find("Continue", pyatspi.ROLE_PUSH_BUTTON))
        solved = 0
        if check(solve(tasks[0][1], 1), "the first task is solved with clicks on its pictures"):
            solved = 1
            click(find("Next Task"))
            if check(solve(tasks[1][1], 2), "the second task is solved"):
                solved = 2
            click(find("Task Selection Menu"))
        else:
            # A build without the access methods takes no click on a picture: the Exit button
            # records the task as not finished and ends the activity.
            click(find("Back to the Task Selection Menu"))
        find("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON, timeout=20)
        shot("task_selection_after.png")
        check(message_box(1) is None, "no results problem is told")
        click(find("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON))
        check(main_menu_reached(), "Back to Main Menu shows the main menu")

        report = folder / "Ann Lee.sta"
        check(report.exists(), "Ann Lee.sta was written")
        titles = [l for l in read_lines(report) if l.startswith("Task: ")] if report.exists() else []
        check(len(titles) == max(solved, 1), "the report holds %d task(s) (%s)" % (max(solved, 1), ", ".join(titles)))

        # View the report.
        click(find("View Data / Delete / Add Student"))
        click(find("Ann Lee", pyatspi.ROLE_LIST_ITEM))
        click(find("Simple Format", pyatspi.ROLE_PUSH_BUTTON))
        viewer = find("Ann Lee.sta", timeout=10)
        check(viewer is not None, "the report opens in the program's viewer")
        shot("report_viewer.png")
        press("Escape")
        click(find("Main Menu", pyatspi.ROLE_PUSH_BUTTON))
        click(find("Quit"))
        program.wait(timeout=15)
        check(program.returncode == 0, "Quit ends the program")
    finally:
        output = stop_program(program)
        if output.strip():
            log("program output:\n" + output)
    del launched


def second_start(home):
    launched = time.time()
    program = start_program(home)
    try:
        reached = main_menu_reached(30)
        FIGURES.append("second start, launch to the menu found over AT-SPI: %.2f s" % (time.time() - launched))
        check(reached and message_box(1) is None, "the second start shows the main menu without calibrating")
        shot("second_start.png")
    finally:
        stop_program(program)


def classroom(home, folder, name):
    program = start_program(home, "--app-folder", str(folder))
    try:
        text = message_box(30)
        check(text is not None and "calculate an initial animation speed" in text,
              "%s: the new data folder starts with the calibration" % name)
        check((folder / "aobj_prog_type.cfg").exists() and len(list(folder.glob("*.tsk"))) == 9,
              "%s: the folder holds the default content and the nine demo tasks" % name)
        if ARGS.quick:
            return
        answer()
        text = message_box(240)
        check(text is not None and "Calculation Complete" in text, "%s: Calculation Complete" % name)
        answer()
        check(main_menu_reached(), "%s: the main menu shows" % name)
        click(find("Start"))
        click(find("Continue", pyatspi.ROLE_PUSH_BUTTON))
        entry, _ = demo_task(folder, 5)
        check(bool(find(entry, pyatspi.ROLE_LIST_ITEM, timeout=10)), "%s: the task list shows %s" % (name, entry))
        shot("classroom_%s.png" % name)
    finally:
        stop_program(program)


def foreign_folder(home, folder):
    notes = folder / "notes.txt"
    before = notes.read_bytes()
    program = start_program(home, "--app-folder", str(folder))
    try:
        text = message_box(20)
        check(text is not None and "is not a Stepwick data folder" in text, "a folder of notes is refused: " +
              (text or "no message"))
        shot("foreign_folder.png")
        answer()
        program.wait(timeout=10)
        check(program.returncode == 2, "the program ends with 2")
    finally:
        stop_program(program)
    check(sorted(p.name for p in folder.iterdir()) == ["notes.txt"] and notes.read_bytes() == before,
          "the folder holds only the notes file, unchanged")


def main():
    work = pathlib.Path(tempfile.mkdtemp(prefix="stepwick-frontdoor-"))
    home = work / "home"
    home.mkdir()
    xvfb = start_display()
    try:
        first_start(home)
        second_start(home)
        classroom(home, work / "classroom", "new")
        (work / "empty").mkdir()
        classroom(home, work / "empty", "empty")
        (work / "papers").mkdir()
        (work / "papers" / "notes.txt").write_bytes(b"Lesson plans\r\nMonday: hands\r\n")
        foreign_folder(home, work / "papers")
    except Exception as error:
        check(False, str(error))
    finally:
        xvfb.terminate()
        xvfb.wait()
        if ARGS.keep:
            log("kept " + str(work))
        else:
            shutil.rmtree(work, ignore_errors=True)
    return summary()


if __name__ == "__main__":
    sys.exit(main())
