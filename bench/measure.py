#!/usr/bin/python3
"""Times the program against bare Qt programs on the same X server.

Start-up: from starting the process to its first window being mapped.
A move: from the key press (a real X key event sent through XTest) to the next window being mapped.
Memory: the peak resident size after walking all three quizzes to their results screens.
Every figure is the median over the runs; each sits beside its bare Qt baseline from the same run.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import xtest


class Screen:
    def __init__(self):
        self.d = display.Display()
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.d.sync()

    def drain(self):
        while self.d.pending_events():
            self.d.next_event()

    def wait_map(self, timeout=10.0):
        """Seconds until the next top-level window is mapped (monotonic clock)."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if self.d.pending_events():
                event = self.d.next_event()
                if event.type == X.MapNotify and event.event == self.root:
                    return time.monotonic()
            else:
                time.sleep(0.0002)
        raise TimeoutError("no window was mapped")

    def key(self, name, alt=False):
        """Sends a key press and release as real X events; returns the time of the press."""
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        alt_code = self.d.keysym_to_keycode(XK.XK_Alt_L)
        if alt:
            xtest.fake_input(self.d, X.KeyPress, alt_code)
        t = time.monotonic()
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        if alt:
            xtest.fake_input(self.d, X.KeyRelease, alt_code)
        self.d.sync()
        return t


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def start(screen, argv):
    screen.drain()
    t0 = time.monotonic()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = screen.wait_map()
    time.sleep(0.15)  # let it settle and take the focus
    return proc, mapped - t0


def move(screen, key, alt=False):
    screen.drain()
    pressed = screen.key(key, alt)
    mapped = screen.wait_map()
    time.sleep(0.08)
    return mapped - pressed


def pages(screen, count):
    """Presses Next Question count times without timing, then lets the program catch up."""
    for _ in range(count):
        screen.key("n", alt=True)
        time.sleep(0.004)
    time.sleep(0.3)
    screen.drain()


def stop(proc):
    proc.kill()
    proc.wait()


def one_run(screen, brivan, bare_dialog, bare_swap, results):
    # The bare baselines.
    proc, t = start(screen, [bare_dialog])
    results["start-up"][1].append(t)
    results["memory"][1].append(peak_rss_kib(proc.pid))
    stop(proc)
    proc, _ = start(screen, [bare_swap])
    for _ in range(5):
        results["swap"].append(move(screen, "Return"))
    stop(proc)

    # The program: start, the moves, then all three quizzes walked to their results.
    proc, t = start(screen, [brivan])
    results["start-up"][0].append(t)
    results["I Agree"].append(move(screen, "Return"))
    results["&Master Warning"].append(move(screen, "m", alt=True))
    results["Memory &Items"].append(move(screen, "i", alt=True))
    results["&Limitations"].append(move(screen, "l", alt=True))
    pages(screen, 65)
    results["hand-over"].append(move(screen, "n", alt=True))
    move(screen, "m", alt=True)  # to the Annunciators quiz
    pages(screen, 46)
    move(screen, "n", alt=True)
    move(screen, "i", alt=True)  # to the Memory Items quiz
    pages(screen, 15)
    move(screen, "n", alt=True)
    results["memory"][0].append(peak_rss_kib(proc.pid))
    stop(proc)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--build", default="build-bench")
    args = parser.parse_args()
    brivan = os.path.join(args.build, "src", "brivan")
    bare_dialog = os.path.join(args.build, "bench", "bench_bare_dialog")
    bare_swap = os.path.join(args.build, "bench", "bench_bare_swap")

    screen = Screen()
    results = {"start-up": ([], []), "memory": ([], []), "swap": []}
    moves = ["I Agree", "&Master Warning", "Memory &Items", "&Limitations", "hand-over"]
    for name in moves:
        results[name] = []
    for run in range(args.runs):
        one_run(screen, brivan, bare_dialog, bare_swap, results)
        print(f"run {run + 1} of {args.runs} done", file=sys.stderr)

    med = statistics.median
    rows = []
    ours, bare = results["start-up"]
    rows.append(("start-up (ms)", med(ours) * 1000, med(bare) * 1000, "bare dialog", 1.3))
    swap = med(results["swap"])
    for name in moves:
        rows.append((f"move: {name} (ms)", med(results[name]) * 1000, swap * 1000, "bare swap", 3.0))
    ours, bare = results["memory"]
    rows.append(("peak memory (MiB)", med(ours) / 1024, med(bare) / 1024, "bare dialog", 1.3))

    print(f"Medians over {args.runs} runs on one X server ({os.environ.get('DISPLAY', '?')}).")
    print(f"{'measure':<32}{'brivan':>10}{'baseline':>10}  {'against':<12}{'ratio':>7}{'target':>8}  ok")
    failed = False
    for name, a, b, against, target in rows:
        ratio = a / b if b else float("inf")
        ok = ratio <= target
        failed |= not ok
        print(f"{name:<32}{a:>10.1f}{b:>10.1f}  {against:<12}{ratio:>7.2f}{target:>8.1f}  {'yes' if ok else 'NO'}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
