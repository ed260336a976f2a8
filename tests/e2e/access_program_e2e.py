#!/usr/bin/python3
"""Access methods 1 and 4 through the real program's front door, under Xvfb with real input.

A new data folder (--app-folder) holding the default content, with a calibrated AnimationSpeed
so that no calibration runs, and a student "Ann" (a copy of teacher.lgn). Ann's AccessMethod
(line 1 of her option file) is set to 1: Start, log on Ann, tick "Washing hands", Continue; the
task is solved with xdotool's Space (moves the highlight) and Enter (chooses); the after-task
menu leads back to the task selection and on to the main menu. Then AccessMethod 4: log on
again, the same task is solved with xdotool drags (press, moves in steps, release). Ann's
report must hold both runs finished with no wrong move.

The pictures are found over AT-SPI by their accessible names (the step descriptions), the boxes
as "Box N"; the order of the steps comes from the task's .tsk and .stp files.

    tests/e2e/access_program_e2e.py [--build build] [--shots DIR] [--keep]

Helpers come from frontdoor_e2e.py. Exits 0 when every check passed.
"""

import os
import pathlib
import shutil
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent
if "STEPWICK_E2E_BUS" not in os.environ:
    os.environ["STEPWICK_E2E_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "/usr/bin/python3", __file__] + sys.argv[1:])

sys.path.insert(0, str(HERE))
import frontdoor_e2e as fd  # noqa: E402  (parses the same arguments)
from frontdoor_e2e import check, click, find, find_all, log, press, shot, pyatspi  # noqa: E402

TASK = "generated_task_310000003.tsk"  # Washing hands, four steps
STUDENT = "Ann"
SPEED = 210000


def extents(node):
    b = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return b.x, b.y, b.width, b.height


def xdo(*args):
    fd.subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def board(descriptions):
    """{step: picture node}, {box number: node}, slot of each step (left to right in the row)."""
    pictures = {s + 1: find(d, timeout=30) for s, d in enumerate(descriptions)}
    boxes = {n: find("Box %d" % n, timeout=10) for n in range(1, len(descriptions) + 1)}
    row = sorted(pictures, key=lambda s: extents(pictures[s])[0])
    slot_of_step = {step: k + 1 for k, step in enumerate(row)}
    return pictures, boxes, slot_of_step


def in_box(picture, box):
    px, py, pw, ph = extents(picture)
    bx, by, bw, bh = extents(box)
    cx, cy = px + pw // 2, py + ph // 2
    return bx <= cx < bx + bw and by <= cy < by + bh


def log_on_and_start(folder, entry):
    click(find("Start"))
    click(find(STUDENT, pyatspi.ROLE_LIST_ITEM))
    click(find("Continue", pyatspi.ROLE_PUSH_BUTTON))
    find("Logged on as Student:", pyatspi.ROLE_LABEL)
    click(find(entry, pyatspi.ROLE_LIST_ITEM, timeout=10))
    press("space")
    click(find("Continue", pyatspi.ROLE_PUSH_BUTTON))


def scanning_run(folder, entry, descriptions):
    log("method 1: Space moves the highlight, Enter chooses")
    log_on_and_start(folder, entry)
    started = time.time()
    pictures, boxes, slot_of_step = board(descriptions)
    n = len(descriptions)
    log("      slots of steps 1..%d: %s" % (n, [slot_of_step[s] for s in range(1, n + 1)]))
    shot("m1_board.png")
    # The slots where the pictures were dealt (a placed picture's own place is then in its box,
    # next to the box's coloured frame, so the slots are measured once, before any move).
    row = sorted((extents(node) for node in pictures.values()), key=lambda e: e[0])

    def highlighted():
        """The slot framed by the marquee (it stands a few pixels outside its picture), or 0."""
        screen = fd.subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True,
                                   check=True).stdout
        for k, (x, y, _, h) in enumerate(row):
            i = ((y + h // 2) * 1024 + x - 3) * 3
            r, g, b = screen[i], screen[i + 1], screen[i + 2]
            if not (r < 40 and g < 40 and b > 150):  # not the blue background
                return k + 1
        return 0

    # Nothing moves before the first Space; a press while the introduction plays is not taken.
    presses, waited = 0, time.time()
    while highlighted() == 0 and time.time() - waited < 60:
        press("space")
        presses += 1
        time.sleep(1.0)
    fd.FIGURES.append("method 1: first highlight %.1f s after the board showed (%d Space presses)" %
                      (time.time() - waited, presses))
    shot("m1_first_highlight.png")
    for box in range(1, n + 1):
        target = slot_of_step[box]
        tries = 0
        while highlighted() != target and tries < 3 * n and box < n:
            press("space")
            presses += 1
            tries += 1
            time.sleep(0.2)
        # The last picture is the only one left (its highlight was not seen in the screenshots' test).
        check(box == n or highlighted() == target, "method 1: Space brings the highlight to step %d" % box)
        if box == 2:
            shot("m1_highlight_step2.png")
        press("Return")
        presses += 1
        time.sleep(1.5)
        check(in_box(pictures[box], boxes[box]), "method 1: Enter puts step %d in Box %d" % (box, box))
        if box == 2:
            shot("m1_two_placed.png")
    try:
        find("Next Task", timeout=45)
        menu = True
    except RuntimeError:
        menu = False
    solved = time.time() - started
    check(menu, "method 1: the after-task menu shows")
    fd.FIGURES.append("method 1: %d key presses, %.1f s from Continue to the after-task menu" % (presses, solved))
    shot("m1_after_task_menu.png")
    # The menu scans too: Space twice to "Task Selection Menu", Enter takes it.
    for key in ("space", "space", "Return"):
        press(key)
        time.sleep(0.5)
    back = find_all("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON) or [find("Back to Main Menu", timeout=20)]
    check(bool(back), "method 1: Space, Space, Enter in the menu lead to the task selection")
    shot("m1_task_selection.png")
    click(find("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON))
    find("Start", timeout=20)


def drag(grab, drop, shoot=None):
    xdo("mousemove", "--sync", *grab)
    time.sleep(0.2)
    xdo("mousedown", 1)
    for i in range(1, 13):
        xdo("mousemove", grab[0] + (drop[0] - grab[0]) * i // 12, grab[1] + (drop[1] - grab[1]) * i // 12)
        time.sleep(0.04)
        if shoot and i == 7:
            fd.subprocess.run(["import", "-window", "root", str(pathlib.Path(fd.ARGS.shots) / shoot)])
    xdo("mouseup", 1)


def pointer_run(folder, entry, descriptions):
    log("method 4: drag and drop")
    log_on_and_start(folder, entry)
    started = time.time()
    pictures, boxes, _ = board(descriptions)
    shot("m4_board.png")
    n = len(descriptions)
    for box in range(1, n + 1):
        deadline = time.time() + 30
        while time.time() < deadline:
            x, y, w, h = extents(pictures[box])
            bx, by, bw, bh = extents(boxes[box])
            drag((x + w // 2, y + h // 2), (bx + bw // 2, by + bh // 2),
                 "m4_dragging.png" if box == 2 and fd.ARGS.shots else None)
            time.sleep(1.0)
            if in_box(pictures[box], boxes[box]):
                break
            log("      step %d not taken (a sentence was playing?); dragging again" % box)
        check(in_box(pictures[box], boxes[box]), "method 4: step %d is in Box %d" % (box, box))
    try:
        find("Next Task", timeout=45)
        menu = True
    except RuntimeError:
        menu = False
    fd.FIGURES.append("method 4: %d drags, %.1f s from Continue to the after-task menu" % (n, time.time() - started))
    check(menu, "method 4: the after-task menu shows")
    shot("m4_after_task_menu.png")
    click(find("Task Selection Menu"))
    find("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON, timeout=20)
    click(find("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON))
    find("Start", timeout=20)


def main():
    work = pathlib.Path(tempfile.mkdtemp(prefix="stepwick-access-"))
    home, folder = work / "home", work / "data"
    home.mkdir()
    shutil.copytree(pathlib.Path(fd.ARGS.build) / "share/stepwick/content", folder)
    teacher = folder / "teacher.lgn"
    fd.set_line(teacher, 12, SPEED)
    student = folder / (STUDENT + ".lgn")
    shutil.copyfile(teacher, student)
    fd.set_line(student, 0, 1)
    entry, descriptions = fd.task_entry(folder, TASK)
    xvfb = fd.start_display()
    program = fd.start_program(home, "--app-folder", str(folder))
    try:
        check(fd.main_menu_reached(30) and fd.message_box(1) is None, "the main menu shows without calibrating")
        scanning_run(folder, entry, descriptions)
        check(fd.read_lines(student)[0].strip() == "1", "Ann's option file still says method 1")
        # The running program keeps the options it read: quit, change the file, start again.
        click(find("Quit"))
        program.wait(timeout=15)
        fd.stop_program(program)
        fd.set_line(student, 0, 4)
        program = fd.start_program(home, "--app-folder", str(folder))
        check(fd.main_menu_reached(30), "the second start shows the main menu")
        pointer_run(folder, entry, descriptions)
        report = folder / (STUDENT + ".sta")
        text = fd.read_lines(report) if report.exists() else []
        log("      %s:\n" % report.name + "\n".join("        " + l for l in text))
        runs = [i for i, l in enumerate(text) if l.startswith("Task: ")]
        check(len(runs) == 2, "Ann's report holds two runs")
        for method in ("Step Scanning with 2 switches", "Drag and Drop with a mouse"):
            run = next((text[i:i + 8] for i in runs if "Access Method: " + method in text[i:i + 8]), [])
            check(run[:1] == ["Task: Washing hands"] and "The student finished sequencing this task" in run and
                  "Number of Incorrect Picture Moves: 0" in run, "the report: %s, finished, 0 wrong" % method)
        click(find("Quit"))
        program.wait(timeout=15)
        check(program.returncode == 0, "Quit ends the program")
    except Exception as error:
        check(False, str(error))
    finally:
        fd.wind_up(program, xvfb, work)
    return fd.summary()


if __name__ == "__main__":
    sys.exit(main())
