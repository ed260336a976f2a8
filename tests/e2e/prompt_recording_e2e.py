#!/usr/bin/python3
"""A prompt re-recorded in the workshop is what the student hears; Revert brings the supplied one back.

The real program under Xvfb with real input (xdotool, AT-SPI), and a PulseAudio server of the
script's own: a null sink whose monitor, remapped as a source, is the default microphone. What
is played into the sink is what the microphone hears, and what the program plays can be
captured from the sink's monitor.

1. Task Maker, "Language Customization", the option "Keep trying, you can do it": while a
   signal (660 Hz and 990 Hz in turn, 0.6 s each) plays into the sink, "Start Recording", about
   2.5 s, "Stop Recording". The level meter must move; aobj_keep_trying.wav must now be a 16-bit
   22050 Hz mono WAV holding the signal, no longer the supplied bytes.
2. Student "Ann" (touch/click, feedback when all the pictures are placed, no reward screen)
   solves "Washing hands" with steps 3 and 4 swapped while the sink's monitor is captured: the
   check sends them back and the capture must hold the signal (the new recording is what the
   student hears). Then the task is solved.
3. Back in "Language Customization", the same option, "Revert to the Original Recording", Yes:
   aobj_keep_trying.wav holds the supplied bytes again.

    tests/e2e/prompt_recording_e2e.py [--build build] [--shots DIR] [--keep]

Needs pulseaudio and pulseaudio-utils besides what frontdoor_e2e.py needs. Exits 0 when every
check passed, 77 when PulseAudio cannot start here.
"""

