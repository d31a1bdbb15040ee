#!/usr/bin/env python3
"""Writes the benchmark table into bench/README.md, between the lines
<!-- table --> and <!-- /table -->, from the JSON of the Google Benchmark
programs and of bench/xvfb_probe.py. Run by bench/run.sh.

Every figure stands beside the limit it is held against, measured in the
same run: the ratio first, the absolute values as context. Benchmark times
are the median over the repetitions of the processor time per iteration.
"""
import argparse
import json
import math
import platform
import re
import statistics


def load_benchmarks(paths):
    """name -> {"cpu": median processor time in ns, "counters": {...}},
    plus the context of the first file."""
    runs = {}
    context = None
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
    for path in paths:
        with open(path) as f:
            data = json.load(f)
        context = context or data.get("context", {})
        for b in data["benchmarks"]:
            if b.get("run_type") != "iteration" or b.get("error_occurred"):
                continue
            entry = runs.setdefault(b["run_name"], {"cpu": [], "counters": {}})
            entry["cpu"].append(b["cpu_time"] * scale[b.get("time_unit", "ns")])
            for key, value in b.items():
                if key in ("game_seconds", "creatures", "ended_early"):
                    entry["counters"].setdefault(key, []).append(value)
    result = {}
    for name, entry in runs.items():
        result[name] = {"cpu": statistics.median(entry["cpu"]),
                        "counters": {k: statistics.median(v) for k, v in entry["counters"].items()}}
    return result, context or {}


def fmt_time(ns):
    if ns is None or math.isnan(ns):
        return "—"
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.0f} ns"


class Table:
    def __init__(self):
        self.rows = []

    def add(self, figure, limit, value, shown, target, met, context):
        self.rows.append((figure, limit, shown, target, met, context))

    def render(self):
        out = ["| figure | held against | measured | target | met | context |",
               "|---|---|---|---|---|---|"]
        for figure, limit, shown, target, met, context in self.rows:
            mark = {True: "yes", False: "**no**", None: "—"}[met]
            out.append(f"| {figure} | {limit} | {shown} | {target} | {mark} | {context} |")
        return "\n".join(out)


def ratio_row(table, bench, figure, limit, measured, reference, most, extra_context=""):
    a = bench.get(measured, {}).get("cpu")
    b = bench.get(reference, {}).get("cpu")
    if a is None or b is None:
        table.add(figure, limit, None, "not measured", f"within {most:g}x", None, f"{measured} / {reference} missing")
        return
    r = a / b
    context = f"{fmt_time(a)} vs {fmt_time(b)}"
    if extra_context:
        context += "; " + extra_context
    table.add(figure, limit, r, f"{r:.2f}x", f"within {most:g}x", r <= most, context)


