"""Runs Sonivel headless inside a test session: shows the dialog, presses On/Off,
and leaves build/demo/window.png and a three-second recording build/demo/A4.wav."""
import os
import sys
import time

import harness

out = os.path.join(harness.ROOT, "build", "demo")
os.makedirs(out, exist_ok=True)
env = harness.session_env()

with harness.Sonivel(env) as app:
    time.sleep(1)
    app.screenshot(os.path.join(out, "window.png"))
    with harness.Recorder(env, os.path.join(out, "sound.raw")) as rec:
        on = app.key("Return")
        time.sleep(4)
        off = app.key("Return")
        time.sleep(0.5)
    app.key("Escape")
    app.process.wait(15)

a4 = rec.timeline(off).between(on + 0.5, on + 3.5)
harness.write_wav(a4, os.path.join(out, "A4.wav"))
os.remove(os.path.join(out, "sound.raw"))
print(f"build/demo/window.png: the dialog; build/demo/A4.wav: 3 s of A4 at {harness.pitch(a4):.3f} Hz")
sys.exit(0)
