#!/usr/bin/python3
"""The pitch of all 41 notes as the real program sounds them.

Runs build/Sonivel.exe under wine in a test session (scripts/session), switches
the tone on, steps through the note list from C2 to E5 and records the whole run
from the null sink once. Writes to build/bench/:

  pitch.md, pitch.tsv  each note's measured pitch against the looped asset's
                       (P periods in N samples: P x 44100 / N) and against
                       equal temperament, in cents
  pitch.png            those errors per note, with the +-0.1 cent target band
  seams.md             the rising-edge intervals around the loop seams of
                       C2, A4 and E5: whether the player adds a gap there
  pitch.raw            the recording: 16-bit mono at 44100 Hz
  pitch-program.log    the program's output under wine

Missing the target is reported, not an error: the exit status is non-zero only
when the run itself fails.

    SONIVEL_WINEPREFIX=/tmp/pitch-prefix scripts/session run build/bench/pitch-session \\
        /usr/bin/python3 bench/pitch_report.py
"""
import os
import subprocess
import sys
import time
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import harness  # noqa: E402
import pitch_analysis as pa  # noqa: E402

OUT = os.path.join(ROOT, "build", "bench")
RATE = harness.RATE
HOLD = 2.2             # seconds per note
SEAM_HOLD = 4.6        # the seam notes' loops last about a second: four seams
SEAM_NOTES = ("C2", "A4", "E5")
WINDOW = (0.5, 1.8)    # the pitch is measured this long after each note's key
TARGET = 0.1           # cents from P x 44100 / N


def note_list():
    """(asset id, name, P, N) per note, in list order, from the asset generator."""
    listing = subprocess.run([os.path.join(ROOT, "build", "host", "tools", "gen_tones"), "--list"],
                             capture_output=True, text=True, check=True).stdout
    notes = []
    for line in listing.splitlines():
        asset, name, _, periods, samples = line.split()
        notes.append((int(asset), name, int(periods), int(samples)))
    return notes


def asset_levels(asset):
    """The samples of a built tone asset: 8-bit unsigned, 128 the middle."""
    with wave.open(os.path.join(ROOT, "build", "tones", f"{asset}.wav")) as w:
        return w.readframes(w.getnframes())


def record_run(notes):
    """Plays every note in list order and records it. Returns the recording and
    the times of the keys: each note's, then the one that switched the tone off."""
    env = harness.session_env()
    holds = [SEAM_HOLD if name in SEAM_NOTES else HOLD for _, name, _, _ in notes]
    with harness.Sonivel(env, log_path=os.path.join(OUT, "pitch-program.log")) as app:
        time.sleep(1)
        with harness.Recorder(env, os.path.join(OUT, "pitch.raw")) as rec:
            app.key("Return")                     # On: the focus starts on On/Off
            time.sleep(1)
            keys = [app.key("Tab", "Home")]       # the note list, its first note
            for hold in holds[:-1]:
                time.sleep(hold)
                keys.append(app.key("Down"))
            time.sleep(holds[-1])
            off = app.key("Return")               # Enter in the list is On/Off too
            time.sleep(1)
            app.key("Escape")
            if not app.process.wait(15):
                raise RuntimeError("Esc did not end the program")
    return rec.timeline(off), keys + [off]


def measure_pitch(timeline, notes, keys):
    """Each note's pitch over the window after its key, against its references."""
    rows = []
    for index, ((asset, name, periods, samples), key) in enumerate(zip(notes, keys)):
        window = timeline.between(key + WINDOW[0], key + WINDOW[1])
        looped = periods * RATE / samples
        measured, dropouts = harness.pitch_from_edges(harness.rising_crossings(window), RATE)
        rows.append({
            "index": index, "note": name, "asset": asset, "P": periods, "N": samples,
            "equal_tempered": pa.equal_tempered(index), "looped": looped, "measured": measured,
            "cents_looped": pa.cents(measured, looped),
            "cents_equal": pa.cents(measured, pa.equal_tempered(index)),
            "dropouts": dropouts,
        })
    return rows


