#!/usr/bin/env python3
"""Checks a rewrite of the replay expectations (tests/replays/**/*.expect)
against an earlier commit: the only changes allowed are

  * `stop CUE` lines of cues that were not sounding removed: a looped cue is
    sounding from its `play` to its `stop`, a one-shot cue for its length
    (services/asset_list.inc) counted in frames of 40 ms from the frame of
    its `play`; a `restart` silences everything;
  * `screenshot FILE HASH` lines added (HASH: 16 hex digits), one for each
    `screenshot` directive that ran.

Every other line, comments included, must stay as it was and in its order.

    tools/quality/check_trace_rewrite.py [OLD_REV]    (default HEAD~)

compares OLD_REV's expectations with the working tree's, prints the line
counts per case and in all, and exits 1 on any other change.
"""
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
FRAME_MS = 40
CUE = re.compile(r'^RAKETA_CUE\(\w+, "([^"]+)", (true|false), \d+, \d+, \d+, ([0-9.]+)\)')
SHOT = re.compile(r'^\d+ screenshot (.+) [0-9a-f]{16}$')


def git(*args):
    return subprocess.run(["git", "-C", str(ROOT), *args], check=True, capture_output=True, text=True).stdout


def cue_facts():
    facts = {}
    for line in (ROOT / "services" / "asset_list.inc").read_text().splitlines():
        m = CUE.match(line)
        if m:
            facts[m.group(1)] = (m.group(2) == "true", round(float(m.group(3)) * 1000))
    if len(facts) != 16:
        sys.exit(f"found {len(facts)} cues in services/asset_list.inc, not 16")
    return facts


def without_idle_stops(lines, facts):
    """The old trace's lines as the new rule writes them; and the number of
    idle and of kept stops."""
    kept, idle, sounding_stops = [], 0, 0
    played = {}
    for line in lines:
        if line.startswith("#"):
            kept.append(line)
            continue
        frame, _, event = line.partition(" ")
        frame = int(frame)
        if event == "restart":
            played = {}
        elif event.startswith("play "):
            played[event[5:]] = frame
        elif event.startswith("stop "):
            cue = event[5:]
            looped, length_ms = facts[cue]
            start = played.pop(cue, None)
            if start is None or (not looped and (frame - start) * FRAME_MS >= length_ms):
                idle += 1
                continue
            sounding_stops += 1
        kept.append(line)
    return kept, idle, sounding_stops


def main():
    old_rev = sys.argv[1] if len(sys.argv) > 1 else "HEAD~"
    facts = cue_facts()
    old_files = set(git("ls-tree", "-r", "--name-only", old_rev, "--", "tests/replays").split())
    old_files = {f for f in old_files if f.endswith(".expect")}
    new_files = {str(p.relative_to(ROOT)) for p in (ROOT / "tests" / "replays").rglob("*.expect")}
    failures = []
    if old_files != new_files:
        failures.append(f"cases differ: only old {sorted(old_files - new_files)}, only new {sorted(new_files - old_files)}")
    totals = dict(old=0, new=0, idle=0, stops=0, shots=0)
    print(f"{'case':58} {'old':>6} {'new':>6} {'idle':>6} {'stops':>6} {'shots':>5}")
    for name in sorted(old_files & new_files):
        old = git("show", f"{old_rev}:{name}").splitlines()
        new = (ROOT / name).read_text().splitlines()
        expected, idle, stops = without_idle_stops(old, facts)
        shots = [line for line in new if SHOT.match(line)]
        rest = [line for line in new if not SHOT.match(line)]
        script = (ROOT / name).with_suffix(".replay").read_text().splitlines()
        directives = sum(1 for line in script if re.match(r"^[ \t]*screenshot[ \t]", line))
        if rest != expected:
            at = next((i for i, (a, b) in enumerate(zip(expected, rest)) if a != b), min(len(expected), len(rest)))
            want = expected[at] if at < len(expected) else "<end>"
            got = rest[at] if at < len(rest) else "<end>"
            failures.append(f"{name}: beyond idle stops and screenshots, line {at + 1} differs: "
                            f"expected {want!r}, found {got!r}")
        if len(shots) > directives:
            failures.append(f"{name}: {len(shots)} screenshot lines for {directives} screenshot directives")
        if any(line.split(" ", 1)[1].startswith("screenshot ") for line in old if not line.startswith("#")):
            failures.append(f"{name}: the old trace already had screenshot lines")
        for key, value in zip(totals, (len(old), len(new), idle, stops, len(shots))):
            totals[key] += value
        print(f"{name[len('tests/replays/'):]:58} {len(old):6} {len(new):6} {idle:6} {stops:6} {len(shots):5}")
    print(f"{'all ' + str(len(new_files)) + ' cases':58} {totals['old']:6} {totals['new']:6} {totals['idle']:6} "
          f"{totals['stops']:6} {totals['shots']:5}")
    print("(old, new: lines of the .expect files; idle: stop lines of cues not sounding, removed; "
          "stops: stop lines kept; shots: screenshot lines added)")
    for f in failures:
        print("FAIL " + f, file=sys.stderr)
    if failures:
        return 1
    print(f"OK: against {old_rev}, only idle stop lines were removed and screenshot lines added")
    return 0


if __name__ == "__main__":
    sys.exit(main())