import math
import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent
if "STEPWICK_E2E_BUS" not in os.environ:
    os.environ["STEPWICK_E2E_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "/usr/bin/python3", __file__] + sys.argv[1:])

sys.path.insert(0, str(HERE))
import frontdoor_e2e as fd  # noqa: E402  (parses the same arguments)
from frontdoor_e2e import answer, check, click, find, find_all, log, shot, pyatspi  # noqa: E402

TASK = "generated_task_310000003.tsk"  # Washing hands, four steps
PROMPT = "aobj_keep_trying.wav"
PROMPT_CAPTION = "Keep trying, you can do it"
STUDENT = "Ann"
RATE = 22050
TONES = (660.0, 990.0)
TONE_SECONDS = 0.6


# --- the sound server -------------------------------------------------------------------------

class OwnPulseAudio:
    def __init__(self, folder):
        self.folder = folder
        self.socket = folder / "native"
        script = folder / "test.pa"
        script.write_text("load-module module-native-protocol-unix socket=%s auth-anonymous=1\n"
                          "load-module module-null-sink sink_name=stepwick_null rate=%d channels=1\n"
                          "load-module module-remap-source master=stepwick_null.monitor source_name=stepwick_mic "
                          "source_properties=device.description=StepwickMic\n"
                          "set-default-sink stepwick_null\n"
                          "set-default-source stepwick_mic\n" % (self.socket, RATE))
        env = dict(os.environ, XDG_RUNTIME_DIR=str(folder), HOME=str(folder))
        env.pop("PULSE_SERVER", None)
        self.log = open(folder / "server.log", "wb")
        self.server = subprocess.Popen(["pulseaudio", "-n", "-F", str(script), "--daemonize=no", "--exit-idle-time=-1",
                                        "--use-pid-file=no", "--log-target=stderr"], env=env, stdout=self.log,
                                       stderr=subprocess.STDOUT)
        self.env = dict(os.environ, PULSE_SERVER="unix:%s" % self.socket)
        deadline = time.time() + 15
        while time.time() < deadline and self.server.poll() is None:
            if self.socket.exists() and self.pactl("info"):
                return
            time.sleep(0.1)
        self.stop()
        raise OSError("PulseAudio did not start:\n" + (folder / "server.log").read_text(errors="replace"))

    def pactl(self, *arguments):
        return subprocess.run(["pactl"] + list(arguments), env=self.env, capture_output=True).returncode == 0

    def play(self, samples):
        """Plays 16-bit mono samples into the null sink; returns the player (it ends by itself)."""
        player = subprocess.Popen(["pacat", "--playback", "--raw", "--device=stepwick_null", "--format=s16le",
                                   "--rate=%d" % RATE, "--channels=1"], env=self.env, stdin=subprocess.PIPE,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        player.stdin.write(struct.pack("<%dh" % len(samples), *samples))
        player.stdin.close()
        return player

    def capture(self, path):
        """Records the sink's monitor (what the program plays) into path until stopped.

        It asks for 20 ms blocks: through the remapped source alone the null sink runs in blocks
        of about two seconds, and the first second or more of a recording would never arrive."""
        with open(path, "wb") as out:
            return subprocess.Popen(["parec", "--raw", "--latency-msec=20", "--device=stepwick_null.monitor",
                                     "--format=s16le", "--rate=%d" % RATE, "--channels=1"], env=self.env, stdout=out,
                                    stderr=subprocess.DEVNULL)

    def stop(self):
        if self.server.poll() is None:
            self.server.terminate()
            try:
                self.server.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.server.kill()
        self.log.close()


# --- the signal and finding it ----------------------------------------------------------------

def signal(seconds):
    out, n = [], int(seconds * RATE)
    for i in range(n):
        frequency = TONES[int(i / (TONE_SECONDS * RATE)) % 2]
        out.append(int(12000 * math.sin(2 * math.pi * frequency * i / RATE)))
    return out


def share_at(window, frequency):
    """The part of the window's energy that lies at this frequency (Goertzel), 0..1."""
    k = 2 * math.cos(2 * math.pi * frequency / RATE)
    s1 = s2 = 0.0
    energy = 0.0
    for x in window:
        s1, s2 = x + k * s1 - s2, s1
        energy += x * x
    if energy < 1e6:  # silence
        return 0.0
    power = s1 * s1 + s2 * s2 - k * s1 * s2
    return 2 * power / (len(window) * energy)


def tone_runs(samples):
    """[(tone index or None, start second, length in seconds)] over 50 ms windows."""
    step = RATE // 20
    marks = []
    for start in range(0, len(samples) - step, step):
        window = samples[start:start + step]
        shares = [share_at(window, f) for f in TONES]
        best = max(range(len(TONES)), key=lambda t: shares[t])
        marks.append(best if shares[best] > 0.6 else None)
    runs = []
    for i, mark in enumerate(marks):
        if runs and runs[-1][0] == mark:
            runs[-1][2] += 0.05
        else:
            runs.append([mark, i * 0.05, 0.05])
    return runs


def signal_at(samples):
    """The second where one tone is followed by the other, each for most of its 0.6 s, or None."""
    runs = [r for r in tone_runs(samples) if r[0] is not None and r[2] >= 0.35]
    return next((a[1] for a, b in zip(runs, runs[1:]) if a[0] != b[0] and b[1] - (a[1] + a[2]) < 0.2), None)


def holds_signal(samples):
    return signal_at(samples) is not None


def wav_samples(path):
    """(rate, channels, bits, samples) of a plain PCM WAV file."""
    data = path.read_bytes()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("%s is not a WAV file" % path)
    at, fmt, samples = 12, None, None
    while at + 8 <= len(data):
        tag, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        body = data[at + 8:at + 8 + size]
        if tag == b"fmt ":
            fmt = struct.unpack("<HHIIHH", body[:16])
        elif tag == b"data":
            samples = list(struct.unpack("<%dh" % (len(body) // 2), body[:len(body) // 2 * 2]))
        at += 8 + size + (size & 1)
    return fmt[2], fmt[1], fmt[5], samples


def raw_samples(path):
    data = path.read_bytes()
    return list(struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2]))


# --- the program ------------------------------------------------------------------------------

def open_prompts():
    click(find("Task Maker", timeout=30))
    find("Task Maker Main Menu", pyatspi.ROLE_LABEL)
    click(find("Language Customization", pyatspi.ROLE_PUSH_BUTTON))
    option = find(PROMPT_CAPTION, pyatspi.ROLE_RADIO_BUTTON)
    click(option)
    return option


def leave_prompts():
    click(find("Finished", pyatspi.ROLE_PUSH_BUTTON))
    click(find("Main Menu", pyatspi.ROLE_PUSH_BUTTON))
    find("Start", timeout=20)


def cpu_seconds(pid):
    fields = pathlib.Path("/proc/%d/stat" % pid).read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def record_prompt(pulse, folder, pid):
    log("re-recording the prompt from the null sink's monitor")
    open_prompts()
    shot("prompts.png")
    listener = pulse.capture(pathlib.Path(os.devnull))
    player = pulse.play(signal(4.0))
    time.sleep(0.4)
    click(find("Start Recording", pyatspi.ROLE_PUSH_BUTTON))
    meter = find("Microphone level", pyatspi.ROLE_PROGRESS_BAR)
    highest, started, shown, cpu = 0.0, time.time(), False, cpu_seconds(pid)
    while time.time() - started < 2.5:
        highest = max(highest, meter.queryValue().currentValue)
        time.sleep(0.1)
        if time.time() - started > 1.0 and not shown:
            shown = True
            shot("recording.png")
    cpu, wall = cpu_seconds(pid) - cpu, time.time() - started
    click(find("Stop Recording", pyatspi.ROLE_PUSH_BUTTON))
    player.wait(timeout=10)
    listener.terminate()
    listener.wait(timeout=5)
    fd.FIGURES.append("the program while recording with the meter: %.1f%% of a core (%.2f s CPU in %.2f s, AT-SPI "
                      "polling the meter included)" % (100 * cpu / wall, cpu, wall))
    fd.FIGURES.append("level meter while the signal played: up to %d of 100" % highest)
    check(highest > 30, "the level meter moves with the signal (up to %d)" % highest)
    text = fd.message_box(2)
    check(text is None, "no message after the recording" + ("" if text is None else ": " + text))
    if text is not None:
        answer()
    shot("stopped.png")
    check(bool(find_all("Start Recording", pyatspi.ROLE_PUSH_BUTTON)) and not find_all("Stop Recording"),
          "after Stop the recorder shows Start Recording again")
    finished = find("Finished", pyatspi.ROLE_PUSH_BUTTON)
    check(finished.getState().contains(pyatspi.STATE_ENABLED), "Finished can be clicked again")
    rate, channels, bits, samples = wav_samples(folder / PROMPT)
    check((rate, channels, bits) == (RATE, 1, 16), "the prompt is a 16-bit 22050 Hz mono WAV (%d Hz, %d channel(s), "
          "%d bits)" % (rate, channels, bits))
    peak = max(abs(s) for s in samples) / 32768 if samples else 0
    fd.FIGURES.append("recorded prompt: %.2f s, peak %.1f dBFS" %
                      (len(samples) / RATE, 20 * math.log10(peak) if peak > 0 else -math.inf))
    check(len(samples) > RATE, "the recording lasts over a second (%.2f s)" % (len(samples) / RATE))
    check(holds_signal(samples), "the recording holds the signal played into the sink")
    leave_prompts()


def student_run(pulse, folder, work, entry, descriptions):
    log("the student swaps steps 3 and 4; the check says the new prompt")
    click(find("Start"))
    click(find(STUDENT, pyatspi.ROLE_LIST_ITEM))
    click(find("Continue", pyatspi.ROLE_PUSH_BUTTON))
    find("Logged on as Student:", pyatspi.ROLE_LABEL)
    click(find(entry, pyatspi.ROLE_LIST_ITEM, timeout=10))
    fd.press("space")
    click(find("Continue", pyatspi.ROLE_PUSH_BUTTON))
    boxes = {n: find("Box %d" % n, timeout=30) for n in range(1, len(descriptions) + 1)}

    def in_box(step, box):
        px, py = fd.centre(find(descriptions[step - 1], timeout=10))
        b = boxes[box].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return b.x <= px < b.x + b.width and b.y <= py < b.y + b.height

    def place(step, box):
        # A click while a sentence plays (the introduction) is not taken: click again.
        deadline = time.time() + 40
        while time.time() < deadline:
            click(find(descriptions[step - 1], timeout=20))
            time.sleep(1.5)
            if in_box(step, box):
                return True
        return False

    for step, box in ((1, 1), (2, 2), (4, 3)):
        check(place(step, box), "step %d goes into Box %d" % (step, box))
    # The last picture fills the last box and the check begins: from here on the sink's monitor
    # is what the student hears.
    capture_path = work / "heard.raw"
    capture = pulse.capture(capture_path)
    time.sleep(0.3)
    click(find(descriptions[2], timeout=20))
    # The hand takes steps 4 and 3 back out of boxes 3 and 4, then the prompt is said.
    deadline = time.time() + 40
    while time.time() < deadline and (not in_box(4, 3) and not in_box(3, 4)):
        time.sleep(0.2)  # the last picture is still gliding in
    shot("checking.png")
    while time.time() < deadline and (in_box(4, 3) or in_box(3, 4)):
        time.sleep(0.3)
    time.sleep(6.0)  # the prompt is said after the pictures are back
    capture.terminate()
    capture.wait(timeout=5)
    heard = raw_samples(capture_path)
    fd.FIGURES.append("captured %.1f s of the sink while the check ran" % (len(heard) / RATE))
    check(not in_box(4, 3) and not in_box(3, 4), "the check sends the two wrong pictures back")
    at = signal_at(heard)
    check(at is not None, "the student hears the new recording")
    if at is not None:
        fd.FIGURES.append("the new prompt was heard %.1f s after the last picture was clicked" % (at - 0.3))
    for step, box in ((3, 3), (4, 4)):
        check(place(step, box), "then step %d goes into Box %d" % (step, box))
    click(find("Task Selection Menu", timeout=45))
    click(find("Back to Main Menu", pyatspi.ROLE_PUSH_BUTTON, timeout=20))
    find("Start", timeout=20)


def revert_prompt(folder, supplied):
    log("Revert brings the supplied prompt back")
    open_prompts()
    click(find("Revert to the Original Recording", pyatspi.ROLE_PUSH_BUTTON))
    text = fd.message_box(5)
    check(text is not None and "Are you sure you want to revert to the recording supplied by the program" in text,
          "Revert asks first")
    answer("Yes")
    time.sleep(0.5)
    check((folder / PROMPT).read_bytes() == supplied, "the prompt holds the supplied bytes again")
    leave_prompts()


def main():
    for program in ("pulseaudio", "pactl", "pacat", "parec"):
        if shutil.which(program) is None:
            log("SKIP  %s is not installed (Debian packages pulseaudio, pulseaudio-utils)" % program)
            return 77
    work = pathlib.Path(tempfile.mkdtemp(prefix="stepwick-prompt-"))
    home, folder, sound = work / "home", work / "data", work / "pulse"
    home.mkdir()
    sound.mkdir()
    try:
        pulse = OwnPulseAudio(sound)
    except OSError as error:
        log("SKIP  " + str(error))
        shutil.rmtree(work, ignore_errors=True)
        return 77
    os.environ["PULSE_SERVER"] = "unix:%s" % pulse.socket
    shutil.copytree(pathlib.Path(fd.ARGS.build) / "share/stepwick/content", folder)
    supplied = (folder / PROMPT).read_bytes()
    teacher = folder / "teacher.lgn"
    fd.set_line(teacher, 12, 210000)  # calibrated: no first-run measurement
    student = folder / (STUDENT + ".lgn")
    shutil.copyfile(teacher, student)
    for index, value in ((0, 2), (4, 2), (6, 2), (7, 2), (9, 2), (14, 1)):
        fd.set_line(student, index, value)  # click, no reward, no narration, no video, no review, judge at the end
    entry, descriptions = fd.task_entry(folder, TASK)
    xvfb = fd.start_display()
    program = fd.start_program(home, "--app-folder", str(folder))
    try:
        check(fd.main_menu_reached(30) and fd.message_box(1) is None, "the main menu shows")
        record_prompt(pulse, folder, program.pid)
        student_run(pulse, folder, work, entry, descriptions)
        revert_prompt(folder, supplied)
        click(find("Quit"))
        program.wait(timeout=15)
        check(program.returncode == 0, "Quit ends the program")
    except Exception as error:
        check(False, str(error))
    finally:
        fd.wind_up(program, xvfb, work, then=pulse.stop)
    return fd.summary()


if __name__ == "__main__":
    sys.exit(main())