def build(bench, xvfb, web=None):
    t = Table()
    g = xvfb.get("game") if xvfb else None
    bare = xvfb.get("bare") if xvfb else None
    seconds = xvfb.get("seconds", 20) if xvfb else 20

    if g:
        t.add(f"CPU of the game standing still in labyrinth 1, window under Xvfb, {seconds:g} s",
              "one core", None, f"{g['still_cpu_percent']:.1f} %", "under 3 %", g["still_cpu_percent"] < 3.0,
              f"{g['still_ticks']} of {g['still_clock_ticks']} clock ticks")
        t.add(f"CPU of the game walking continuously (arrow keys held), {seconds:g} s",
              "one core", None, f"{g['walk_cpu_percent']:.1f} %", "under 10 %", g["walk_cpu_percent"] < 10.0,
              f"{g['walk_ticks']} of {g['walk_clock_ticks']} clock ticks")
        med, p99 = g["frame_interval_median_ms"], g["frame_interval_p99_ms"]
        t.add("frame pacing while walking: interval between frame steps", "20 ms", None,
              f"median {med:.2f} ms, 99th percentile {p99:.2f} ms", "median 20 ms, 99th percentile under 25 ms",
              abs(med - 20.0) < 0.5 and p99 < 25.0,
              f"{g['walk_frames']} frame steps, longest {g['frame_interval_max_ms']:.2f} ms")
    else:
        for figure in ("CPU standing still", "CPU walking", "frame pacing"):
            t.add(figure, "—", None, "not measured (no Xvfb run)", "—", None, "")

    ratio_row(t, bench, "scene dissolve: 1,000,000 random pixel moves through the platform",
              "the same loop on raw arrays with a xorshift generator",
              "BM_DissolvePlatform", "BM_DissolvePlainArrays", 1.5)
    ratio_row(t, bench, "`renderScene` without the dissolve (280 cells, status line, page copy)",
              "280 copies of 40 x 40 blocks plus one page `memcpy`",
              "BM_RenderSceneWithoutDissolve", "BM_RenderReference", 1.5)
    ratio_row(t, bench, "`copyPage`", "`memcpy` of a page", "BM_CopyPage", "BM_CopyPageMemcpy", 1.2)
    reference = bench.get("BM_DrawBlockRowMemcpy40", {}).get("cpu")
    sdl_plain = bench.get("BM_SdlBlitSurface40", {}).get("cpu")
    sdl_key = bench.get("BM_SdlBlitSurface40ColourKey", {}).get("cpu")
    for mode, most, sdl in (("Opaque", 1.2, sdl_plain), ("Transparent", 2.0, sdl_key), ("Xor", 1.5, None)):
        extra = ""
        if sdl is not None and reference:
            kind = "plain" if mode == "Opaque" else "colour-keyed"
            extra = f"SDL_BlitSurface {kind}: {fmt_time(sdl)} ({sdl / reference:.2f}x)"
        name = {"Opaque": "opaque", "Transparent": "transparent", "Xor": "exclusive-or"}[mode]
        ratio_row(t, bench, f"`drawImage` 40 x 40 {name}", "a row-wise `memcpy` of the same block",
                  f"BM_DrawImage40/{mode}", "BM_DrawBlockRowMemcpy40", most, extra)

    step = bench.get("BM_FrameStep/100", {}).get("cpu")
    if step is not None:
        share = step / 20e6 * 100
        t.add("one frame step, 100 creatures of each kind on screen, all gliding", "the 20 ms frame", None,
              f"{share:.2f} %", "under 2.5 %", share < 2.5, fmt_time(step))
    else:
        t.add("one frame step, 100 creatures of each kind", "the 20 ms frame", None, "not measured", "under 2.5 %",
              None, "")
    per_creature = []
    for per_kind in (10, 25, 50, 75, 100):
        time = bench.get(f"BM_FrameStep/{per_kind}", {}).get("cpu")
        if time is not None:
            per_creature.append(f"{4 * per_kind}: {time / (4 * per_kind) / 1e3:.2f}")
    ratio_row(t, bench, "frame step with 400 creatures (100 of each kind) vs 100 (25 of each kind)",
              "linear growth", "BM_FrameStep/100", "BM_FrameStep/25", 4.5,
              "µs per creature at " + ", ".join(per_creature) if per_creature else "")

    demo = bench.get("BM_DemonstrationPlayback")
    if demo and demo["counters"].get("game_seconds"):
        game_seconds = demo["counters"]["game_seconds"]
        speed = game_seconds / (demo["cpu"] / 1e9)
        early = demo["counters"].get("ended_early", 0)
        t.add("a demonstration (999 recorded moves) played headless as fast as the loop runs",
              "real time (50 frames per second)", None, f"{speed:,.0f}x", "at least 500x",
              speed >= 500 and early == 0,
              f"{game_seconds:.1f} s of play in {fmt_time(demo['cpu'])}")
    else:
        t.add("a demonstration played headless", "real time", None, "not measured", "at least 500x", None, "")

    ratio_row(t, bench, "loading a level (`loadLevel`, 33,000 fields)", "the same fields read with `fscanf`",
              "BM_LoadLevel", "BM_ReadLevelStdio", 3.0,
              f"one `fread` of the bytes: {fmt_time(bench.get('BM_ReadLevelBytesStdio', {}).get('cpu'))}")
    ratio_row(t, bench, "reading a level set (`readLevelSet`, the shipped one: eight labyrinths, closing scene, "
              "demonstrations, each way walked)", "its nine labyrinths read as level files",
              "BM_ReadLevelSet", "BM_ReadNineLevelFiles", 4.0, "")
    ratio_row(t, bench, "writing a level file (`writeLevelFile`, synced, renamed over the old one)",
              "the same fields written with `fprintf`, synced and renamed",
              "BM_WriteLevelFile", "BM_WriteLevelStdio", 3.0,
              f"one `fwrite` of the bytes, synced and renamed: "
              f"{fmt_time(bench.get('BM_WriteLevelBytesStdio', {}).get('cpu'))}")
    ratio_row(t, bench, "saving a game (`saveGame`, 34,625 fields, synced, renamed over the old one)",
              "the same fields written with `fprintf`, synced and renamed",
              "BM_SaveGame", "BM_WriteSavedStdio", 3.0, "")
    ratio_row(t, bench, "loading a game (`loadGame`, read, made safe, put into the world)",
              "the same fields read with `fscanf`",
              "BM_LoadGame", "BM_ReadSavedStdio", 3.0, "")
    ratio_row(t, bench, "editor `drawMapView`, 100 creatures of each kind in the view", "280 block copies",
              "BM_DrawMapView/100", "BM_ViewBlockCopies", 3.0,
              f"no creatures: {fmt_time(bench.get('BM_DrawMapView/0', {}).get('cpu'))}")

    if g and bare:
        best_game, best_bare = min(g["startup_runs_s"]), min(bare["startup_runs_s"])
        r = best_game / best_bare
        t.add("start-up to the first frame of the title (level 1 drawn behind it, after its dissolve), "
              "game under Xvfb", "a bare SDL program that opens a window and presents one black frame", None,
              f"{r:.2f}x", "within 1.5x", r <= 1.5,
              f"best of {len(g['startup_runs_s'])} starts: {best_game * 1000:.0f} ms vs {best_bare * 1000:.0f} ms; "
              f"medians {g['startup_s'] * 1000:.0f} ms vs {bare['startup_s'] * 1000:.0f} ms")
        r = g["rss_kib"] / bare["rss_kib"]
        t.add("resident memory of the game under Xvfb (after standing still)", "the same bare SDL program", None,
              f"{r:.2f}x", "within 1.5x", r <= 1.5,
              f"{g['rss_kib'] / 1024:.1f} MB vs {bare['rss_kib'] / 1024:.1f} MB; "
              f"game's peak {g['peak_rss_kib'] / 1024:.1f} MB")
    else:
        t.add("start-up", "bare SDL program", None, "not measured (no Xvfb run)", "within 1.5x", None, "")
        t.add("resident memory", "bare SDL program", None, "not measured (no Xvfb run)", "within 1.5x", None, "")
    web_rows(t, bench, web)
    return t


