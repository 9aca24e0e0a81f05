#!/usr/bin/env python3
"""Compares the core's operations with standard tools on generated data, in one run.

Each case is run several times, alternating ours and the reference, after an untimed
preparation (fresh copies, sync). The table shows minimum and median wall time, the
ratio of medians (ours / reference) and the target, and the peak resident memory.
"""
import argparse
import os
import random
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import report_page

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Data set sizes: the full one the targets are about, a quick one, and a smoke one that only
# checks that every case runs.
SIZES = {
    "full": {"tree_files": 10000, "tree_mib": 1024, "entries": 100000, "huge": 1000000,
             "big_mib": 1024, "clip_mib": 200, "long_mib": 400, "texts": 10000},
    "quick": {"tree_files": 1000, "tree_mib": 100, "entries": 10000, "huge": 50000,
              "big_mib": 64, "clip_mib": 32, "long_mib": 64, "texts": 1000},
    "smoke": {"tree_files": 100, "tree_mib": 4, "entries": 1000, "huge": 2000, "big_mib": 4,
              "clip_mib": 4, "long_mib": 8, "texts": 100},
}


def run_timed(cmd, cwd=None, timing=None):
    """Wall time and peak resident memory of one run (GNU time measures the child itself:
    a child forked from this process would report this process's memory as its peak).
    timing, when given, takes the time from the child's own output instead."""
    with tempfile.NamedTemporaryFile("r") as mem:
        start = time.perf_counter()
        result = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", mem.name, *cmd], cwd=cwd,
                                stdout=subprocess.PIPE if timing else subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
        if result.returncode != 0:
            raise SystemExit(f"failed: {' '.join(cmd)}")
        if timing:
            elapsed = timing(result.stdout.decode())
        return elapsed, int(mem.read().split()[-1])  # seconds, KiB


def text_block(size, seed=3):
    """Words as a person's documents have them: deflate takes them to about a third."""
    rnd = random.Random(seed)
    words = [("".join(rnd.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rnd.randint(2, 9))))
             for _ in range(3000)]
    out = bytearray()
    while len(out) < size:
        line = " ".join(rnd.choice(words) for _ in range(rnd.randint(5, 14)))
        out += line.encode() + (b".\n" if rnd.random() < 0.3 else b", ")
    return bytes(out[:size])


