#!/usr/bin/python3
"""End to end: the volume calls the real program makes, as wine traces them,
with the default sound device and with no sound driver at all."""
import os
import re
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import harness  # noqa: E402

OPEN = re.compile(r"waveOutOpen \((\w+), (\d+), (\w+), (\w+), (\w+), (\w+)\)")
GET = re.compile(r"waveOutGetVolume \((\w+), (\w+)\)")
SET = re.compile(r"waveOutSetVolume \((\w+), (\w+)\)")
PLAY = re.compile(r"MULTIMEDIA_PlaySound pszSound='(\w+)'")


def run_program(extra_env):
    """Runs the program, works every control by key, and returns wine's trace."""
    env = harness.session_env()
    log = os.path.join(tempfile.mkdtemp(prefix="sonivel-e2e-"), "program.log")
    with harness.Sonivel(env, log_path=log, extra_env=dict(extra_env, WINEDEBUG="-all,trace+winmm")) as app:
        time.sleep(1)
        app.key("Return")                  # On: A4
        time.sleep(0.5)
        app.key("Tab", "Down")             # the note list: A#4
        time.sleep(0.5)
        app.key("Tab", "End")              # the slider, to full scale
        time.sleep(0.5)
        app.key("Home")                    # to silence
        time.sleep(0.3)
        app.key("Right")                   # one step up
        time.sleep(0.3)
        app.key("Return")                  # Off
        time.sleep(0.3)
        app.key("Escape")
        ended = app.process.wait(15)
    with open(log, errors="replace") as f:
        return ended, f.read()


class VolumeCalls(unittest.TestCase):
    def check(self, trace, expected_handle=None):
        # The program's own open: the default device, no callback. (The sound
        # player makes opens of its own, with a callback.)
        opens = [m for m in OPEN.findall(trace) if m[3] == "0"]
        self.assertEqual(len(opens), 1, "the device is opened once")
        self.assertEqual(opens[0][1], str(0xFFFFFFFF))           # WAVE_MAPPER
        self.assertEqual(opens[0][3:], ("0", "0", "00000000"))   # no callback, CALLBACK_NULL
        reads = GET.findall(trace)
        self.assertEqual(len(reads), 1, "the level is read once")
        handle = reads[0][0]
        if expected_handle is not None:
            self.assertEqual(handle, expected_handle)

        levels = [int(level, 16) for h, level in SET.findall(trace)]
        self.assertTrue(all(h == handle for h, _ in SET.findall(trace)), "every set goes to the opened handle")
        self.assertTrue(all(v >> 16 == v & 0xFFFF for v in levels), [hex(v) for v in levels])
        for level in (0xFFFFFFFF, 0x00000000, 0x00010001):  # End, Home, Right
            self.assertIn(level, levels)
        self.assertEqual(levels[-1], 0x00010001)
        self.assertEqual(PLAY.findall(trace), ["00000000", "000000F5", "00000000", "000000F6", "00000000"])
        return levels

    def test_with_the_default_device(self):
        ended, trace = run_program({})
        self.assertTrue(ended, "Esc ends the program")
        levels = self.check(trace)
        # Under wine a mono stream reports its level in the low word only, so
        # the slider starts at the high word, 0, and the first paint sets 0.
        self.assertEqual(levels[0], 0)

    def test_with_no_sound_driver_every_control_still_works(self):
        ended, trace = run_program({"WINEDLLOVERRIDES": harness.NO_SOUND_DRIVER})
        self.assertTrue(ended, "Esc ends the program")
        levels = self.check(trace, expected_handle="00000000")
        self.assertEqual(levels[0], 0xFFFFFFFF, "full scale when the level could not be read")


if __name__ == "__main__":
    unittest.main(verbosity=2)
