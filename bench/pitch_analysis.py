"""The pitch report's arithmetic: plain numbers in, numbers out.

Positions are sample positions in the recording (rising edges at sub-sample
precision, as harness.rising_crossings finds them); an asset is one loop of a
tone, N samples holding P square-wave periods."""
import math


def equal_tempered(index):
    """The pitch of the list's note at index (0 = C2, 33 = A4 = 440 Hz)."""
    return 440 * 2 ** ((index - 33) / 12)


def cents(measured, reference):
    return 1200 * math.log2(measured / reference)


def asset_intervals(levels, middle):
    """The distances between the rising edges of a looped asset, in loop order,
    starting with the edge at or after its first sample. The last one ends at
    the first edge of the next loop, so it holds the loop seam (or ends on it)."""
    n = len(levels)
    edges = [i for i in range(n) if levels[i - 1] < middle <= levels[i]]
    return [b - a for a, b in zip(edges, edges[1:] + [edges[0] + n])]


def note_start(edges, period, first=0, steady=8, tolerance=1.5):
    """The index of the first edge from `first` on that begins `steady`
    intervals in a row within the tolerance of the period: where the previous
    note's pattern gives way to this note's."""
    for j in range(first, len(edges) - steady):
        if all(abs(edges[j + i + 1] - edges[j + i] - period) <= tolerance for i in range(steady)):
            return j
    raise ValueError(f"no steady run of {period:.3f}-sample periods")


def mismatches(recorded, asset, m):
    """The indices of the recorded intervals that differ from the asset's
    pattern when the first of them is the asset's interval m."""
    p = len(asset)
    return [i for i, d in enumerate(recorded) if abs(d - asset[(m + i) % p]) > 0.25]


def loop_phase(recorded, asset):
    """Which of the asset's intervals the recorded ones begin with: the rotation
    of the asset's interval pattern that the recorded intervals (a loop's worth)
    match best. The note's first samples may be lost at the switch, so its first
    audible edge need not be the asset's first."""
    return min(range(len(asset)), key=lambda m: len(mismatches(recorded, asset, m)))


def seams(edges, first, asset, end):
    """The loop seams of a note whose first audible edge is edges[first], up to
    sample position `end`. Returns which of the asset's intervals the note's
    first audible one is, the seams, and how many intervals away from the seams
    differ from the asset's pattern (dropouts of the sound path).

    For each seam: the edge where the loop starts again, the intervals before
    and after that edge (the asset's own are asset[-1] and asset[0]), the
    distance from the previous loop's start edge (the loop's length, N, when
    nothing is added; for the first seam, from the first audible edge), and the
    gap: how much longer the two intervals around the seam are than the
    asset's own."""
    p, n = len(asset), sum(asset)
    intervals = [b - a for a, b in zip(edges, edges[1:])]
    m = loop_phase(intervals[first:first + p], asset)
    found, seam_intervals = [], set()
    previous, expected = first, n - sum(asset[:m])
    seam = first + p - m
    while seam + 1 < len(edges) and edges[seam + 1] < end:
        before, after = intervals[seam - 1], intervals[seam]
        found.append({
            "position": edges[seam],
            "before": before,
            "after": after,
            "distance": edges[seam] - edges[previous],
            "expected_distance": expected,
            "gap": before + after - asset[-1] - asset[0],
        })
        seam_intervals |= {seam - 1 - first, seam - first}
        previous, expected = seam, n
        seam += p
    checked = intervals[first:previous + 1]
    elsewhere = [i for i in mismatches(checked, asset, m) if i not in seam_intervals]
    return m, found, len(elsewhere)
