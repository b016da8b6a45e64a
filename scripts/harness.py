"""Runs the real Sonivel.exe the way a user meets it, inside a test session
(scripts/session): a window on the virtual display, keys pressed with xdotool,
the sound recorded from the null sink's monitor.

Every process started here is stopped by its own PID, also when a check fails.
"""
import array
import os
import re
import signal
import statistics
import subprocess
import time
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RATE = 44100
# WINEDLLOVERRIDES for a machine without any sound driver.
NO_SOUND_DRIVER = "mscoree,mshtml=;winepulse.drv,winealsa.drv,wineoss.drv=d"


def session_env(session_dir=None):
    """The environment of the session: the project's wine prefix, its display and sound server."""
    session_dir = session_dir or os.environ.get("SONIVEL_SESSION")
    if not session_dir:
        raise RuntimeError("no test session: run inside scripts/session (SONIVEL_SESSION is not set)")
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": os.environ.get("SONIVEL_WINEPREFIX", os.path.expanduser("~/.cache/sonivel/wine")),
        "WINEARCH": "win32",
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
    })
    with open(os.path.join(session_dir, "env")) as f:
        for line in f:
            m = re.match(r"(?:export )?(\w+)=(.*)", line.strip())
            if m:
                env[m.group(1)] = m.group(2)
    return env


def windows(env, pattern):
    """The visible windows whose name matches the pattern, as X window ids."""
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern], env=env,
                          capture_output=True, text=True).stdout.split()


def wait_until(condition, timeout=10, step=0.1):
    """Polls until the condition holds; returns whether it did in time."""
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(step)
    return True


class Process:
    """A background process, stopped by its PID."""

    def __init__(self, args, env, log_path=None, **kwargs):
        self.log = open(log_path or os.devnull, "wb")
        self.proc = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=self.log,
                                     stderr=subprocess.STDOUT, start_new_session=True, **kwargs)
        self.pid = self.proc.pid

    def running(self):
        return self.proc.poll() is None

    def wait(self, timeout):
        try:
            self.proc.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def stop(self):
        if self.running():
            try:
                os.kill(self.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            if not self.wait(5):
                os.kill(self.pid, signal.SIGKILL)
                self.proc.wait()
        self.log.close()


class Sonivel:
    """The program under wine, with its window found on the session's display."""

    def __init__(self, env, exe=None, log_path=None, extra_env=None):
        self.env = dict(env, **(extra_env or {}))
        self.exe = exe or os.path.join(ROOT, "build", "Sonivel.exe")
        self.log_path = log_path
        self.process = None
        self.window = None

    def __enter__(self):
        self.process = Process(["wine", self.exe], self.env, self.log_path)
        self.window = self.find_window("^Sonivel$")
        return self

    def __exit__(self, *exc):
        if self.process:
            self.process.stop()

    def find_window(self, pattern, timeout=30, other_than=()):
        """A visible window of the session whose name matches, other than those given."""
        found = []

        def appeared():
            if not self.process.running():
                raise RuntimeError(f"{self.exe} ended before its window appeared")
            found[:] = [w for w in windows(self.env, pattern) if w not in other_than]
            return bool(found)

        if not wait_until(appeared, timeout, 0.2):
            raise RuntimeError(f"no visible window named {pattern} within {timeout} s")
        return found[0]

    def key(self, *keys, window=None):
        """Presses keys in the dialog (or another window); returns the time just after."""
        subprocess.run(["xdotool", "key", "--window", window or self.window, *keys], env=self.env, check=True)
        return time.monotonic()

    def click(self, window, x, y):
        """Clicks the window at a point of its own."""
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"],
                       env=self.env, check=True)

    def screenshot(self, path):
        subprocess.run(["import", "-window", self.window, path], env=self.env, check=True)


class Recorder:
    """Records the null sink's monitor: 16-bit mono at 44100 Hz.

    An idle null sink delivers nothing to its monitor, so a silent stream keeps
    it running while recording; and the recorder takes a second or more before
    its first data arrives, so recording counts as started only then. Times are
    mapped to samples from the moment the sound stopped: the key that stopped it
    and the last audible sample."""

    def __init__(self, env, path):
        self.env, self.path = env, path

    def __enter__(self):
        self.silence = Process(["pacat", "--playback", "-d", "null", "--format=s16le", "--channels=1",
                                f"--rate={RATE}", "--raw", "/dev/zero"], self.env)
        self.process = Process(["parec", "-d", "null.monitor", "--format=s16le", "--channels=1",
                                f"--rate={RATE}", "--raw", "--latency-msec=20", self.path], self.env)
        deadline = time.monotonic() + 20
        while not os.path.exists(self.path) or os.path.getsize(self.path) < RATE // 5:
            if time.monotonic() > deadline or not self.process.running():
                self.__exit__()
                raise RuntimeError("the recorder delivered no data")
            time.sleep(0.05)
        return self

    def __exit__(self, *exc):
        self.process.stop()
        self.silence.stop()

    def samples(self):
        data = array.array("h")
        with open(self.path, "rb") as f:
            data.frombytes(f.read())
        return data

    def timeline(self, sound_stopped_at):
        """The recording, with times mapped to samples: the sound stopped at the
        given (monotonic) time, just after the last audible sample."""
        return Timeline(self.samples(), sound_stopped_at)


class Timeline:
    AUDIBLE = 300  # about 1 % of full scale; the tones peak near 7 %

    def __init__(self, samples, stop_time):
        self.samples = samples
        self.stop_time = stop_time
        last = next((i for i in range(len(samples) - 1, -1, -1) if abs(samples[i]) > self.AUDIBLE), None)
        if last is None:
            raise AssertionError("the recording holds no sound at all")
        self.stop = last + 1

    def sample_at(self, t):
        return self.stop + int(round((t - self.stop_time) * RATE))

    def between(self, start, end):
        """The samples recorded between two monotonic times."""
        first, last = self.sample_at(start), self.sample_at(end)
        if first < 0:
            raise AssertionError(f"the recording starts {-first / RATE:.2f} s too late")
        if last > len(self.samples):
            raise AssertionError(f"the recording ends {(last - len(self.samples)) / RATE:.2f} s too early")
        return self.samples[first:last]


def rising_crossings(samples):
    """Sub-sample positions where the signal rises through zero."""
    positions = []
    for i in range(1, len(samples)):
        a, b = samples[i - 1], samples[i]
        if a < 0 <= b:
            positions.append(i - 1 + (-a) / (b - a))
    return positions


def pitch_from_edges(edges, rate=RATE, tolerance=1.5):
    """The pitch in Hz from the intervals between rising edges, and how many
    intervals it leaves out: those further than the tolerance (in samples) from
    their median. A square wave of period T has intervals of floor(T) and
    ceil(T) only; anything else is a dropout of the sound path, which replaces
    part of a period with silence and can lengthen an interval by only a few
    samples, yet shifts every later edge."""
    intervals = [b - a for a, b in zip(edges, edges[1:])]
    if len(intervals) < 10:
        return 0.0, len(intervals)
    median = statistics.median(intervals)
    kept = [d for d in intervals if abs(d - median) <= tolerance]
    return rate * len(kept) / sum(kept), len(intervals) - len(kept)


def pitch(samples, rate=RATE):
    """The pitch in Hz of a recorded tone, from its rising zero crossings."""
    return pitch_from_edges(rising_crossings(samples), rate)[0]


def peak(samples):
    """The largest magnitude, as a fraction of full scale."""
    return max((abs(s) for s in samples), default=0) / 32768


def write_wav(samples, path):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())
