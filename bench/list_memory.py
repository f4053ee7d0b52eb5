#!/usr/bin/env python3
"""Peak memory with 100 character files listed: the driver starts the
program, opens the sheet window in list mode (MDIFormKT.MenuCharaList) and
checks the file count, once in a folder with 100 character files in
Characters and, interleaved in the same run, once in an empty folder. The
100 files are written beforehand by the program itself (a driver run that
rolls a new character, names it and writes it, 100 times), so they are
real files of varied characters.

Prints the peak resident memory (wait4 ru_maxrss, the largest over the
runs, and the median) and the median wall time of each case.

usage: bench/list_memory.py [BUILD_DIR] [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
driver = os.path.join(build, "ktcmt-script")
if not os.access(driver, os.X_OK):
    sys.exit(f"no driver at {driver} (build the ktcmt-script target)")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
FILES = 100


def file_number(n):
    # The program's own file numbering: 01..09, 10..99, a100..
    return f"0{n}" if n < 10 else (str(n) if n < 100 else f"a{n}")


work = tempfile.mkdtemp(prefix="ktcmt-bench-mem-")
try:
    full = os.path.join(work, "full")
    empty = os.path.join(work, "empty")
    for d in (full, empty):
        os.makedirs(os.path.join(d, "Characters", "Portraits"))

    fill = os.path.join(work, "fill.kts")
    with open(fill, "w", encoding="utf-8") as f:
        for k in range(1, FILES + 1):
            f.write("click FormAbility.CommandRun\n")
            f.write(f"type FormBase.TextChara(0) キャラクター{k}\n")
            f.write(f"type FormBase.TextChara(1) 通名{k}\n")
            f.write(f"writefile Characters/KTC01-{file_number(k)}.ktc\n")
    scratch = os.path.join(work, "scratch")
    os.makedirs(os.path.join(scratch, "Characters", "Portraits"))
    res = subprocess.run([driver, "--app-dir", scratch, "--seed", "7", fill], env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if res.returncode != 0:
        sys.exit(f"writing the {FILES} character files failed:\n{res.stdout}")
    made = sorted(os.listdir(os.path.join(scratch, "Characters")))
    made.remove("Portraits")
    if len(made) != FILES:
        sys.exit(f"expected {FILES} character files, got {len(made)}")
    for name in made:
        shutil.copy(os.path.join(scratch, "Characters", name), os.path.join(full, "Characters", name))

    scripts = {}
    for name, count in (("full", FILES), ("empty", 0)):
        path = os.path.join(work, f"list_{name}.kts")
        with open(path, "w", encoding="utf-8") as f:
            f.write("click MDIFormKT.MenuCharaList\n")
            f.write(f"expect FormTextSheet.FileCL.count {count}\n")
            f.write("expect FormTextSheet.visible 1\n")
        scripts[name] = path
    cases = {
        f"{FILES} character files listed": [driver, "--app-dir", full, "--seed", "1", scripts["full"]],
        "empty Characters folder, list open": [driver, "--app-dir", empty, "--seed", "1", scripts["empty"]],
    }

    def run_once(cmd):
        start = time.perf_counter()
        proc = subprocess.Popen(cmd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        out = proc.stdout.read()
        _, status, usage = os.wait4(proc.pid, 0)
        elapsed = time.perf_counter() - start
        if os.waitstatus_to_exitcode(status) != 0:
            sys.exit(f"{' '.join(cmd)} failed with status {status}:\n{out.decode(errors='replace')}")
        return elapsed, usage.ru_maxrss / 1024.0  # ru_maxrss is in KiB on Linux

    times = {k: [] for k in cases}
    peaks = {k: [] for k in cases}
    for _ in range(runs):
        for name, cmd in cases.items():
            t, rss = run_once(cmd)
            times[name].append(t)
            peaks[name].append(rss)

    base = "empty Characters folder, list open"
    for name in cases:
        print(f"{name:36s} peak RSS {max(peaks[name]):6.1f} MB (median {statistics.median(peaks[name]):6.1f} MB)"
              f"  median {statistics.median(times[name]) * 1000:7.1f} ms")
    diff = max(peaks[f"{FILES} character files listed"]) - max(peaks[base])
    print(f"difference: {diff:+.1f} MB for {FILES} files ({runs} interleaved runs each)")
finally:
    shutil.rmtree(work, ignore_errors=True)