def make_tree(top, files, total_bytes, seed=1):
    """files spread over three levels of folders; mixed sizes adding up to about total; every
    other file is text that compresses, the rest random data that does not."""
    rnd = random.Random(seed)
    sizes = []
    small = int(files * 0.9)
    for _ in range(small):
        sizes.append(rnd.randint(1, 64) * 1024)
    rest = max(total_bytes - sum(sizes), 0)
    large = files - small
    for _ in range(large):
        sizes.append(max(rest // max(large, 1) + rnd.randint(-65536, 65536), 0))
    blocks = (text_block(2 << 20), os.urandom(2 << 20))
    for i, size in enumerate(sizes):
        block = blocks[i % 2][(i * 4099) % (1 << 20):]
        folder = os.path.join(top, f"d{i % 10}", f"e{(i // 10) % 10}", f"f{(i // 100) % 10}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"file{i}.bin"), "wb") as f:
            left = size
            while left > 0:
                n = min(left, len(block))
                f.write(block[:n])
                left -= n
    os.makedirs(os.path.join(top, "empty"), exist_ok=True)


class Bench:
    def __init__(self, args):
        self.bin = os.path.join(ROOT, args.bin)
        self.runs = args.runs
        self.size = SIZES[args.size]
        base = os.environ.get("NUVIO_BENCH_DIR", "/var/tmp")
        self.work = tempfile.mkdtemp(prefix="nuvio-bench-", dir=base)
        self.rows = []
        self.notes = []
        # The command-line tool keeps its settings here, not in the user's.
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME"):
            os.environ[name] = os.path.join(self.work, "home", name.lower())

    def tool(self, *args):
        return [os.path.join(self.bin, "bench", "nuvio-bench"), *args]

    def compare(self, name, ours, reference, target, prepare=None, ours_timing=None):
        times = {"ours": [], "ref": []}
        rss = {"ours": 0, "ref": 0}
        for _ in range(self.runs):
            for side, cmd in (("ours", ours), ("ref", reference)):
                if prepare:
                    prepare()
                subprocess.run(["sync"], check=False)
                t, m = run_timed(cmd, timing=ours_timing if side == "ours" else None)
                times[side].append(t)
                rss[side] = max(rss[side], m)
        ratio = statistics.median(times["ours"]) / statistics.median(times["ref"])
        self.rows.append((name, times, rss, ratio, target))
        print(f"  {name}: ratio {ratio:.2f}; ours {statistics.median(times['ours']):.3f} s "
              f"{rss['ours'] >> 10} MiB, reference {statistics.median(times['ref']):.3f} s "
              f"{rss['ref'] >> 10} MiB", file=sys.stderr, flush=True)
        return times, rss

    def table(self):
        lines = [
            "| case | ours min / median (s) | reference min / median (s) | time ratio | target | "
            "peak RSS ours / ref (MiB) |",
            "|---|---|---|---|---|---|",
        ]
        for name, times, rss, ratio, (limit, text, *memory) in self.rows:
            ok = "met" if ratio <= limit and (
                not memory or rss["ours"] <= memory[0] * rss["ref"]) else "MISSED"
            lines.append(
                f"| {name} | {min(times['ours']):.3f} / {statistics.median(times['ours']):.3f} | "
                f"{min(times['ref']):.3f} / {statistics.median(times['ref']):.3f} | "
                f"{ratio:.2f} | {text} ({ok}) | {rss['ours'] / 1024:.0f} / {rss['ref'] / 1024:.0f} |")
        return "\n".join(lines)

    # --- cases -------------------------------------------------------------------------

    def tree(self):
        top = os.path.join(self.work, "root", "tree")
        if not os.path.isdir(top):
            files = self.size["tree_files"]
            total = self.size["tree_mib"] << 20
            print(f"generating {files} files, {total >> 20} MiB ...", file=sys.stderr)
            make_tree(top, files, total)
        return top

    def tree_label(self):
        mib = self.size["tree_mib"]
        return f"{self.size['tree_files']:,} files, " + (
            f"{mib >> 10} GiB" if mib >= 1024 else f"{mib} MiB")

    def case_copy(self):
        self.tree()
        dest = os.path.join(self.work, "root", "copy")

        def clean():
            shutil.rmtree(dest, ignore_errors=True)

        self.compare(f"CopyTree vs cp -r ({self.tree_label()})",
                     self.tool(os.path.join(self.work, "root"), "copytree", "\\tree", "\\copy"),
                     ["cp", "-r", os.path.join(self.work, "root", "tree"), dest],
                     (1 / 0.9, "throughput >= 0.9x"), prepare=clean)
        clean()

    def case_remove(self):
        top = self.tree()
        victim = os.path.join(self.work, "root", "victim")

        def fresh():
            shutil.rmtree(victim, ignore_errors=True)
            subprocess.run(["cp", "-r", top, victim], check=True)

        self.compare(f"RemoveTree vs rm -rf ({self.tree_label()})",
                     self.tool(os.path.join(self.work, "root"), "removetree", "\\victim"),
                     ["rm", "-rf", victim], (1.2, "time <= 1.2x"), prepare=fresh)


def many_files(self, count=None, name="many"):
    # The largest folder has a device of its own: opening the other one, the folder tree
    # would read it through to learn that it has no subfolders.
    folder = os.path.join(self.work, "root1m" if name == "huge" else "root", name)
    count = count or self.size["entries"]
    if not os.path.isdir(folder):
        print(f"generating {count:,} empty files ...", file=sys.stderr)
        os.makedirs(folder)
        for i in range(count):
            open(os.path.join(folder, f"file{i:06d}.txt"), "wb").close()
    return folder, count


def case_filllist(self):
    folder, count = self.many_files()
    self.compare(f"FillList vs ls -l -U ({count:,} entries)",
                 self.tool(os.path.join(self.work, "root"), "filllist", "\\many"),
                 ["sh", "-c", f"ls -l -U '{folder}' > /dev/null"], (1.0, "time <= 1.0x"))


def nuvio(self, root, *args):
    return [os.path.join(self.bin, "src", "cli", "nuvio"), "--root", root, *args]


def ls_case(self, count, name):
    folder, count = self.many_files(count, name)
    self.compare(f"nuvio ls vs ls -l -U ({count:,} entries)",
                 ["sh", "-c", " ".join(f"'{a}'" for a in self.nuvio(
                     os.path.dirname(folder), "ls", "\\" + name)) + " > /dev/null"],
                 ["sh", "-c", f"ls -l -U '{folder}' > /dev/null"],
                 (1.0, "time <= 1.0x, RSS <= 1.5x", 1.5))


def case_ls(self):
    self.ls_case(None, "many")


def case_ls1m(self):
    self.ls_case(self.size["huge"], "huge")


def case_encrypt(self):
    root = os.path.join(self.work, "root")
    source = os.path.join(root, "big.bin")
    size = self.size["big_mib"] << 20
    if not os.path.exists(source):
        with open(source, "wb") as f:
            block = os.urandom(1 << 20)
            for _ in range(size >> 20):
                f.write(block)

    def clean():
        for name in ("big.bin.enc", "big.out"):
            try:
                os.remove(os.path.join(root, name))
            except FileNotFoundError:
                pass

    self.compare(f"encrypt vs openssl enc -rc4 ({size >> 20} MiB file)",
                 self.tool(root, "encrypt", "\\big.bin", "\\big.bin.enc", "secret"),
                 ["openssl", "enc", "-rc4", "-K", "000102030405060708090a0b0c0d0e0f", "-nosalt",
                  "-provider", "legacy", "-provider", "default", "-in", source,
                  "-out", os.path.join(root, "big.out")],
                 (1 / 0.8, "throughput >= 0.8x, RSS < 64 MiB"), prepare=clean)
    clean()


def case_recycle(self):
    top = self.tree()
    root = os.path.join(self.work, "root")
    victim = os.path.join(root, "victim")
    zipped = os.path.join(self.work, "victim.zip")
    unzipped = os.path.join(self.work, "unzipped")

    def fresh_tree():
        for path in (victim, os.path.join(root, "~Recycle"), zipped, unzipped,
                     os.path.join(self.work, "bench-settings.ini")):
            shutil.rmtree(path, ignore_errors=True) if os.path.isdir(path) else (
                os.path.exists(path) and os.remove(path))
        subprocess.run(["cp", "-r", top, victim], check=True)

    self.compare(f"recycle put vs zip -r -6 -q ({self.tree_label()})",
                 self.tool(root, "binput", "\\victim"),
                 ["sh", "-c", f"cd '{root}' && zip -r -6 -q '{zipped}' victim"],
                 (0.6, "time <= 0.6x"), prepare=fresh_tree)
    # The sizes of one more put and zip of the same tree (the last run left only zip's).
    fresh_tree()
    subprocess.run(self.tool(root, "binput", "\\victim"), check=True)
    subprocess.run(["sh", "-c", f"cd '{root}' && zip -r -6 -q '{zipped}' tree"], check=True)
    bin_folder = os.path.join(root, "~Recycle")
    ours = sum(os.path.getsize(os.path.join(bin_folder, n)) for n in os.listdir(bin_folder)
               if n.lower().endswith(".nzc"))
    self.notes.append(f"Bin archive of the {self.tree_label()} tree: {ours / 2**20:.1f} MiB "
                      f"against {os.path.getsize(zipped) / 2**20:.1f} MiB for zip -6 "
                      f"({100 * (ours / os.path.getsize(zipped) - 1):+.1f}%).")

    tree_zip = os.path.join(self.work, "tree.zip")  # made once: only unzip is timed

    def packed():
        fresh_tree()
        subprocess.run(self.tool(root, "binput", "\\victim"), check=True)
        if not os.path.exists(tree_zip):
            subprocess.run(["sh", "-c", f"cd '{root}' && zip -r -6 -q '{tree_zip}' tree"],
                           check=True)

    self.compare(f"recycle restore vs unzip -q ({self.tree_label()})",
                 self.tool(root, "binrestore"),
                 ["unzip", "-q", tree_zip, "-d", unzipped],
                 (1.0, "time <= 1.0x"), prepare=packed)
    shutil.rmtree(victim, ignore_errors=True)
    shutil.rmtree(unzipped, ignore_errors=True)


def case_find(self):
    top = os.path.join(self.work, "root", "texts")
    files = self.size["texts"]
    if not os.path.isdir(top):
        rnd = random.Random(2)
        words = ["alpha", "beta", "gamma", "delta", "檔案", "資料匣", "needle"[::-1], "omega"]
        for i in range(files):
            folder = os.path.join(top, f"t{i % 20}", f"u{(i // 20) % 10}")
            os.makedirs(folder, exist_ok=True)
            text = " ".join(rnd.choice(words) for _ in range(rnd.randint(200, 2000)))
            if i % 50 == 0:
                text += " The NeedLe is here."
            encoding = "utf-16-le" if i % 2 else "utf-8"
            with open(os.path.join(folder, f"doc{i}.txt"), "wb") as f:
                f.write(text.encode(encoding))
    self.compare(f"content find vs grep -r -i -F -l ({files:,} text files)",
                 self.tool(os.path.join(self.work, "root"), "find", "\\texts", "*.txt", "needle"),
                 ["sh", "-c", f"grep -r -i -F -l needle '{top}' > /dev/null"],
                 (1 / 0.8, "throughput >= 0.8x"))


def case_paint(self):
    """The main window opened offscreen on the folder until its list has painted, against
    FillList alone on the same folder (whole process): painting may add 20% at most."""
    folder, count = self.many_files()
    scrolls = []

    def painted(output):
        m = re.search(r"open\+paint (\d+) ms; scroll \d+ pages (\d+) ms, worst page ([\d.]+) ms",
                      output)
        if not m:
            raise SystemExit(f"nuvio-bench-ui said: {output!r}")
        scrolls.append((float(m.group(2)), float(m.group(3))))
        return float(m.group(1)) / 1000

    self.compare(f"explorer open+paint vs FillList ({count:,} rows)",
                 [os.path.join(self.bin, "bench", "nuvio-bench-ui"),
                  os.path.join(self.work, "root"), "\\many"],
                 self.tool(os.path.join(self.work, "root"), "filllist", "\\many"),
                 (1.1, "time <= 1.1x"), ours_timing=painted)
    self.notes.append(
        f"File list on {count:,} rows: 200 scroll steps of three pages took "
        f"{statistics.median(s[0] for s in scrolls):.0f} ms (median of {len(scrolls)} runs), "
        f"the slowest step {max(s[1] for s in scrolls):.1f} ms.")


def case_paint1m(self):
    """The same on the largest folder, whole process against ls -l -U."""
    folder, count = self.many_files(self.size["huge"], "huge")
    self.compare(f"explorer open+paint vs ls -l -U ({count:,} rows)",
                 [os.path.join(self.bin, "bench", "nuvio-bench-ui"), os.path.dirname(folder),
                  "\\huge"],
                 ["sh", "-c", f"ls -l -U '{folder}' > /dev/null"],
                 (0.8, "time <= 0.8x"))


def case_clip(self):
    """A large file that does not compress, into the bin and back, against cp."""
    root = os.path.join(self.work, "root")
    clip = os.path.join(root, "clip.bin")
    copy = os.path.join(root, "clip.copy")
    master = os.path.join(self.work, "clip.master")
    size = self.size["clip_mib"] << 20
    os.makedirs(root, exist_ok=True)
    if not os.path.exists(master):
        with open(master, "wb") as f:
            for _ in range(size >> 20):
                f.write(os.urandom(1 << 20))

    def fresh():
        for path in (clip, copy, os.path.join(root, "~Recycle"),
                     os.path.join(self.work, "bench-settings.ini")):
            shutil.rmtree(path, ignore_errors=True) if os.path.isdir(path) else (
                os.path.exists(path) and os.remove(path))
        subprocess.run(["cp", master, clip], check=True)

    # cp leaves the copy in the page cache; the bin flushes its archive before it deletes the
    # original, and the restore the file before it removes the archive: cp with that one flush
    # (sync of the file) is the like-for-like comparison.
    label = f"{size >> 20} MiB that does not compress"
    for reference, cmd in (("cp", ["cp", clip, copy]),
                           ("cp + sync", ["sh", "-c", f"cp '{clip}' '{copy}' && sync '{copy}'"])):
        self.compare(f"recycle put vs {reference} ({label})", self.tool(root, "binput", "\\clip.bin"),
                     cmd, (2.0, "time <= 2x"), prepare=fresh)

    def put():
        fresh()
        subprocess.run(self.tool(root, "binput", "\\clip.bin"), check=True)

    for reference, cmd in (("cp", ["cp", master, copy]),
                           ("cp + sync", ["sh", "-c", f"cp '{master}' '{copy}' && sync '{copy}'"])):
        self.compare(f"recycle restore vs {reference} ({label})", self.tool(root, "binrestore"),
                     cmd, (2.0, "time <= 2x"), prepare=put)
    fresh()
    os.remove(clip)


def case_responsive(self):
    """The explorer putting a large text file into the bin behind its progress window."""
    root = os.path.join(self.work, "root")
    path = os.path.join(root, "long.txt")
    mib = self.size["long_mib"]
    os.makedirs(root, exist_ok=True)
    block = text_block(4 << 20)
    with open(path, "wb") as f:
        for i in range(mib):
            at = (i * 77773) % (3 << 20)
            f.write(block[at:at + (1 << 20)])
    out = subprocess.run([os.path.join(self.bin, "bench", "nuvio-bench-ui"), root, "\\",
                          "--put", "\\long.txt"], stdout=subprocess.PIPE).stdout
    self.notes.append(f"The explorer putting a {mib} MiB text file into the bin (targets: the "
                      "window handles its events at least every 100 ms, Cancel answered within "
                      "1 s, nothing lost): " + out.decode().strip())
    shutil.rmtree(os.path.join(root, "~Recycle"), ignore_errors=True)
    if os.path.exists(path):
        os.remove(path)


Bench.case_paint1m = case_paint1m
Bench.case_clip = case_clip
Bench.case_responsive = case_responsive
Bench.nuvio = nuvio
Bench.ls_case = ls_case
Bench.case_ls = case_ls
Bench.case_ls1m = case_ls1m
Bench.case_paint = case_paint
Bench.many_files = many_files
Bench.case_find = case_find
Bench.case_recycle = case_recycle
Bench.case_filllist = case_filllist
Bench.case_encrypt = case_encrypt


def write_doc(path, machine, table, notes):
    body = (f"Written by `bench/run` on {time.strftime('%Y-%m-%d')}. Machine: {machine}.\n\n"
            "Each case runs ours and the standard tool alternately after an untimed "
            "preparation (fresh copies, `sync`); the ratio is of the medians "
            "(ours / reference), so below 1 means faster than the tool.\n\n"
            f"{table}\n" + "".join(f"\n{note}\n" for note in notes))
    report_page.write_generated(path, "bench", body.rstrip("\n"), "Benchmarks")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default="build-release")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--size", choices=sorted(SIZES), default="full",
                        help="data set sizes; only a full run is written to the page")
    parser.add_argument("--quick", action="store_const", dest="size", const="quick",
                        help="same as --size quick")
    parser.add_argument("--keep", action="store_true", help="keep the generated data")
    parser.add_argument("--doc", help="also write the table to this Markdown file")
    parser.add_argument("cases", nargs="*",
                        help="filllist ls ls1m paint paint1m copy remove clip recycle responsive "
                             "encrypt find (none: all)")
    args = parser.parse_args()
    load_before = os.getloadavg()[0]
    bench = Bench(args)
    names = args.cases or ["filllist", "ls", "ls1m", "paint", "paint1m", "copy", "remove",
                           "clip", "recycle", "responsive", "encrypt", "find"]
    try:
        for name in names:
            getattr(bench, "case_" + name)()
    finally:
        if not args.keep:
            shutil.rmtree(bench.work, ignore_errors=True)
    size = "" if args.size == "full" else f" ({args.size} data sets)"
    # The machine is shared: the load tells how far the absolute times mean anything (the
    # ratios come from runs alternated under the same load).
    machine = (f"{report_page.machine_text()}; runs per case: {args.runs}{size}; "
               f"load average {load_before:.1f} at the start, {os.getloadavg()[0]:.1f} at the end")
    table = bench.table()
    print(f"Machine: {machine}\n")
    print(table)
    for note in bench.notes:
        print(f"\n{note}")
    if args.doc and args.size == "full" and not args.cases:
        write_doc(args.doc, machine, table, bench.notes)
    elif args.doc:
        print(f"\n(not written to {args.doc}: only a full run of every case is)")


if __name__ == "__main__":
    main()
