#!/usr/bin/env python3
"""Golden traces: runs skyrift-sim with --trace and compares what it shows and plays, frame by
frame, with the checked-in golden file of that run, or rewrites the golden files.

A golden file (NAME.golden.gz) keeps every frame's rand() draws and sound and music calls as they
are, and the screen digests as one digest per block of frames, which keeps the files small.

  golden.py check --sim SIM --data DIR NAME...   play the runs and compare them (all: every run)
  golden.py make --sim SIM --data DIR NAME...    play the runs and rewrite their golden files
  golden.py compare TRACE GOLDEN                 compare a trace file with a golden file
  --jobs N                                       play N runs at once
"""
import argparse
import concurrent.futures
import gzip
import hashlib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
BLOCK = 4
VERSION = "skyrift-golden 1"


def runs():
    table = {}
    with open(os.path.join(HERE, "runs.txt")) as f:
        for line in f:
            line = line.strip()
            if line and not line.startswith("#"):
                name, *args = line.split()
                table[name] = [os.path.join(REPO, a) if a.startswith("tests/") else a for a in args]
    return table


def read_trace(path):
    """[(frame, pixels, draws, events)] from skyrift-sim's --trace lines."""
    frames = []
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) < 3:
                raise SystemExit(f"{path}: a broken trace line: {line!r}")
            events = [p for p in parts[3:] if not p.startswith("flips:")]
            flips = [p for p in parts[3:] if p.startswith("flips:")]
            frames.append((parts[0], parts[1], parts[2], " ".join(flips + events)))
    return frames


def block_digest(pixels):
    return hashlib.blake2b(" ".join(pixels).encode(), digest_size=8).hexdigest()


def condense(frames, command):
    lines = [VERSION, "command " + command, f"block {BLOCK}"]
    for start in range(0, len(frames), BLOCK):
        block = frames[start:start + BLOCK]
        for name, _, draws, events in block:
            lines.append(" ".join(x for x in ("f" if name != "end" else "e", draws, events) if x))
        lines.append("p " + block_digest([pixels for _, pixels, _, _ in block]))
    return "\n".join(lines) + "\n"


def parse(text):
    """(frames, blocks): frames as (draws, events) with the end line last, blocks as digests."""
    lines = text.splitlines()
    if not lines or lines[0] != VERSION:
        raise SystemExit("not a golden file of this version")
    frames, blocks = [], []
    for line in lines[3:]:
        kind, _, rest = line.partition(" ")
        if kind == "p":
            blocks.append(rest)
        else:
            draws, _, events = rest.partition(" ")
            frames.append(("end" if kind == "e" else str(len(frames) + 1), draws, events))
    return frames, blocks


def describe(frame, draws, events):
    return f"{draws} draws" + (f", {events}" if events else ", nothing played")


def difference(golden_text, now_text):
    """None when the runs agree, else the first frame that differs and what differs there."""
    golden, golden_blocks = parse(golden_text)
    now, now_blocks = parse(now_text)
    first_frame = None
    for i, (g, n) in enumerate(zip(golden, now)):
        if g != n:
            what = []
            if g[1] != n[1]:
                what.append(f"draws: golden {g[1]}, now {n[1]}")
            if g[2] != n[2]:
                what.append(f"sound and music: golden [{g[2]}], now [{n[2]}]")
            first_frame = (i, f"frame {g[0] if g[0] == n[0] else g[0] + '/' + n[0]}: " + "; ".join(what))
            break
    first_block = None
    for b, (g, n) in enumerate(zip(golden_blocks, now_blocks)):
        if g != n:
            last = min(len(golden), len(now), (b + 1) * BLOCK)
            first_block = (b * BLOCK, f"frames {b * BLOCK + 1}..{last}: the screen differs")
            break
    found = [x for x in (first_frame, first_block) if x]
    if not found and len(golden) != len(now):
        return f"the run is {len(now)} frames long, the golden run {len(golden)}"
    if not found:
        return None
    found.sort(key=lambda x: x[0])
    return "first difference at " + "; and at ".join(text for _, text in found)


def play(sim, data, name, args, trace):
    result = subprocess.run([sim, *args, "--trace", trace], cwd=data, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        raise SystemExit(f"{name}: skyrift-sim {' '.join(args)} failed:\n{result.stdout}{result.stderr}")
    return read_trace(trace)


def golden_path(name):
    return os.path.join(HERE, name + ".golden.gz")


def command_of(name):
    return " ".join(os.path.relpath(a, REPO) if a.startswith(REPO) else a for a in runs()[name])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("action", choices=["check", "make", "compare"])
    parser.add_argument("names", nargs="*")
    parser.add_argument("--sim")
    parser.add_argument("--data")
    parser.add_argument("--jobs", type=int, default=1, help="runs played at once")
    options = parser.parse_intermixed_args()
    if options.action == "compare":
        trace, golden = options.names
        with gzip.open(golden, "rt") as f:
            golden_text = f.read()
        now = condense(read_trace(trace), golden_text.splitlines()[1][len("command "):])
        problem = difference(golden_text, now)
        print(problem or "the same")
        return 1 if problem else 0
    table = runs()
    names = options.names or list(table)
    for name in names:
        if name not in table:
            raise SystemExit(f"no golden run is called {name}")

    def one(name, scratch):
        now = condense(play(options.sim, options.data, name, table[name], os.path.join(scratch, name)),
                       command_of(name))
        if options.action == "make":
            # mtime 0: the same run gives the same bytes.
            with open(golden_path(name), "wb") as raw:
                with gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0, compresslevel=9) as f:
                    f.write(now.encode())
            return f"{name}: {os.path.getsize(golden_path(name))} bytes", False
        if not os.path.exists(golden_path(name)):
            return f"{name}: no golden file ({golden_path(name)}); scripts/regolden makes it", True
        with gzip.open(golden_path(name), "rt") as f:
            problem = difference(f.read(), now)
        return f"{name}: " + (problem or "the same as the golden run"), problem is not None

    failed = 0
    with tempfile.TemporaryDirectory() as scratch:
        with concurrent.futures.ThreadPoolExecutor(max_workers=options.jobs) as pool:
            # The longest run first, so the others fill in beside it.
            for text, bad in pool.map(lambda n: one(n, scratch), names):
                print(text, flush=True)
                failed += bad
    return 1 if failed else 0

if __name__ == "__main__":
    sys.exit(main())
