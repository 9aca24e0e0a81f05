"""The concurrency and kill section of the reliability suite: several `nuvio` processes
putting, restoring and erasing in one bin at once; SIGKILL at random moments of copy, move,
restore, encrypt, decrypt and bin put, each followed by a check of every original byte, a look
for debris under final names and a second run of the same command; in the full run a sparse
file over 4 GiB through the bin and a copy.
"""
import os
import random
import shutil
import signal
import time

from reliability_adversary import Tally, timed
from reliability_device import BIN, TMP_PREFIX, Device, md5_of

PASSWORD = b"kill test pass\n"


def originals_kept(dev, files, allowed=()):
    """Bytes of files (device path -> (md5, size)) neither in place nor restorable byte for
    byte from the bin nor at one of the allowed device folders; and their paths."""
    lost, paths = 0, []
    in_bin = None
    for path, (digest, size) in files.items():
        host = dev.host(path)
        if os.path.isfile(host) and md5_of(host) == digest:
            continue
        name = path.rsplit("\\", 1)[1]
        if any(os.path.isfile(dev.host(f"{a}\\{name}")) and
               md5_of(dev.host(f"{a}\\{name}")) == digest for a in allowed):
            continue
        if in_bin is None:
            in_bin = dev.bin_contents()
        if digest in in_bin:
            continue
        lost += size
        paths.append(path)
    return lost, paths


# ---- several processes in one bin ---------------------------------------------------------

