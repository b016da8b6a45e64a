#!/usr/bin/python3
"""End to end: the real build/Sonivel.exe under wine on the session's display,
keys pressed in its window, its sound recorded from the null sink."""
import os
import re
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import harness  # noqa: E402

A4 = 439 * 44100 / 44000     # the looped A4 asset: P x 44100 / N
A_SHARP_4 = 466 * 44100 / 44085
PLAY_SOUND = re.compile(r"MULTIMEDIA_PlaySound pszSound='([0-9A-F]+)' hmod=([0-9A-F]+) fdwSound=([0-9A-F]+)")


class ToneOnAndOff(unittest.TestCase):
    def test_enter_sounds_a4_a_note_change_switches_enter_again_is_silence_esc_ends(self):
        env = harness.session_env()
        work = tempfile.mkdtemp(prefix="sonivel-e2e-")
        log = os.path.join(work, "program.log")
        with harness.Sonivel(env, log_path=log, extra_env={"WINEDEBUG": "-all,trace+winmm"}) as app:
            time.sleep(1)
            with harness.Recorder(env, os.path.join(work, "sound.raw")) as rec:
                on = app.key("Return")           # the focus starts on On/Off
                time.sleep(2)
                switched = app.key("Tab", "Down")  # to the note list, one note up: A#4
                time.sleep(2)
                off = app.key("Return")          # Enter in the list is On/Off too
                time.sleep(1.5)
                app.key("Escape")
                self.assertTrue(app.process.wait(15), "Esc ends the program")

        sound = rec.timeline(off)
        a4 = sound.between(on + 0.5, on + 1.5)
        a_sharp_4 = sound.between(switched + 0.5, switched + 1.5)
        silence = sound.between(off + 0.3, off + 1.3)
        self.assertAlmostEqual(harness.pitch(a4), A4, delta=0.25)
        self.assertAlmostEqual(harness.pitch(a_sharp_4), A_SHARP_4, delta=0.25)
        self.assertGreater(harness.peak(a4), 0.05)
        self.assertLess(harness.peak(silence), 0.001)

        # The platform calls the program made, as wine traced them: stop and loop
        # A4 (245), stop and loop A#4 (246) from the program's own module, stop.
        with open(log, errors="replace") as f:
            calls = [(int(s, 16), int(m, 16), int(fl, 16)) for s, m, fl in PLAY_SOUND.findall(f.read())]
        module = calls[1][1]
        self.assertNotEqual(module, 0)
        self.assertEqual(calls, [(0, 0, 1), (245, module, 0x4000D), (0, 0, 1), (246, module, 0x4000D), (0, 0, 1)])


if __name__ == "__main__":
    unittest.main(verbosity=2)
