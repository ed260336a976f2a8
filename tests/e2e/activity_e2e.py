#!/usr/bin/python3
"""The access methods end to end: the activity window under Xvfb, driven with real input.

Opens the activity window on a four-step task of the default content through
build/tests/activity_harness (the task selection window cannot start it yet) and solves it:
with step scanning (method 1) by xdotool's Space and Enter keys, and with drag and drop
(method 4) by xdotool's mouse; then leaves through the after-task menu. Checks the result the
window records and takes screenshots.

Run by hand (needs Xvfb, xdotool, imagemagick):
    tests/e2e/activity_e2e.sh [BUILD_DIR] [SHOTS_DIR]
"""

import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
SHOTS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "/tmp/stepwick-shots/access")
TASK = "generated_task_310000003.tsk"  # Washing hands, four steps


def log(text):
    print(text, flush=True)


def fail(text):
    log("FAIL: " + text)
    raise SystemExit(1)


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True)


def shot(name):
    path = os.path.join(SHOTS, name + ".png")
    subprocess.run(["import", "-window", "root", path], check=True)
    log("screenshot " + path)


class Harness:
    def __init__(self, method):
        folder = tempfile.mkdtemp(prefix="stepwick-e2e-access-")
        self.data = os.path.join(folder, "data")
        shutil.copytree(os.path.join(BUILD, "share/stepwick/content"), self.data)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        self.proc = subprocess.Popen([os.path.join(BUILD, "tests/activity_harness"), self.data, TASK, str(method)],
                                     stdout=subprocess.PIPE, text=True, env=env)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.slots, self.boxes = {}, {}

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.strip())
        self.lines.put(None)

    def wait_for(self, prefix, seconds):
        end = time.time() + seconds
        while time.time() < end:
            try:
                line = self.lines.get(timeout=0.2)
            except queue.Empty:
                continue
            if line is None:
                fail("the harness ended while waiting for '%s'" % prefix)
            log("  harness: " + line)
            words = line.split()
            if words[0] == "slot":
                self.slots[int(words[1])] = (int(words[3]), *map(int, words[4:8]))
            if words[0] == "box":
                self.boxes[int(words[1])] = tuple(map(int, words[2:6]))
            if line.startswith(prefix):
                return line
        fail("no '%s' within %d s" % (prefix, seconds))

    def slot_of_step(self, step):
        return next(k for k, v in self.slots.items() if v[0] == step)


def scanning_run():
    log("method 1: step scanning with Space and Enter")
    h = Harness(1)
    started = time.time()
    h.wait_for("laid out", 60)
    n = len(h.slots)
    time.sleep(0.5)
    shot("method1_before_first_space")
    xdotool("key", "space")
    time.sleep(0.5)
    shot("method1_first_highlight")
    placed = set()
    highlight = 1
    presses = 1

    def next_candidate(after):
        free = [k for k in range(1, n + 1) if k not in placed]
        if not free:
            return 0
        later = [k for k in free if k > after]
        return later[0] if later else free[0]

    for box in range(1, n + 1):
        target = h.slot_of_step(box)
        while highlight != target:
            xdotool("key", "space")
            presses += 1
            highlight = next_candidate(highlight)
            time.sleep(0.3)
        if box == 2:
            shot("method1_highlight_on_step2")
        xdotool("key", "Return")
        presses += 1
        placed.add(target)
        # A picture placed right is no candidate any more: the highlight starts again at the
        # first picture still in the row.
        highlight = next_candidate(0)
        time.sleep(1.5)
        if box == 2:
            shot("method1_two_placed")
    result = h.wait_for("result", 30)
    solved = time.time() - started
    time.sleep(2)
    shot("method1_reward")
    time.sleep(8)
    shot("method1_menu")
    # The menu: Space twice to the task list, Enter takes it.
    for key in ("space", "space", "Return"):
        xdotool("key", key)
        time.sleep(0.8)
    h.wait_for("handed back", 30)
    if result != "result finished 1 moves %d incorrect 0" % n:
        fail("method 1 recorded: " + result)
    log("method 1 solved with %d key presses in %.1f s (introduction included)" % (presses, solved))


def pointer_run():
    log("method 4: drag and drop with the mouse")
    h = Harness(4)
    started = time.time()
    h.wait_for("laid out", 60)
    n = len(h.slots)
    time.sleep(0.5)
    shot("method4_board")
    for box in range(1, n + 1):
        k = h.slot_of_step(box)
        _, x, y, w, hgt = h.slots[k]
        bx, by, _, _ = h.boxes[box]
        grab = (x + w // 2, y + hgt // 2)
        drop = (bx + 5 + w // 2, by + 5 + hgt // 2)
        xdotool("mousemove", *grab)
        time.sleep(0.2)
        xdotool("mousedown", 1)
        for i in range(1, 11):
            xdotool("mousemove", grab[0] + (drop[0] - grab[0]) * i // 10, grab[1] + (drop[1] - grab[1]) * i // 10)
            time.sleep(0.03)
            if box == 2 and i == 6:
                shot("method4_dragging")
        xdotool("mouseup", 1)
        time.sleep(0.8)
    result = h.wait_for("result", 30)
    solved = time.time() - started
    time.sleep(2)
    shot("method4_reward")
    time.sleep(8)
    shot("method4_menu")
    xdotool("mousemove", 512, 576)
    xdotool("click", 1)
    h.wait_for("handed back", 30)
    if result != "result finished 1 moves %d incorrect 0" % n:
        fail("method 4 recorded: " + result)
    log("method 4 solved with %d drags in %.1f s (introduction included)" % (n, solved))


def main():
    os.makedirs(SHOTS, exist_ok=True)
    scanning_run()
    pointer_run()
    log("PASS")


if __name__ == "__main__":
    main()