def measure_seams(timeline, notes, keys):
    """The seams of each seam note, between its key and the next one."""
    margin = RATE // 10   # the previous note is still sounding this long before the key
    results = []
    for (asset, name, periods, samples), key, next_key in zip(notes, keys, keys[1:]):
        if name not in SEAM_NOTES:
            continue
        key_at = timeline.sample_at(key)
        offset = key_at - margin
        segment = timeline.samples[offset:timeline.sample_at(next_key)]
        edges = harness.rising_crossings(segment)
        first = pa.note_start(edges, samples / periods)
        intervals = pa.asset_intervals(asset_levels(asset), 128)
        m, found, elsewhere = pa.seams(edges, first, intervals, len(segment) - margin)
        results.append({"note": name, "P": periods, "N": samples, "key": key_at, "offset": offset,
                        "first": offset + edges[first], "phase": m, "seams": found,
                        "elsewhere": elsewhere, "asset_before": intervals[-1],
                        "asset_after": intervals[0]})
    return results


def seam_verdict(seams):
    gaps = [s["gap"] for s in seams]
    if all(abs(g) < 0.5 for g in gaps):
        return "no gap"
    return "gap of ~" + ", ".join(f"{g:g}" for g in gaps) + " samples"


COLUMNS = [("index", "#", "d"), ("note", "note", "s"), ("equal_tempered", "equal-tempered Hz", ".5f"),
           ("P", "P", "d"), ("N", "N", "d"), ("looped", "P x 44100 / N Hz", ".5f"),
           ("measured", "measured Hz", ".5f"), ("cents_looped", "cents vs P x 44100 / N", "+.4f"),
           ("cents_equal", "cents vs equal temperament", "+.4f"),
           ("dropouts", "intervals left out", "d")]


def write_pitch_tables(rows, summary):
    with open(os.path.join(OUT, "pitch.tsv"), "w") as f:
        f.write("\t".join(key for key, _, _ in COLUMNS) + "\n")
        for row in rows:
            f.write("\t".join(format(row[key], fmt.lstrip("+")) for key, _, fmt in COLUMNS) + "\n")
    resolution = pa.cents(1 + 1 / ((WINDOW[1] - WINDOW[0]) * RATE), 1)
    with open(os.path.join(OUT, "pitch.md"), "w") as f:
        f.write("# Pitch of the 41 notes through the real program\n\n"
                f"Recorded from the null sink at {RATE} Hz; each note's pitch is measured from "
                f"{WINDOW[0]} s to {WINDOW[1]} s after its key, from the intervals between rising "
                f"zero crossings (one sample over that window is {resolution:.4f} cent). "
                "A square wave's intervals are all within a sample of its period; the intervals "
                "further than 1.5 samples from their median are left out: dropouts of the sound "
                "path, which put silence in place of part of a period. "
                f"Target: within {TARGET} cent of P x 44100 / N.\n\n"
                f"{summary}\n\n")
        f.write("| " + " | ".join(title for _, title, _ in COLUMNS) + " |\n")
        f.write("|" + "|".join("---" if fmt == "s" else "---:" for _, _, fmt in COLUMNS) + "|\n")
        for row in rows:
            f.write("| " + " | ".join(format(row[key], fmt) for key, _, fmt in COLUMNS) + " |\n")


def plot(rows):
    """The errors in cents per note, from pitch.tsv, with the target band."""
    tics = ", ".join(f'"{row["note"]}" {row["index"]}' for row in rows)
    script = f"""
set terminal pngcairo size 1200,600
set output "{os.path.join(OUT, 'pitch.png')}"
set title "Measured pitch of each note, through the real program"
set ylabel "error (cents)"
set xrange [-1:41]
set xtics ({tics}) rotate by 90 right
set yrange [*<-{1.5 * TARGET}:{1.5 * TARGET}<*]
set grid ytics
set key top right
set object 1 rectangle from graph 0, first -{TARGET} to graph 1, first {TARGET} behind
set object 1 fillcolor rgb "#d8ecd8" fillstyle solid 1.0 noborder
set label 1 "target: within {TARGET} cent of P x 44100 / N" at graph 0.01, first {TARGET} offset 0, 0.8
set datafile separator "\\t"
plot "{os.path.join(OUT, 'pitch.tsv')}" using "index":"cents_looped" with linespoints pt 7 \\
         title "measured vs P x 44100 / N", \\
     "" using "index":"cents_equal" with linespoints pt 6 title "measured vs equal temperament"
"""
    subprocess.run(["gnuplot"], input=script, text=True, check=True)


