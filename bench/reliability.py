#!/usr/bin/env python3
"""The reliability suite after its build (see bench/reliability): the test suite under the
sanitizers, each fuzz target for a fixed time from the seed corpus in the repository, the
fault-injection cases, then the adversary section and the concurrency and kill section, which drive the real `nuvio` command line. Prints one summary; a full run keeps
it in docs/reliability.md.
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
import reliability_adversary  # noqa: E402
import reliability_kill  # noqa: E402
import report_page  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "tests", "reliability", "corpus")
TARGETS = [
    "recycle_index", "favorites", "encrypted_file", "shortcut", "column_order", "unzip",
    "clipboard_payload",
]
TEST_ENV = {"QT_QPA_PLATFORM": "offscreen", "TZ": "Asia/Taipei", "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8"}
SANITIZER_ENV = {
    "ASAN_OPTIONS": "detect_leaks=1:abort_on_error=1:strict_string_checks=1",
    "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1",
    "LSAN_OPTIONS": f"suppressions={os.path.join(ROOT, 'bench', 'lsan.supp')}",
}


def scratch_parent():
    """A memory file system for the many small writes, where there is one."""
    shm = "/dev/shm"
    return shm if os.path.isdir(shm) and os.access(shm, os.W_OK) else None


def env_with(*extra):
    env = dict(os.environ)
    for e in extra:
        env.update(e)
    return env


def run_ctest(build):
    """The whole test suite of a build; (tests run, failed, seconds)."""
    start = time.time()
    result = subprocess.run(["ctest", "--output-on-failure", "-j2", "--timeout", "600"],
                            cwd=build, env=env_with(TEST_ENV, SANITIZER_ENV),
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    sys.stdout.write(result.stdout[-20000:])
    match = re.search(r"(\d+)% tests passed, (\d+) tests failed out of (\d+)", result.stdout)
    if not match:
        return 0, 1, time.time() - start
    return int(match.group(3)), int(match.group(2)), time.time() - start


def run_fuzz(build, target, seconds, work, libfuzzer):
    """One target for a fixed time; (inputs run, ok, message)."""
    binary = os.path.join(build, "tests", "reliability", f"fuzz_{target}")
    seeds = os.path.join(CORPUS, target)
    found = os.path.join(work, "corpus", target)  # new inputs go here, not into the repo
    os.makedirs(found, exist_ok=True)
    artifacts = os.path.join(work, "artifacts")
    os.makedirs(artifacts, exist_ok=True)
    cmd = [binary, f"-max_total_time={seconds}", "-timeout=10", "-seed=1"]
    if libfuzzer:
        cmd += ["-rss_limit_mb=2048", "-print_final_stats=1",
                f"-artifact_prefix={artifacts}/{target}-", found]
    cmd.append(seeds)
    result = subprocess.run(cmd, cwd=artifacts,
                            env=env_with(SANITIZER_ENV, {"NUVIO_SCRATCH_DIR": work}),
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            timeout=seconds + 120)
    runs = re.findall(r"Done (\d+) runs", result.stdout)
    ok = result.returncode == 0 and bool(runs)
    message = "no crash, no hang" if ok else next(
        (line for line in result.stdout.splitlines()
         if "ERROR" in line or "check failed" in line or "outside" in line or "fuzz:" in line),
        f"exit code {result.returncode}")
    if not ok:
        sys.stdout.write(result.stdout[-6000:])
    return int(runs[-1]) if runs else 0, ok, message


def run_faults(build, work):
    """The fault-injection cases; (cases from their summary, ok)."""
    summary = os.path.join(work, "faults.json")
    env = env_with(TEST_ENV, SANITIZER_ENV, {"NUVIO_RELIABILITY_SUMMARY": summary})
    if scratch_parent():
        env["TMPDIR"] = scratch_parent()
    result = subprocess.run([os.path.join(build, "tests", "reliability", "nuvio_reliability")],
                            env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    lines = [l for l in result.stdout.splitlines()
             if not l.startswith("[ RUN") and not l.startswith("[       OK")]
    print("\n".join(lines[-60:]))
    try:
        with open(summary) as f:
            cases = json.load(f)["cases"]
    except (OSError, ValueError):
        cases = []
    return cases, result.returncode == 0


SECTIONS = ["fuzz", "faults", "adversary", "kill"]


def run_attacks(build, short, seed, sections, work):
    """The adversary and kill sections; a list of tally dicts."""
    nuvio = os.path.join(build, "src", "cli", "nuvio")
    # The sanitizers' leak report is the test suite's business; an error still aborts.
    os.environ["ASAN_OPTIONS"] = "detect_leaks=0:abort_on_error=1"
    os.environ["UBSAN_OPTIONS"] = SANITIZER_ENV["UBSAN_OPTIONS"]
    tallies = []
    if "adversary" in sections:
        print("== adversary: crafted bins and media, link swaps, case clashes, permissions",
              flush=True)
        tallies += print_tallies(reliability_adversary.run(nuvio, work, short))
    if "kill" in sections:
        print(f"== several processes and kills (seed {seed}; --seed repeats it)", flush=True)
        tallies += print_tallies(reliability_kill.run(nuvio, work, short, seed, build))
    return tallies


def print_tallies(tallies):
    out = []
    for t in tallies:
        d = t.as_dict()
        if d["skipped"]:
            print(f"  {d['name']}: {d['skipped']}", flush=True)
        else:
            other = f", {d['other']} {d['other_label']}" if d["other_label"] else ""
            print(f"  {d['name']}: {d['cases']} cases, {d['kills']} kills, {d['bytes_lost']} "
                  f"bytes lost, {d['written_outside']} files written and "
                  f"{d['deleted_outside']} deleted where they must not be{other} "
                  f"({d['seconds']:.0f} s)", flush=True)
            for n in d["notes"]:
                print(f"      {n}", flush=True)
        out.append(d)
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--short", action="store_true",
                        help="CI's run: the normal build, seconds per target, few kills")
    parser.add_argument("--build", help="build folder (build-asan, or build with --short)")
    parser.add_argument("--fuzz-seconds", type=int, help="per target (60, 3 with --short)")
    parser.add_argument("--doc", default=os.path.join(ROOT, "docs", "reliability.md"),
                        help="where a full run keeps its summary")
    parser.add_argument("--sections", default=",".join(SECTIONS),
                        help=f"which sections, comma-separated ({','.join(SECTIONS)}); the "
                        "full run also runs the test suite first")
    parser.add_argument("--seed", type=int, help="of the kill moments (printed when chosen)")
    parser.add_argument("--no-build", action="store_true",
                        help="use the build as it is (bench/reliability then builds nothing)")
    args = parser.parse_args()
    sections = [s.strip() for s in args.sections.split(",") if s.strip()]
    unknown = [s for s in sections if s not in SECTIONS]
    if unknown:
        parser.error(f"unknown section {', '.join(unknown)}")
    seed = args.seed if args.seed is not None else int(time.time()) % 100000
    build = os.path.join(ROOT, args.build or ("build" if args.short else "build-asan"))
    seconds = args.fuzz_seconds or (3 if args.short else 60)
    libfuzzer = not args.short and "NUVIO_FUZZ:BOOL=ON" in open(
        os.path.join(build, "CMakeCache.txt")).read()
    work = tempfile.mkdtemp(prefix="nuvio-reliability-", dir=scratch_parent())
    started = time.time()
    failures = []
    fuzz, cases, attacks = [], [], []
    try:
        tests = None
        if not args.short and sections == SECTIONS:
            print("== the test suite under ASan and UBSan", flush=True)
            tests = run_ctest(build)
            if tests[1] or not tests[0]:
                failures.append("sanitizer test suite")
        if "fuzz" in sections:
            print("== fuzz targets", flush=True)
        for target in (TARGETS if "fuzz" in sections else []):
            seeds = len(os.listdir(os.path.join(CORPUS, target)))
            runs, ok, message = run_fuzz(build, target, seconds, work, libfuzzer)
            print(f"  {target}: {runs} inputs in {seconds} s: {message}", flush=True)
            fuzz.append((target, seeds, runs, ok, message))
            if not ok:
                failures.append(f"fuzz_{target}")
        if "faults" in sections:
            print("== fault injection", flush=True)
            cases, faults_ok = run_faults(build, work)
            if not faults_ok:
                failures.append("fault injection")
        attacks = run_attacks(build, args.short, seed, sections, work)
        for a in attacks:
            if a["bytes_lost"] or a["written_outside"] or a["deleted_outside"] or a["other"]:
                failures.append(a["name"])
    finally:
        shutil.rmtree(work, ignore_errors=True)

    tried = sum(c["runs"] for c in cases) + sum(a["cases"] for a in attacks)
    injected = sum(c["faults"] for c in cases)
    kills = sum(a["kills"] for a in attacks)
    lost = sum(c["bytesLost"] for c in cases) + sum(a["bytes_lost"] for a in attacks)
    outside = sum(a["written_outside"] + a["deleted_outside"] for a in attacks)
    fuzzed = sum(f[2] for f in fuzz)
    line = (f"reliability: {tried} cases tried, {injected} faults injected, {kills} kills, "
            f"{fuzzed} inputs fuzzed, {lost} bytes lost, {outside} files written or deleted "
            "where they must not be")
    print(f"\n{line}" + (f"; FAILED: {', '.join(failures)}" if failures else "; all clean"))
    # One check per fuzz target and per case, in the closing form CI reads.
    checks = len(fuzz) + len(cases) + len(attacks) + (1 if tests else 0)
    failed = len(failures) + (1 if lost and not failures else 0)
    print(f"reliability: {checks - failed} passed, {failed} failed")
    print(f"reliability: took {time.time() - started:.0f} s")
    if not args.short and sections == SECTIONS:
        write_doc(args.doc, tests, fuzz, cases, attacks, seconds, libfuzzer, line,
                  failures, time.time() - started)
    return 1 if failures or lost else 0


def write_doc(path, tests, fuzz, cases, attacks, seconds, libfuzzer, line, failures,
              took):
    out = [f"Written by `bench/reliability` on {time.strftime('%Y-%m-%d')} in "
           f"{took / 60:.0f} minutes. Machine: {report_page.machine_text()}.", "",
           f"**{line}**" + (f" — FAILED: {', '.join(failures)}" if failures else "."), ""]
    if tests:
        out += ["| test suite (clang, ASan + UBSan) | tests | failed | time |",
                "|---|---|---|---|",
                f"| ctest | {tests[0]} | {tests[1]} | {tests[2]:.0f} s |", ""]
    engine = "libFuzzer" if libfuzzer else "replay-and-mutate driver"
    out += [f"| fuzz target ({engine}, {seconds} s each) | seeds | inputs | result |",
            "|---|---|---|---|"]
    out += [f"| `fuzz_{t}` | {s} | {r:,} | {m} |" for t, s, r, ok, m in fuzz]
    out += ["", "| fault case | runs | faults | bytes lost | "
            "half-written files | unrestorable entries |", "|---|---|---|---|---|---|"]
    out += [f"| {c['kind']}: {c['name']} | {c['runs']} | {c['faults']} | {c['bytesLost']} | "
            f"{c['strays']} | {c['unrestorable']} |" for c in cases]
    for section, title in (("adversary", "adversary"), ("kill", "several processes and kills")):
        rows = [a for a in attacks if a["section"] == section]
        if not rows:
            continue
        out += ["", f"| {title} | cases | kills | bytes lost | files written where they must "
                "not be | files deleted where they must not be | other |",
                "|---|---|---|---|---|---|---|"]
        for a in rows:
            if a["skipped"]:
                out.append(f"| {a['name']} | {a['skipped']} | | | | | |")
                continue
            other = f"{a['other']} {a['other_label']}" if a["other_label"] else ""
            out.append(f"| {a['name']} | {a['cases']} | {a['kills']} | {a['bytes_lost']} | "
                       f"{a['written_outside']} | {a['deleted_outside']} | {other} |")
    report_page.write_generated(path, "reliability", "\n".join(out), "Reliability")


if __name__ == "__main__":
    sys.exit(main())
