#!/usr/bin/env python3
"""The game's figures under a virtual X display: start-up time, processor
time standing still and walking, frame pacing while walking, resident
memory; and start-up and memory of the bare SDL program beside it.

Run by bench/xvfb_bench.sh, which starts the X server and sets DISPLAY.
Writes the figures as JSON (see --help). Measures with the kernel's own
counters: processor time from /proc/<pid>/stat (user + system time of all
the process's threads, in clock ticks), memory from /proc/<pid>/status.
Start-up is the time from starting the process to its first line "shown"
on standard output: the game writes it (--frame-log) when the first picture
of the run is drawn, the bare program when its black frame is presented.
"""
import argparse
import json
import os
import signal
import statistics
import subprocess
import threading
import time

TICKS = os.sysconf("SC_CLK_TCK")


class Program:
    """A started program whose standard output lines are collected, each
    with the time it arrived."""

    def __init__(self, argv, cwd):
        self.started = time.monotonic()
        self.proc = subprocess.Popen(argv, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     stdin=subprocess.DEVNULL, text=True, bufsize=1)
        self.lines = []  # (arrival time, text)
        self.lock = threading.Lock()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        for line in self.proc.stdout:
            arrived = time.monotonic()
            with self.lock:
                self.lines.append((arrived, line.strip()))

    def wait_for(self, prefix, timeout):
        """The arrival time of the first line starting with prefix."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                for arrived, text in self.lines:
                    if text.startswith(prefix):
                        return arrived
            if self.proc.poll() is not None:
                raise RuntimeError(f"{self.proc.args[0]} ended before writing '{prefix}'")
            time.sleep(0.002)
        raise RuntimeError(f"{self.proc.args[0]} wrote no '{prefix}' within {timeout} s")

    def cpu_ticks(self):
        with open(f"/proc/{self.proc.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # utime, stime

    def memory_kib(self, key):
        with open(f"/proc/{self.proc.pid}/status") as f:
            for line in f:
                if line.startswith(key + ":"):
                    return int(line.split()[1])
        return 0

    def frame_times(self, since, until):
        """The game's own times of the frame steps logged between two
        arrival times."""
        with self.lock:
            return [float(text.split()[2]) for arrived, text in self.lines
                    if text.startswith("frame ") and since <= arrived <= until]

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def percentile(values, p):
    ordered = sorted(values)
    if not ordered:
        return float("nan")
    rank = (len(ordered) - 1) * p / 100.0
    low = int(rank)
    high = min(low + 1, len(ordered) - 1)
    return ordered[low] + (ordered[high] - ordered[low]) * (rank - low)


def startup_time(argv, cwd):
    """Seconds from starting the program to its line 'shown'."""
    p = Program(argv, cwd)
    try:
        return p.wait_for("shown", 30) - p.started
    finally:
        p.stop()


def startup_runs(programs, runs):
    """Start-up times of each program, started in turn so that a spell of
    load on the machine falls on all of them alike."""
    times = [[] for _ in programs]
    for _ in range(runs):
        for i, (argv, cwd) in enumerate(programs):
            times[i].append(startup_time(argv, cwd))
            time.sleep(0.3)
    return times


def hold(key, seconds):
    xdotool("keydown", key)
    time.sleep(seconds)
    xdotool("keyup", key)


def walk(seconds):
    """Holds the arrow keys: one step down into the corridor below the start
    of labyrinth 1, then right and left along it in turn, six cells each way
    (a cell takes 8 frames), so that the wizard keeps walking between the
    corridor's fourth and tenth cells, away from its ends. The game reads
    the keys once per frame at rest, so a key is held, never just tapped."""
    hold("Down", 0.1)
    time.sleep(0.1)
    end = time.monotonic() + seconds
    legs = [("Right", 0.96), ("Left", 0.96)]
    i = 0
    while time.monotonic() < end:
        key, seconds_held = legs[i % 2]
        hold(key, min(seconds_held, max(0.0, end - time.monotonic())))
        i += 1


def measure_game(run_dir, seconds):
    game = Program(["./zauberlabyrinth", "--frame-log"], run_dir)
    try:
        game.wait_for("shown", 30)   # the title is up
        # The window under the pointer gets the keys; the game keeps the
        # hidden pointer in its window, and it is given the focus too.
        window = subprocess.run(["xdotool", "search", "--sync", "--pid", str(game.proc.pid)],
                                check=True, capture_output=True, text=True).stdout.split()[0]
        xdotool("windowfocus", "--sync", window)
        hold("space", 0.2)           # start a game from the title
        game.wait_for("frame ", 30)  # play has begun
        time.sleep(1.0)              # past the first frames' start-up work

        still_from, ticks0 = time.monotonic(), game.cpu_ticks()
        time.sleep(seconds)
        still_to, ticks1 = time.monotonic(), game.cpu_ticks()
        rss = game.memory_kib("VmRSS")

        walk_from, ticks2 = time.monotonic(), game.cpu_ticks()
        walk(seconds)
        walk_to, ticks3 = time.monotonic(), game.cpu_ticks()
        peak = game.memory_kib("VmHWM")
        frames = game.frame_times(walk_from, walk_to)
        if game.proc.poll() is not None:
            raise RuntimeError("the game ended during the measurement")
    finally:
        game.stop()
    intervals = [(b - a) * 1000.0 for a, b in zip(frames, frames[1:])]
    still_seconds = still_to - still_from
    walk_seconds = walk_to - walk_from
    return {
        "still_ticks": ticks1 - ticks0,
        "still_clock_ticks": round(still_seconds * TICKS),
        "still_cpu_percent": 100.0 * (ticks1 - ticks0) / (still_seconds * TICKS),
        "walk_ticks": ticks3 - ticks2,
        "walk_clock_ticks": round(walk_seconds * TICKS),
        "walk_cpu_percent": 100.0 * (ticks3 - ticks2) / (walk_seconds * TICKS),
        "walk_frames": len(frames),
        "frame_interval_median_ms": statistics.median(intervals) if intervals else float("nan"),
        "frame_interval_p99_ms": percentile(intervals, 99),
        "frame_interval_max_ms": max(intervals) if intervals else float("nan"),
        "rss_kib": rss,
        "peak_rss_kib": peak,
    }


def measure_bare(bare):
    p = Program([bare], os.path.dirname(bare))
    try:
        p.wait_for("shown", 30)
        time.sleep(2.0)
        rss = p.memory_kib("VmRSS")
        peak = p.memory_kib("VmHWM")
    finally:
        p.stop()
    return {"rss_kib": rss, "peak_rss_kib": peak}


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--run-dir", required=True, help="the ready-to-run folder holding zauberlabyrinth")
    ap.add_argument("--bare", required=True, help="the bare SDL program zl_bare_window")
    ap.add_argument("--seconds", type=float, default=20.0, help="length of the standing and walking spells")
    ap.add_argument("--runs", type=int, default=9, help="start-up runs of each program")
    ap.add_argument("--out", required=True, help="JSON file to write")
    args = ap.parse_args()

    run_dir = os.path.abspath(args.run_dir)
    bare = os.path.abspath(args.bare)
    game_startup, bare_startup = startup_runs(
        [(["./zauberlabyrinth", "--frame-log"], run_dir), ([bare], os.path.dirname(bare))], args.runs)
    figures = {
        "game": measure_game(run_dir, args.seconds),
        "bare": measure_bare(bare),
    }
    figures["game"]["startup_s"] = statistics.median(game_startup)
    figures["game"]["startup_runs_s"] = game_startup
    figures["bare"]["startup_s"] = statistics.median(bare_startup)
    figures["bare"]["startup_runs_s"] = bare_startup
    figures["seconds"] = args.seconds
    with open(args.out, "w") as f:
        json.dump(figures, f, indent=2)
    print(json.dumps(figures, indent=2))


if __name__ == "__main__":
    main()
