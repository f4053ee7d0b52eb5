#!/usr/bin/env python3
"""Start-up figures: the driver running an empty script against a bare Qt
program with a main window and six child windows, measured side by side
(interleaved runs in one go). Prints the median wall time of each and the
peak resident memory.

usage: bench/startup.py [BUILD_DIR] [RUNS]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

app = tempfile.mkdtemp(prefix="ktcmt-bench-")
os.makedirs(os.path.join(app, "Characters", "Portraits"))
empty = os.path.join(app, "empty.kts")
open(empty, "w").close()

commands = {
    "ktcmt-script (empty script)": [os.path.join(build, "ktcmt-script"), "--app-dir", app, empty],
    "bare Qt main window + 6 children": [os.path.join(build, "bare-mdi")],
}


for cmd in commands.values():
    if not os.access(cmd[0], os.X_OK):
        sys.exit(f"no {cmd[0]} (build the {os.path.basename(cmd[0])} target)")


def run_once(cmd):
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{cmd[0]} failed with status {status}")
    return elapsed, usage.ru_maxrss / 1024.0  # ru_maxrss is in KiB on Linux


times = {k: [] for k in commands}
peaks = {k: 0.0 for k in commands}
for _ in range(runs):
    for name, cmd in commands.items():
        t, rss = run_once(cmd)
        times[name].append(t)
        peaks[name] = max(peaks[name], rss)

base = statistics.median(times["bare Qt main window + 6 children"])
for name in commands:
    med = statistics.median(times[name])
    print(f"{name:36s} median {med * 1000:7.1f} ms  ({med / base:4.2f}x bare)  peak RSS {peaks[name]:6.1f} MB")
