#!/usr/bin/python3
"""End to end: the About box and the help notice of the real program, opened by
keys; the shell asked once per link click (wine's trace); the tone playing on."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import harness  # noqa: E402

A4 = 439 * 44100 / 44000
SHELL = re.compile(r'ShellExecuteA (\w+),(.*?),"(.*?)",(.*?),(.*?),(\d+)')
PLAY = re.compile(r"MULTIMEDIA_PlaySound pszSound='(\w+)'")
SCREENS = os.path.join(harness.ROOT, "build", "screens")  # looked at by a person


def screenshot(env, window, name):
    os.makedirs(SCREENS, exist_ok=True)
    subprocess.run(["import", "-window", window, os.path.join(SCREENS, name)], env=env, check=True)


class AboutAndHelp(unittest.TestCase):
    def test_about_box_links_and_help_notice_with_the_tone_playing_on(self):
        env = harness.session_env()
        work = tempfile.mkdtemp(prefix="sonivel-e2e-")
        log = os.path.join(work, "program.log")
        extra = {"WINEDEBUG": "-all,trace+exec,trace+winmm",
                 # The shell is asked, but no browser is started.
                 "WINEDLLOVERRIDES": "mscoree,mshtml=;winebrowser.exe=d"}
        with harness.Sonivel(env, log_path=log, extra_env=extra) as app:
            def shown(pattern):
                return harness.windows(env, pattern)

            def notice():  # the help notice has the main dialog's caption
                return app.find_window("^Sonivel$", timeout=10, other_than=[app.window])

            time.sleep(1)
            with harness.Recorder(env, os.path.join(work, "sound.raw")) as rec:
                app.key("Return")                          # the tone is on
                time.sleep(0.5)
                app.key("alt+space")                       # the system menu...
                time.sleep(0.5)
                app.key("Up", "Return")                    # ...its last item, About
                about = app.find_window("^About Sonivel$")
                time.sleep(0.5)
                screenshot(env, about, "about.png")
                app.key("Tab", "space", window=about)      # the author's page
                time.sleep(0.5)
                app.key("Tab", "space", window=about)      # the publisher's page
                time.sleep(0.5)
                self.assertEqual(shown("^About Sonivel$"), [about], "the box stays open")

                app.key("F1", window=about)
                box = notice()
                time.sleep(0.5)
                screenshot(env, box, "notice.png")
                app.key("Return", window=box)
                self.assertTrue(harness.wait_until(lambda: shown("^Sonivel$") == [app.window]), "dismissed")
                self.assertEqual(shown("^About Sonivel$"), [about], "the About box is still open")
                app.click(about, 5, 5)                     # back to the box, as the user would
                time.sleep(0.3)
                app.key("Escape", window=about)
                self.assertTrue(harness.wait_until(lambda: not shown("^About Sonivel$")), "Esc closes it")

                app.key("shift+F1")
                time.sleep(1.5)
                self.assertEqual(shown("^Sonivel$"), [app.window], "Shift+F1 shows nothing")
                app.key("F1")
                box = notice()
                app.key("Return", window=box)
                self.assertTrue(harness.wait_until(lambda: shown("^Sonivel$") == [app.window]), "dismissed")
                time.sleep(1.5)
                off = app.key("Return")
                time.sleep(1)
            app.key("Escape")
            self.assertTrue(app.process.wait(15))

        tail = rec.timeline(off).between(off - 1.3, off - 0.3)
        self.assertAlmostEqual(harness.pitch(tail), A4, delta=0.25, msg="the tone plays on throughout")
        with open(log, errors="replace") as f:
            trace = f.read()
        self.assertEqual(PLAY.findall(trace), ["00000000", "000000F5", "00000000"], "nothing stopped the tone")
        calls = [(hwnd, verb, url, params, directory, int(show)) for hwnd, verb, url, params, directory, show
                 in SHELL.findall(trace)]
        music, site = calls[0][2], calls[1][2] if len(calls) > 1 else None
        self.assertEqual(calls, [("00000000", "(null)", music, "(null)", "(null)", 1),
                                 ("00000000", "(null)", site, "(null)", "(null)", 1)])
        self.assertRegex(music, r"^http://[a-z.]+\.example$")
        self.assertRegex(site, r"^http://[a-z.]+\.example$")
        self.assertNotEqual(music, site)


if __name__ == "__main__":
    unittest.main(verbosity=2)