def run_concurrent_bin(nuvio, parent, rounds, size):
    tally = Tally("kill", "several processes in one bin")
    # A put that fails only because another process works in the bin is a fault too: the
    # lock makes them wait their turn.
    tally.other_label = "failed puts or wrong restores"
    dev = Device(nuvio, parent, card=False, settings={"RecycleBinPos": 0})
    try:
        junk = 0

        def add_junk(n):
            nonlocal junk
            for _ in range(n):
                path = f"\\Junk\\j{junk}.txt"
                dev.write(path, b"junk %d\n" % junk * 100)
                dev.run("bin", "put", path)
                junk += 1

        # Every round restores and erases the entry in position 0, which must be junk: enough
        # of it goes in first, a second ahead of everything tracked, and no more later.
        add_junk(2 * rounds + 2)
        time.sleep(1.1)
        tracked = {}  # every real original so far: path -> (md5, size)
        junk_content = {}
        for r in range(rounds):
            files = {}
            for folder in ("A", "B", "C"):  # the same name in different folders
                files[f"\\R{r}{folder}\\report.txt"] = os.urandom(size)
            files[f"\\R{r}D\\d{r}.bin"] = os.urandom(size // 2)  # different names
            files[f"\\R{r}D\\e{r}.bin"] = os.urandom(size // 3)
            for path, data in files.items():
                dev.write(path, data)
                tracked[path] = (md5_of(dev.host(path)), len(data))
            for i in range(junk):
                junk_content[f"\\Junk\\j{i}.txt"] = b"junk %d\n" % i * 100
            puts = [dev.start("bin", "put", p) for p in files if "report" in p]
            puts.append(dev.start("bin", "put", f"\\R{r}D\\d{r}.bin", f"\\R{r}D\\e{r}.bin"))
            others = [dev.start("bin", "restore", "0"),  # junk: the oldest entries
                      dev.start("bin", "erase", "0")]
            failed = sum(1 for p in puts if p.wait(120) != 0)
            for p in others:
                p.wait(120)
            tally.cases += 1
            tally.other += failed
            if failed:
                tally.note(f"round {r + 1}: {failed} of {len(puts)} puts failed")
            lost, paths = originals_kept(dev, tracked)
            tally.bytes_lost += lost
            if paths:
                tally.note(f"round {r + 1}: lost {', '.join(paths[:3])}")
            for path, data in junk_content.items():  # a restore brings back what was put
                host = dev.host(path)
                if os.path.isfile(host):
                    with open(host, "rb") as f:
                        if f.read() != data:
                            tally.other += 1
                            tally.note(f"round {r + 1}: {path} restored with other bytes")
        # At the end everything listed comes back, byte for byte.
        count = len(dev.entries())
        if count:
            dev.run("bin", "restore", "--yes", *[str(i) for i in range(count)])
        tally.cases += 1
        lost, paths = originals_kept(dev, tracked)
        missing = [p for p in tracked if not os.path.isfile(dev.host(p))]
        if lost:
            tally.note(f"after restoring all: lost {', '.join(paths[:3])}")
        tally.bytes_lost += lost
        if missing and not lost:
            tally.note(f"still in the bin after restoring all: {', '.join(missing[:3])}")
    finally:
        dev.remove()
    return tally


def compressible(size):
    """Text-like bytes that deflate shrinks, different on every call."""
    words = [os.urandom(3).hex().encode() for _ in range(200)]
    block = b" ".join(random.choice(words) for _ in range(10000))
    out = bytearray()
    while len(out) < size:
        out += os.urandom(8).hex().encode() + block[random.randrange(len(block) // 2):]
    return bytes(out[:size])


# ---- kills at random moments --------------------------------------------------------------

class KillCase:
    """One operation on a fresh device: prepare, the command, and what its whole result is."""

    def __init__(self, name, size):
        self.name, self.size = name, size

    def prepare(self, dev):
        self.files = {}
        # Random data, which the bin stores, and text, which it deflates on every core; the
        # last file is long enough to be deflated in pieces.
        sizes = [self.size, self.size // 2, self.size // 4, 4096, 0, self.size // 3,
                 2 * self.size + 12345]
        for i, n in enumerate(sizes):
            path = f"\\Data\\f{i}.bin" if i != 1 else f"\\Data\\Inner\\f{i}.bin"
            text = i % 2 == 1 or i == len(sizes) - 1
            dev.write(path, compressible(n) if text else os.urandom(n))
            self.files[path] = (md5_of(dev.host(path)), n)
        if self.name in ("copy", "move"):
            dev.mkdir("\\Out")
        if self.name == "restore":
            dev.run("bin", "put", "\\Data")
        if self.name == "decrypt":
            dev.run("encrypt", "--delete", "--password-fd", "0", *self.files, stdin=PASSWORD)

    def command(self):
        encs = [p + ".enc" for p in self.files]
        return {
            "copy": (["cp", "--yes", "\\Data", "\\Out"], None),
            "move": (["mv", "--yes", "\\Data", "\\Out"], None),
            "restore": (["bin", "restore", "--yes", "0"], None),
            "bin put": (["bin", "put", "\\Data"], None),
            "encrypt": (["encrypt", "--password-fd", "0"] + list(self.files), PASSWORD),
            "decrypt": (["decrypt", "--yes", "--password-fd", "0"] + encs, PASSWORD),
        }[self.name]

    def rerun_applies(self, dev):
        """Whether the same command has something to do after the kill."""
        if self.name == "move" or self.name == "bin put":
            return os.path.isdir(dev.host("\\Data"))
        if self.name == "restore":
            return bool(dev.entries())
        return True

    def lost(self, dev):
        """Original bytes gone: the sources (or, for decrypt, the encrypted files)."""
        if self.name == "decrypt":
            return originals_kept(dev, self.encrypted)
        allowed = []
        if self.name == "move":
            allowed = ["\\Out\\Data", "\\Out\\Data\\Inner"]
        return originals_kept(dev, self.files, allowed)

    def debris(self, dev):
        """Visible files under final names that are not whole, and visible leftovers."""
        bad = []
        want = {p.rsplit("\\", 1)[1]: d for p, (d, _) in self.files.items()}
        tops = {"copy": "\\Out\\Data", "move": "\\Out\\Data"}.get(self.name, "\\Data")
        host = dev.host(tops)
        for folder, dirs, names in os.walk(host):
            for n in names:
                path = os.path.join(folder, n)
                if n.startswith(TMP_PREFIX):
                    continue
                if n in want and md5_of(path) == want[n]:
                    continue
                if self.name == "encrypt" and n.endswith(".enc"):
                    if os.path.getsize(path) == self.enc_sizes.get(n.split("(")[0].replace(
                            ".enc", "") + ".enc", -1):
                        continue
                if self.name == "decrypt" and n.endswith(".enc"):
                    continue
                bad.append(os.path.relpath(path, dev.root))
        folder = dev.host("\\" + BIN)
        listed = {e["archive"].rsplit("\\", 1)[1].lower() for e in dev.entries()}
        if os.path.isdir(folder):
            for n in os.listdir(folder):
                if n.lower() == (BIN + ".bin").lower() or n.lower() in listed:
                    continue
                # Our hidden temporary names and a lock file (empty) are not debris.
                path = os.path.join(folder, n)
                if n.startswith(TMP_PREFIX) or n.lower().endswith(".lock") or (
                        os.path.isfile(path) and os.path.getsize(path) == 0):
                    continue
                bad.append(f"{BIN}/{n}")
        return bad

    def whole(self, dev):
        """After the second run: the operation's result is complete."""
        if self.name in ("copy", "move"):
            return all(os.path.isfile(dev.host("\\Out" + p)) and
                       md5_of(dev.host("\\Out" + p)) == d for p, (d, _) in self.files.items())
        if self.name in ("restore", "decrypt"):
            return all(os.path.isfile(dev.host(p)) and md5_of(dev.host(p)) == d
                       for p, (d, _) in self.files.items())
        return True


def kill_round(nuvio, parent, case, kill_after):
    """(killed, bytes lost, lost paths, debris, second run failed, seconds)."""
    dev = Device(nuvio, parent, card=False, settings={"RecycleBinPos": 0})
    try:
        case.prepare(dev)
        if case.name == "decrypt":
            case.encrypted = {p + ".enc": (md5_of(dev.host(p + ".enc")),
                                           os.path.getsize(dev.host(p + ".enc")))
                              for p in case.files}
        args, stdin = case.command()
        started = time.monotonic()
        p = dev.start(*args, stdin=stdin)
        if kill_after is not None:
            time.sleep(kill_after)
            p.send_signal(signal.SIGKILL)
        code = p.wait(300)
        took = time.monotonic() - started
        killed = code == -signal.SIGKILL
        if kill_after is None and case.name == "encrypt":
            case.enc_sizes = {os.path.basename(dev.host(q + ".enc")):
                              os.path.getsize(dev.host(q + ".enc")) for q in case.files}
        lost, paths = case.lost(dev)
        debris = case.debris(dev)
        rerun_failed = False
        if kill_after is None:
            rerun_failed = code != 0 or not case.whole(dev)
        elif case.rerun_applies(dev):
            r = dev.run(*args, stdin=stdin)
            rerun_failed = r.returncode != 0 or not case.whole(dev)
            lost2, paths2 = case.lost(dev)
            if lost2 > lost:
                lost, paths = lost2, paths2
            debris += [d for d in case.debris(dev) if d not in debris]
        return killed, lost, paths, debris, rerun_failed, took
    finally:
        dev.remove()


KILL_OPERATIONS = ["copy", "move", "restore", "encrypt", "decrypt", "bin put"]


def run_kills(nuvio, parent, name, kills, size, seed):
    rng = random.Random(f"{seed} {name}")
    tally = Tally("kill", f"SIGKILL during {name}")
    tally.other_label = "debris or failed second runs"
    case = KillCase(name, size)
    case.enc_sizes = {}
    _, lost, paths, debris, failed, whole = kill_round(nuvio, parent, case, None)
    tally.cases += 1
    tally.bytes_lost += lost
    tally.other += len(debris) + (1 if failed else 0)
    if lost or debris or failed:
        tally.note(f"uninterrupted: lost {paths[:2]}, debris {debris[:2]}, failed {failed}")
    for _ in range(kills):
        at = rng.uniform(0, whole)
        killed, lost, paths, debris, failed, _ = kill_round(nuvio, parent, case, at)
        tally.cases += 1
        tally.kills += 1 if killed else 0
        tally.bytes_lost += lost
        tally.other += len(debris) + (1 if failed else 0)
        if lost or debris or failed:
            tally.note(f"killed at {at * 1000:.0f} ms: lost {paths[:2]}, "
                       f"debris {debris[:2]}, second run failed: {failed}")
    return tally


# ---- a sparse file over 4 GiB -------------------------------------------------------------

def run_big_file(nuvio, disk_parent):
    tally = Tally("kill", "sparse 4.1 GiB file: bin round trip and copy")
    size = (4 << 30) + (100 << 20)
    free = shutil.disk_usage(disk_parent).free
    if free < 3 * size:
        tally.skipped = f"skipped: {free >> 30} GiB free in {disk_parent}, needs {3 * size >> 30}"
        return tally
    dev = Device(nuvio, disk_parent, card=False, settings={"RecycleBinPos": 0})
    try:
        path = "\\Big\\big.bin"
        host = dev.host(path)
        os.makedirs(os.path.dirname(host))
        with open(host, "wb") as f:
            for offset in (0, 2 << 30, size - (1 << 20)):
                f.seek(offset)
                f.write(os.urandom(1 << 20))
            f.truncate(size)
        digest = md5_of(host)
        dev.mkdir("\\Copy")
        r = dev.run("cp", path, "\\Copy", timeout=3600)
        tally.cases += 1
        copy = dev.host("\\Copy\\big.bin")
        if r.returncode != 0 or not os.path.isfile(copy) or md5_of(copy) != digest:
            tally.other += 1
            tally.note(f"copy: exit {r.returncode}, not byte for byte")
        if os.path.exists(copy):
            os.unlink(copy)
        r = dev.run("bin", "put", path, timeout=3600)
        tally.cases += 1
        entries = dev.entries()
        if entries and entries[0].get("size") != size:
            tally.other += 1
            tally.note(f"bin list size {entries[0].get('size')}, not {size}")
        if not os.path.exists(host):
            dev.run("bin", "restore", "0", timeout=3600)
        if not os.path.isfile(host) or md5_of(host) != digest:
            tally.bytes_lost += size
            tally.note("the file did not come back byte for byte")
    finally:
        dev.remove()
    tally.other_label = "failed copies or wrong sizes"
    return tally


def run(nuvio, parent, short, seed, disk_parent):
    """Every part of the section; a list of Tally."""
    size = (2 << 20) if short else (4 << 20)
    tallies = timed(run_concurrent_bin, nuvio, parent, 3 if short else 12, size)
    for name in KILL_OPERATIONS:
        tallies += timed(run_kills, nuvio, parent, name, 2 if short else 20, size, seed)
    if not short:
        tallies += timed(run_big_file, nuvio, disk_parent)
    return tallies
