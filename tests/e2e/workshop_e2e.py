#!/usr/bin/python3
"""The task workshop end to end, with the real program under Xvfb and real input.

From the main menu: open the Task Maker, add two pictures from the teacher's Pictures folder
(outside the data folder), make a two-step task of them and save it; then check the files
written and go back to the main menu. Then a student is added, logs on, finds the new task in the
task selection window, ticks it and solves it by clicking its pictures in order; the student's
report must name it as finished. Controls are found by their accessible names over AT-SPI
and worked with xdotool (mouse and keyboard), as a teacher would.

    tests/e2e/workshop_e2e.py [--build build] [--shots DIR] [--keep]

Needs Xvfb, xdotool, ImageMagick (import, convert), dbus-run-session and python3-pyatspi for
/usr/bin/python3. Exits 0 when every check passed.
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
    parser.add_argument("--display", default="", help="the X display to start (default: the first free one)")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folders")
    return parser.parse_args()


# AT-SPI needs a session bus; without one, run again inside a fresh one.
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


# --- the program on its screen ------------------------------------------------------------

def start_display():
    """Starts Xvfb on a free display (it says which once it is ready) and points DISPLAY at it."""
    read_end, write_end = os.pipe()
    command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"]
    if ARGS.display:
        command.insert(1, ARGS.display)
    xvfb = subprocess.Popen(command, pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as ready:
        number = ready.readline().strip()
    if not number:
        sys.exit("Xvfb could not start")
    os.environ["DISPLAY"] = ":" + number
    return xvfb


def make_picture(path, colour, label):
    subprocess.run(["/usr/bin/convert", "-size", "640x480", "xc:" + colour, "-font", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "-fill", "white",
                    "-pointsize", "60",
                    "-gravity", "center", "-annotate", "0", label, str(path)], check=True)


def start_program(app_folder, home):
    env = dict(os.environ)
    env.update({"HOME": str(home), "XDG_CONFIG_HOME": str(home / ".config"), "QT_QPA_PLATFORM": "xcb",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"})
    return subprocess.Popen([str(pathlib.Path(ARGS.build) / "bin" / "stepwick"), "--app-folder", str(app_folder)],
                            env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name and "stepwick" in app.name.lower():
            return app
    return None


def showing(node):
    # Qt keeps list entries marked as showing when their list is hidden, so the whole way up to the
    # window must be showing.
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
        # Children of a big list are many; a list's entries are still wanted, so all are walked.
        for i in range(count - 1, -1, -1):
            try:
                child = current.getChildAtIndex(i)
            except Exception:
                child = None
            if child is not None:
                stack.append(child)


def find_all(name, role=None, description=None):
    app = application()
    if app is None:
        return []
    found = []
    for node in descendants(app):
        try:
            if node.name != name or (role is not None and node.getRole() != role):
                continue
            if description is not None and node.description != description:
                continue
        except Exception:
            continue
        if showing(node):
            found.append(node)
    return found


def find(name, role=None, description=None, timeout=15.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        nodes = find_all(name, role, description)
        if nodes:
            return nodes[0]
        time.sleep(0.2)
    raise RuntimeError("not on the screen: %r" % name)


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def click(node, double=False):
    x, y = centre(node)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True)
    time.sleep(0.1)
    if double:
        subprocess.run(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"], check=True)
    else:
        subprocess.run(["xdotool", "click", "1"], check=True)
    time.sleep(0.4)


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), check=True)
    time.sleep(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
    time.sleep(0.2)


def click_button(name, description=None):
    click(find(name, pyatspi.ROLE_PUSH_BUTTON, description))


def focused_name():
    # Qt leaves the focused mark on list entries that once had it, so only controls count.
    app = application()
    for node in descendants(app):
        try:
            if node.getRole() in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL) or not node.name:
                continue
            if node.getState().contains(pyatspi.STATE_FOCUSED) and showing(node):
                return node.name
        except Exception:
            continue
    return None


def tab_to(name, most=12):
    """Presses Tab until the named control has the keyboard focus; True when it got there."""
    for _ in range(most):
        if focused_name() == name:
            return True
        press("Tab")
    return focused_name() == name


def shot(name):
    if not ARGS.shots:
        return
    folder = pathlib.Path(ARGS.shots)
    folder.mkdir(parents=True, exist_ok=True)
    time.sleep(0.6)
    subprocess.run(["import", "-window", "root", str(folder / name)], check=True)
    log("      screenshot " + str(folder / name))


def no_message_box():
    # A message box is a dialog with an OK button; the flow below expects none.
    boxes = [n for n in find_all("OK", pyatspi.ROLE_PUSH_BUTTON)]
    if boxes:
        app = application()
        texts = [n.name for n in descendants(app) if showing(n) and n.getRole() == pyatspi.ROLE_LABEL]
        check(False, "no message box appeared (saw: %s)" % " | ".join(t for t in texts if t))
        click(boxes[0])
        return False
    return True


# --- the teacher's work ---------------------------------------------------------------------

def add_picture(file_name, category, description, keyboard):
    click_button("Add a Picture")
    entry = find(file_name, timeout=20)
    check(True, "the browser lists %s from the Pictures folder" % file_name)
    click(entry)
    click(entry, double=True)
    click_button("Use This Picture")
    chosen = find(str(HOME / "Pictures" / file_name), pyatspi.ROLE_LABEL, timeout=5)
    check(chosen is not None, "the chosen picture's full path is shown")
    if keyboard:
        shot("picture_wizard_step1.png")
    click_button("Continue to Step 2")
    if keyboard:
        # From here by keyboard alone: the category box has the focus, Tab goes on in reading order.
        check(focused_name() == "Enter a category for the picture: ie. Cooking, Hygiene...",
              "step 2 starts with the keyboard in the category box")
        type_text(category)
        press("Tab")
        check(focused_name() == "Enter a Picture Description: ie. Zippering the coat",
              "Tab goes from the category to the description")
        type_text(description)
        shot("picture_wizard_step2.png")
        check(tab_to("Continue to Step 3"), "Tab reaches Continue to Step 3")
        press("Return")
        find("Save and Exit", pyatspi.ROLE_PUSH_BUTTON)
        shot("picture_wizard_step3.png")
        check(tab_to("Save and Exit"), "Tab reaches Save and Exit")
        press("Return")
    else:
        click(find("Enter a category for the picture: ie. Cooking, Hygiene..."))
        type_text(category)
        click(find("Enter a Picture Description: ie. Zippering the coat", pyatspi.ROLE_TEXT))
        type_text(description)
        click_button("Continue to Step 3")
        click_button("Save and Exit")
    no_message_box()
    find("%s: %s" % (category, description), timeout=5)
    check(True, "the picture list shows %s: %s" % (category, description))


def make_task(description, category, pictures):
    click_button("Add a New Task")
    click(find("Describe the activity:  ie. Making a scrambled egg", pyatspi.ROLE_TEXT))
    type_text(description)
    press("Tab")
    type_text(category)
    shot("task_wizard_step1.png")
    click_button("Continue to Step 2")
    library = find("Pictures in the library", pyatspi.ROLE_LIST)
    for step, picture in enumerate(pictures, start=1):
        # The teacher's new pictures lie further down the list: typing the start of an entry
        # goes to it, as in any list.
        click(library)
        type_text(picture)
        click(find(picture, pyatspi.ROLE_LIST_ITEM))
        click_button("Paste Picture", "Step %d" % step)
        no_message_box()
    shot("task_wizard_step2.png")
    click_button("Continue to Step 3")
    shot("task_wizard_step3.png")
    click_button("Continue to Step 4")
    title = find(description, pyatspi.ROLE_LABEL, timeout=5)
    shot("task_wizard_step4.png")
    check(title is not None, "step 4 names the task")
    click_button("Save Task & Exit")
    no_message_box()


def read_lines(path):
    return path.read_bytes().decode("utf-8").split("\r\n")


def check_files(app_folder, pictures_folder, tasks_before):
    tasks = sorted(set(app_folder.glob("*.tsk")) - tasks_before)
    check(len(tasks) == 1, "one task file was added (%d)" % len(tasks))
    if not tasks:
        return
    lines = read_lines(tasks[0])
    log("      %s: %r" % (tasks[0].name, lines))
    check(lines[0] == " 2 ", "the task has two steps")
    check(lines[1:4] == ["Clean hands", "Hygiene", "None"], "title, category and video as entered")
    task_id = tasks[0].name[len("generated_task_"):-len(".tsk")]
    check(tasks[0].name.startswith("generated_task_"), "the task file is named after its id")
    check(lines[6] == task_id and lines[7] == "None" and lines[8:] == [""], "its id, no introduction, nothing after")
    steps = lines[4:6]
    described = []
    for step in steps:
        picture = app_folder / step
        check(picture.exists(), "step %s exists" % step)
        if picture.exists():
            record = read_lines(picture)
            log("      %s: %r" % (step, record))
            described.append(record[1])
            check(record[3].startswith(str(pictures_folder) + "/"), "the picture is stored with its full path")
            check(record[4] == "None", "no narration")
            check(step == "generated_pic_%s.stp" % record[5], "the picture file is named after its id")
    check(described == ["Washing hands", "Drying hands"], "the steps in the order pasted")
    categories = read_lines(app_folder / "aobj_categories.txt")
    check("Hygiene" in categories, "the category list holds Hygiene")
    check(not (app_folder / "temp.wav").exists() and not (app_folder / "temp_intro.wav").exists(),
          "no temporary recording left behind")


def calibrate_first_run():
    """A new data folder starts with the speed calibration: its first message, then Calculation Complete."""
    deadline = time.time() + 30
    while time.time() < deadline and not find_all("Task Maker") and not find_all("OK", pyatspi.ROLE_PUSH_BUTTON):
        time.sleep(0.3)
    if not find_all("OK", pyatspi.ROLE_PUSH_BUTTON):
        return
    click(find("OK", pyatspi.ROLE_PUSH_BUTTON))
    started = time.time()
    find("OK", pyatspi.ROLE_PUSH_BUTTON, timeout=240)
    FIGURES.append("first-run calibration: %.1f s" % (time.time() - started))
    click(find("OK", pyatspi.ROLE_PUSH_BUTTON))


def solve(descriptions):
    """Clicks the board's pictures in the order of their steps; True when the after-task menu came."""
    for d in descriptions:
        # A click while a sentence plays is not taken: click again until the picture has moved.
        deadline = time.time() + 40
        while time.time() < deadline:
            before = centre(find(d, timeout=20))
            click(find(d, timeout=20))
            time.sleep(1.5)  # the picture glides into its box
            if centre(find(d, timeout=20)) != before:
                break
    shot("new_task_solved.png")
    try:
        find("Next Task", timeout=45)
    except RuntimeError:
        return False
    shot("new_task_after_menu.png")
    return True