def write_seams(results):
    with open(os.path.join(OUT, "seams.md"), "w") as f:
        f.write("# Loop seams through the real program\n\n"
                "Each asset holds P whole periods in N samples and starts on a rising edge, so "
                "while a note loops, a rising edge falls on every loop start. Below, for the "
                "rising edge at each loop start after the note's first audible edge: the interval "
                "before it and after it (the asset's own in brackets; T = N / P), its distance "
                "from the previous loop start's edge (N when the player adds nothing; for the "
                "first seam, from the first audible edge), and the gap: how much longer the two "
                "intervals around the seam are than the asset's. Positions are sample positions "
                "in pitch.raw.\n")
        for r in results:
            seams = r["seams"]
            f.write(f"\n## {r['note']}: P = {r['P']}, N = {r['N']}, T = {r['N'] / r['P']:.3f}: "
                    f"{seam_verdict(seams)}\n\n"
                    f"The note's first audible rising edge is at {r['first']:.1f}, "
                    f"{(r['first'] - r['key']) / RATE * 1000:.1f} ms after its key as the key maps "
                    f"into the recording; it is the asset's edge {r['phase']}, counting the loop "
                    "start as edge 0. Intervals away from the seams that differ from the "
                    f"asset's: {r['elsewhere']}.\n\n"
                    "| seam | position | interval before | interval after | distance from previous "
                    "loop start | gap |\n|---:|---:|---:|---:|---:|---:|\n")
            for k, s in enumerate(seams, 1):
                f.write(f"| {k} | {r['offset'] + s['position']:.1f} | {s['before']:g} "
                        f"({r['asset_before']}) | {s['after']:g} ({r['asset_after']}) | "
                        f"{s['distance']:g} ({s['expected_distance']}) | {s['gap']:g} |\n")


def main():
    os.makedirs(OUT, exist_ok=True)
    notes = note_list()
    started = time.monotonic()
    timeline, keys = record_run(notes)

    rows = measure_pitch(timeline, notes, keys)
    worst_looped = max(rows, key=lambda r: abs(r["cents_looped"]))
    worst_equal = max(rows, key=lambda r: abs(r["cents_equal"]))
    within = sum(abs(r["cents_looped"]) <= TARGET for r in rows)
    dropouts = [r["note"] for r in rows if r["dropouts"]]
    summary = (f"Within {TARGET} cent of P x 44100 / N: {within} of {len(rows)} notes. "
               f"Largest error vs P x 44100 / N: {worst_looped['cents_looped']:+.4f} cent "
               f"({worst_looped['note']}); vs equal temperament: "
               f"{worst_equal['cents_equal']:+.4f} cent ({worst_equal['note']}). "
               f"Notes with dropouts left out: {', '.join(dropouts) or 'none'}.")
    write_pitch_tables(rows, summary)
    plot(rows)

    seams = measure_seams(timeline, notes, keys)
    write_seams(seams)

    print(summary)
    for r in seams:
        intervals = ", ".join(f"{s['before']:g}/{s['after']:g}" for s in r["seams"])
        print(f"Seams of {r['note']}: {seam_verdict(r['seams'])} at {len(r['seams'])} seams; "
              f"intervals before/after each: {intervals} (T = {r['N'] / r['P']:.3f})")
    print(f"Run took {time.monotonic() - started:.0f} s; tables and plot in {OUT}")


if __name__ == "__main__":
    main()