def web_rows(t, bench, web):
    """The browser edition in chromium (bench/web/web_bench.mjs)."""
    if not web:
        t.add("browser edition", "—", None, "not measured (no chromium run)", "—", None, "")
        return
    mib = web["site_bytes"] / (1 << 20)
    t.add("browser edition: size of the site (pages, programs, data package)", "4 MiB", None,
          f"{mib:.2f} MiB", "at most 4 MiB", mib <= 4.0, f"{web['site_bytes']:,} bytes")
    if "first_visit_bytes" in web:
        mb = web["first_visit_bytes"] / 1e6
        t.add("browser edition: bytes sent for a first visit (fresh profile, until the service worker has "
              "kept the site)", "1.5 MB", None, f"{mb:.2f} MB", "under 1.5 MB", mb < 1.5,
              f"{web['first_visit_bytes']:,} bytes, headers included")
        ms = web["first_visit_10mbit_ms"]
        t.add("browser edition: first visit to the title's first picture on an emulated 10 Mbit/s line "
              "(40 ms latency)", "2 s", None, f"{ms:.0f} ms", "under 2 s", ms < 2000, "one fresh profile")
    ms = web["first_picture_ms"]
    t.add("browser edition: loading the page to the title's first picture, localhost, chromium", "2 s", None,
          f"{ms:.0f} ms", "under 2 s", ms < 2000,
          "median of 5 loads: " + ", ".join(f"{v:.0f}" for v in web["first_picture_all_ms"]) + " ms")
    med, p99 = web["frame_interval_median_ms"], web["frame_interval_p99_ms"]
    t.add("browser edition: frame pacing while walking, the page's frame log (`?framelog`)", "20 ms", None,
          f"median {med:.2f} ms, 99th percentile {p99:.2f} ms", "median 20 ms, 99th percentile under 25 ms",
          abs(med - 20.0) < 0.5 and p99 < 25.0,
          f"{web['walk_frames']} frame steps, longest {web['frame_interval_max_ms']:.2f} ms")
    native = bench.get("BM_FrameStep/100", {}).get("cpu")
    wasm = web["frame_step_us"] * 1e3
    if native:
        r = wasm / native
        t.add("browser edition: one frame step, 100 creatures of each kind, in WebAssembly",
              "the native frame step (`BM_FrameStep/100`)", None, f"{r:.2f}x", "within 3x", r <= 3.0,
              f"{fmt_time(wasm)} vs {fmt_time(native)}")


def load_optional_json(path):
    """The JSON in the file at path; None without a path, or when it cannot be read."""
    if not path:
        return None
    try:
        with open(path) as f:
            return json.load(f)
    except (OSError, ValueError):
        return None


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--bench", nargs="+", required=True, help="Google Benchmark JSON files")
    ap.add_argument("--xvfb", help="JSON of bench/xvfb_probe.py")
    ap.add_argument("--web", help="JSON of bench/web/web_bench.mjs")
    ap.add_argument("--readme", required=True)
    args = ap.parse_args()

    bench, context = load_benchmarks(args.bench)
    table = build(bench, load_optional_json(args.xvfb), load_optional_json(args.web))
    load = context.get("load_avg", [])
    machine = (f"Measured {context.get('date', '')[:10]} on {context.get('num_cpus', '?')} processors of "
               f"{context.get('mhz_per_cpu', '?')} MHz ({platform.machine()}, {platform.system()}), "
               f"load average {load[0]:.1f} at the start." if load else "")
    generated = "\n".join(["<!-- table -->",
                           "<!-- written by bench/run.sh (bench/make_table.py); edit the text around it -->",
                           "", table.render(), "", machine, "", "<!-- /table -->"])
    with open(args.readme) as f:
        text = f.read()
    pattern = re.compile(r"<!-- table -->.*?<!-- /table -->", re.S)
    if not pattern.search(text):
        raise SystemExit(f"{args.readme} has no <!-- table --> ... <!-- /table --> section")
    text = pattern.sub(lambda _: generated, text)
    with open(args.readme, "w") as f:
        f.write(text)
    print(table.render())


if __name__ == "__main__":
    main()