def run_new_task(app_folder, entry_text):
    """From the main menu: a student runs and solves the new task; the report says so."""
    click(find("View Data / Delete / Add Student"))
    click(find("Name of the new student", pyatspi.ROLE_TEXT))
    type_text("Ann Lee")
    click_button("Add a Student")
    no_message_box()
    check((app_folder / "Ann Lee.lgn").exists(), "the student Ann Lee was added")
    click_button("Main Menu")
    click(find("Start"))
    click(find("Ann Lee", pyatspi.ROLE_LIST_ITEM))
    click_button("Continue")
    find("Logged on as Student:", pyatspi.ROLE_LABEL)
    entry = find(entry_text, pyatspi.ROLE_LIST_ITEM, timeout=10)
    check(entry is not None, "the task selection lists the new task: " + entry_text)
    click(entry)
    press("space")
    shot("task_selection_new_task.png")
    started = time.time()
    click_button("Continue")
    find("Washing hands", timeout=30)
    FIGURES.append("Continue to the new task's board: %.1f s" % (time.time() - started))
    shot("new_task_board.png")
    started = time.time()
    solved = check(solve(["Washing hands", "Drying hands"]), "the new task is solved by clicking its pictures in order")
    FIGURES.append("solving the new task (two clicks, glides, praise): %.1f s" % (time.time() - started))
    if solved:
        click(find("Task Selection Menu"))
    else:
        click(find("Back to the Task Selection Menu"))
    click(find("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON, timeout=20))
    no_message_box()
    find("Start", timeout=20)
    report = app_folder / "Ann Lee.sta"
    if check(report.exists(), "Ann Lee.sta was written"):
        lines = read_lines(report)
        log("      Ann Lee.sta: %r" % lines[:12])
        at = lines.index("Task: Clean hands") if "Task: Clean hands" in lines else -1
        check(at >= 0, "the report names the task Clean hands")
        check(at >= 0 and at + 1 < len(lines) and lines[at + 1] == "The student finished sequencing this task",
              "the report says the student finished it")


def main():
    global HOME
    work = pathlib.Path(tempfile.mkdtemp(prefix="stepwick-e2e-"))
    HOME = work / "home"
    pictures = HOME / "Pictures"
    pictures.mkdir(parents=True)
    make_picture(pictures / "wash_hands.JPG", "#1565c0", "Wash")
    make_picture(pictures / "dry_hands.png", "#2e7d32", "Dry")
    (pictures / "notes.txt").write_text("not a picture\n")
    app_folder = work / "classroom"
    shutil.copytree(pathlib.Path(ARGS.build) / "share" / "stepwick" / "content", app_folder)
    # The demo tasks and pictures stay: the new task joins a library that is in use.
    tasks_before = set(app_folder.glob("*.tsk"))

    xvfb = start_display()
    launched = time.time()
    program = start_program(app_folder, HOME)
    try:
        calibrate_first_run()
        click(find("Task Maker", timeout=30))
        find("Task Maker Main Menu", pyatspi.ROLE_LABEL)
        check(True, "the Task Maker opens from the main menu")
        shot("menu.png")
        check(not find_all("Start"), "the main menu is hidden")
        click_button("Add, Modify, or Delete a Picture")
        add_picture("wash_hands.JPG", "Hygiene", "Washing hands", keyboard=True)
        check(not find_all("notes.txt"), "a file that is not a picture is not offered")
        add_picture("dry_hands.png", "Hygiene", "Drying hands", keyboard=False)
        click_button("Back")
        click_button("Add, Modify, Print, or Delete a Sequencing Task")
        make_task("Clean hands", "Hygiene", ["Hygiene: Washing hands", "Hygiene: Drying hands"])
        entry = find("Hygiene==> Clean hands:  2 Steps", timeout=5)
        check(entry is not None, "the task list shows Hygiene==> Clean hands:  2 Steps")
        shot("task_list.png")
        check_files(app_folder, pictures, tasks_before)
        click_button("Back")
        click_button("Main Menu")
        find("Task Maker", timeout=10)
        check(not find_all("Task Maker Main Menu"), "Main Menu brings the main menu back and the workshop is gone")
        check(program.poll() is None, "the program is still running")
        run_new_task(app_folder, "Hygiene==> Clean hands:  2 Steps")
        check(program.poll() is None, "the program is still running after the activity")
    except Exception as error:  # a control that never came: say which, with a picture of the screen
        check(False, str(error))
        if ARGS.shots:
            shot("failure.png")
    finally:
        program.terminate()
        try:
            output, _ = program.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            program.kill()
            output, _ = program.communicate()
        xvfb.terminate()
        xvfb.wait()
        if output.strip():
            log("program output:\n" + output)
        if ARGS.keep:
            log("kept " + str(work))
        else:
            shutil.rmtree(work, ignore_errors=True)
    FIGURES.append("whole run: %.1f s" % (time.time() - launched))
    for figure in FIGURES:
        log("figure " + figure)
    log("%d failure(s)" % len(FAILURES))
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
