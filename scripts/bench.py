"""Runs every benchmark inside a test session and writes build/bench/report.md:
the asset renderer, the program's size, start-up against a bare program, the
handlers' cost, a soak, and the pitch of all 41 notes through the real program.

    bench.py [--soak SECONDS] [--startup-runs N]
"""
import argparse
import os
import re
import statistics
import subprocess
import sys

import harness

BUILD = os.path.join(harness.ROOT, "build")
OUT = os.path.join(BUILD, "bench")
WINE_RUN = os.path.join(harness.ROOT, "scripts", "wine-run")


def run(args, env=None):
    print("+", " ".join(args), flush=True)
    done = subprocess.run(args, env=env, capture_output=True, text=True)
    if done.returncode != 0:
        sys.stderr.write(done.stdout + done.stderr)
        raise SystemExit(f"{args[0]} failed")
    return done.stdout


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def renderer():
    out = run([os.path.join(BUILD, "host", "bench", "render_bench"), "--benchmark_repetitions=5",
               "--benchmark_report_aggregates_only=true"])
    median = float(re.search(r"RenderAllAssets_median\s+([\d.]+) ms", out).group(1))
    return [f"| Rendering all 41 assets (median of 5) | {median:.1f} ms | under 20 ms | "
            f"{'met' if median < 20 else 'MISSED'} |"]


def size():
    exe = os.path.getsize(os.path.join(BUILD, "Sonivel.exe"))
    tones = sum(os.path.getsize(os.path.join(BUILD, "tones", f"{i}.wav")) for i in range(212, 253))
    limit = 2 * 1024 * 1024
    return [f"| build/Sonivel.exe | {exe:,} bytes | at most {limit:,} | {'met' if exe <= limit else 'MISSED'} |",
            f"| ... of which not tone data | {exe - tones:,} bytes (tone data {tones:,}) | | |"]


def startup(runs, env):
    """Sonivel against the bare program, interleaved; and, to tell the platform's
    share from the program's, against the bare program that also opens the
    sound device, and all three without a sound driver."""
    timer = os.path.join(BUILD, "win", "bench", "startup_timer.exe")
    bare = windows_path(os.path.join(BUILD, "win", "bench", "bare_dialog.exe"))
    programs = [windows_path(os.path.join(BUILD, "Sonivel.exe")), bare, bare + " --open-device"]
    rows = []
    for label, extra in (("", {}), (", no sound driver", {"WINEDLLOVERRIDES": harness.NO_SOUND_DRIVER})):
        out = run([WINE_RUN, timer, str(runs), *programs], env=dict(env, **extra))
        times = {}
        for line in out.splitlines():
            index, ms = line.split()
            times.setdefault(int(index), []).append(float(ms))
        sonivel, floor, with_device = (statistics.median(times[i]) for i in range(3))
        ratio = sonivel / floor
        rows.append(f"| Start-up to visible window{label} (medians of {runs} interleaved runs) | "
                    f"Sonivel {sonivel:.1f} ms, bare {floor:.1f} ms: ratio {ratio:.2f} | at most 1.10 | "
                    f"{'met' if ratio <= 1.10 else 'MISSED'} |")
        rows.append(f"| ... bare program that also opens the sound device{label} | {with_device:.1f} ms: "
                    f"Sonivel / this {sonivel / with_device:.2f} | | |")
    return rows


def handlers(env):
    bench = os.path.join(BUILD, "win", "bench", "handler_bench.exe")
    rows = []
    for label, args in (("", []), (" (platform calls stubbed)", ["--without-platform"])):
        for line in run([WINE_RUN, bench, *args], env=env).splitlines():
            m = re.match(r"(.+?)\s+median\s+([\d.]+) us\s+p95\s+([\d.]+) us", line)
            if m:
                median, p95 = float(m.group(2)), float(m.group(3))
                verdict = ("met" if median <= 1000 else "MISSED") if not args else ""
                rows.append(f"| {m.group(1)}{label} | median {median:.0f} us, p95 {p95:.0f} us | "
                            f"{'median at most 1 ms' if not args else ''} | {verdict} |")
    return rows


def soak(seconds, env):
    out = run([WINE_RUN, os.path.join(BUILD, "win", "bench", "handler_bench.exe"), "--soak", str(seconds)], env=env)
    return [f"    {line}" for line in out.splitlines()]


def pitch(env):
    out = run(["/usr/bin/python3", os.path.join(harness.ROOT, "bench", "pitch_report.py")], env=env)
    return [f"    {line}" for line in out.splitlines() if line.strip()]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--soak", type=int, default=int(os.environ.get("SOAK_SECONDS", 60)))
    parser.add_argument("--startup-runs", type=int, default=12)
    args = parser.parse_args()
    os.makedirs(OUT, exist_ok=True)
    env = harness.session_env()

    table = ["| Measure | Figure | Target | |", "|---|---|---|---|"]
    table += renderer() + size() + startup(args.startup_runs, env) + handlers(env)
    report = ["# Sonivel benchmarks", "", *table, "",
              f"## Soak ({args.soak} s)", "", *soak(args.soak, env), "",
              "## Pitch of all 41 notes (details: pitch.md, seams.md, pitch.png)", "", *pitch(env), ""]
    with open(os.path.join(OUT, "report.md"), "w") as f:
        f.write("\n".join(report))
    print("\n".join(report))


if __name__ == "__main__":
    main()
