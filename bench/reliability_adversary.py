"""The adversary section of the reliability suite: the real `nuvio` command line attacked as an
ordinary user would be, with crafted bin indexes and archives, removable media whose names
clash with root folders, a process that swaps folders for links to outside the device while
an operation runs, names that differ only in letter case, and permission bits.

Each part returns a Tally; nothing lost, written or deleted where it must not be is the pass.
"""
import hashlib
import multiprocessing
import os
import shutil
import time
import zipfile

from reliability_device import BIN, CARD, Device, compare, encode_index, md5_of, picture


class Tally:
    """What one part of a section tried and what went wrong."""

    FIELDS = ("cases", "kills", "bytes_lost", "written_outside", "deleted_outside", "other")

    def __init__(self, section, name):
        self.section, self.name = section, name
        self.cases = self.kills = self.bytes_lost = 0
        self.written_outside = self.deleted_outside = self.other = 0
        self.other_label = ""
        self.skipped = ""
        self.notes = []
        self.noted = 0
        self.seconds = 0.0

    def note(self, text):
        self.noted += 1
        if len(self.notes) < 6:
            self.notes.append(text)
        elif len(self.notes) == 6:
            self.notes.append("")
        if self.noted > 6:
            self.notes[6] = f"... and {self.noted - 6} more"

    def failed(self):
        return bool(self.bytes_lost or self.written_outside or self.deleted_outside or self.other)

    def as_dict(self):
        d = {f: getattr(self, f) for f in self.FIELDS}
        d.update(section=self.section, name=self.name, other_label=self.other_label,
                 skipped=self.skipped, notes=self.notes, seconds=self.seconds)
        return d


def standard_tree(dev):
    """Folders a crafted input aims at, each with a file of its own content."""
    files = {
        "\\Windows\\system.ini": b"[boot]\n" * 50,
        "\\Windows\\Start Menu\\Programs\\app.lnk": b"#app\n",
        "\\My Documents\\doc.txt": b"my document\n" * 100,
        "\\My Documents\\Notes\\n1.txt": b"note one\n" * 30,
        "\\Temp\\t.txt": b"temporary\n" * 20,
        "\\My Documents\\victim.txt": b"the item the entry names\n" * 40,
    }
    if dev.card:
        files[f"\\{CARD}\\photo.jpg"] = os.urandom(20000)
        files[f"\\{CARD}\\Music\\song.mp3"] = os.urandom(30000)
    for path, data in files.items():
        dev.write(path, data)
    return files


def outside_effects(dev, before_outside):
    """(written, deleted) in the folder outside the device and beside the sandbox's folders."""
    gone, _, added = compare(before_outside, picture(dev.outside))
    strays = [n for n in os.listdir(dev.base)
              if n not in ("root", "card", "home", "outside", "hold")]
    return len(added) + len(strays), len(gone)


def seed_outside(dev):
    dev_out = dev.outside
    os.makedirs(os.path.join(dev_out, "victim", "deep"), exist_ok=True)
    for i in range(8):
        with open(os.path.join(dev_out, "victim", f"f{i}.txt"), "wb") as f:
            f.write(b"OUTSIDE THE DEVICE %d\n" % i * 10)
    with open(os.path.join(dev_out, "victim", "deep", "f0.txt"), "wb") as f:
        f.write(b"OUTSIDE, DEEPER\n")
    with open(os.path.join(dev_out, "escape-target.txt"), "wb") as f:
        f.write(b"outside file\n")
    return picture(dev_out)


def index_host_path(dev, bin_folder):
    return dev.host(bin_folder + "\\" + BIN + ".bin")


# ---- (a) crafted indexes and archives --------------------------------------------------

VICTIM = "\\My Documents\\victim.txt"

# name, archive path ({bin} is the bin folder), index magic
CRAFTED_INDEXES = [
    ("archive is \\Windows", "\\Windows", "NR1"),
    ("archive is the root", "\\", "NR1"),
    ("archive is the card", f"\\{CARD}", "NR1"),
    ("archive is the item's folder", "\\My Documents", "NR1"),
    ("archive leaves the bin by ..", "{bin}\\..\\Temp", "NR1"),
    ("archive is a file outside the bin", "\\Windows\\system.ini", "NR1"),
    ("archive is the bin folder", "{bin}", "NR1"),
    ("old-version item \\Windows", "\\Windows", "NR0"),
]
# What the user does next: the command, and whether the lifetime purge is on.
INDEX_ACTIONS = [
    ("bin erase", ["bin", "erase", "0"], False),
    ("bin purge", ["bin", "purge", "--force"], True),
    ("plain ls (start-up purge)", ["ls", "\\"], True),
    ("bin restore", ["bin", "restore", "--yes", "0"], False),
]
# name, member added to the item's archive
CRAFTED_MEMBERS = [
    ("member in \\Windows", "Windows/system.ini"),
    ("member beside the item", "My Documents/doc.txt"),
    ("member on the card", f"{CARD}/photo.jpg"),
    ("member climbing with ..", "My Documents/../Temp/t.txt"),
    ("member with a host path", "../../outside/escape-target.txt"),
    ("member under a backslash", "\\Temp\\t.txt"),
    ("member in the bin folder", f"{BIN}/{BIN}.bin"),
]


def crafted_device(nuvio, parent, on_card, lifetime):
    dev = Device(nuvio, parent, card=True,
                 settings={"RecycleBinPos": 1 if on_card else 0, "StorageCard": CARD,
                           "Lifetime": 1 if lifetime else 0})
    files = standard_tree(dev)
    dev.victim = (md5_of(dev.host(VICTIM)), len(files[VICTIM]))
    before_outside = seed_outside(dev)
    r = dev.run("bin", "put", VICTIM)
    entries = dev.entries()
    if r.returncode != 0 or len(entries) != 1:
        dev.remove()
        raise RuntimeError(f"bin put of the victim failed: {r.stderr[-300:]!r}")
    return dev, entries[0], before_outside


def judge_entry(dev, tally, before, before_outside, label, victim=None):
    """Everything but the entry's own item must be as before; after a restore the item
    itself (content victim) must be back or still restorable."""
    keep = lambda rel: rel.lower().startswith(VICTIM.lower())
    gone, gone_bytes, added = compare(before, dev.device_picture(), keep)
    if victim:
        host = dev.host(VICTIM)
        back = os.path.isfile(host) and md5_of(host) == victim[0]
        # An old-version index restores its items as the plain files they are: an archive it
        # lists comes back whole, with the victim's bytes inside, not unpacked.
        if not back and os.path.isfile(host) and zipfile.is_zipfile(host):
            with zipfile.ZipFile(host) as z:
                back = any(hashlib.md5(z.read(i)).hexdigest() == victim[0]
                           for i in z.infolist() if not i.is_dir())
        if not back and victim[0] not in dev.bin_contents():
            gone.append(VICTIM)
            gone_bytes += victim[1]
    written, deleted = outside_effects(dev, before_outside)
    tally.deleted_outside += len(gone) + deleted
    tally.written_outside += len(added) + written
    tally.bytes_lost += gone_bytes
    if gone or added or written or deleted:
        tally.note(f"{label}: {len(gone)} deleted or changed ({', '.join(gone[:3])}), "
                   f"{len(added) + written} written")


def run_crafted_indexes(nuvio, parent, places):
    tally = Tally("adversary", "crafted bin indexes")
    for on_card in places:
        where = "card" if on_card else "device"
        for lifetime in (False, True):
            template, entry, before_outside = crafted_device(nuvio, parent, on_card, lifetime)
            try:
                for name, archive, magic in CRAFTED_INDEXES:
                    for action, args, purge in INDEX_ACTIONS:
                        if purge != lifetime:
                            continue
                        dev = template.clone()
                        dev.victim = template.victim
                        try:
                            crafted_index_case(dev, tally, entry, before_outside, archive, magic,
                                               args, lifetime, f"{where}, {name}, {action}")
                        finally:
                            dev.remove()
            finally:
                template.remove()
    return tally


def crafted_index_case(dev, tally, entry, before_outside, archive, magic, args, lifetime, label):
    bin_folder = entry["archive"].rsplit("\\", 1)[0]
    crafted = archive.replace("{bin}", bin_folder)
    year = 2001 if lifetime else 2030
    index = encode_index(
        [(crafted, "\\Temp\\gone" if magic == "NR0" else VICTIM, year, 10, 0x10),
         (entry["archive"], VICTIM, year, entry["size"], 0x20)], magic)
    with open(index_host_path(dev, bin_folder), "wb") as f:
        f.write(index)
    before = dev.device_picture()
    dev.run(*args)
    tally.cases += 1
    judge_entry(dev, tally, before, before_outside, label,
                dev.victim if args[1] == "restore" else None)


def run_crafted_archives(nuvio, parent, places):
    tally = Tally("adversary", "crafted bin archives")
    for on_card in places:
        where = "card" if on_card else "device"
        template, entry, before_outside = crafted_device(nuvio, parent, on_card, False)
        try:
            for name, member in CRAFTED_MEMBERS:
                dev = template.clone()
                dev.victim = template.victim
                try:
                    with zipfile.ZipFile(dev.host(entry["archive"]), "a") as z:
                        z.writestr(zipfile.ZipInfo(member, (2020, 1, 1, 0, 0, 0)),
                                   b"CRAFTED\n" * 9)
                    before = dev.device_picture()
                    dev.run("bin", "restore", "--yes", "0")
                    tally.cases += 1
                    judge_entry(dev, tally, before, before_outside, f"{where}, {name}",
                                dev.victim)
                finally:
                    dev.remove()
        finally:
            template.remove()
    return tally


# What no command may take whole: the root, a card and the bin folder.
REFUSED_TARGETS = ["\\", f"\\{CARD}", f"\\{BIN}"]
REFUSED_COMMANDS = [["rm", "--yes"], ["rm", "--purge", "--yes"], ["bin", "put"]]


def run_refused_targets(nuvio, parent):
    tally = Tally("adversary", "the root, a card and the bin deleted")
    template, _, before_outside = crafted_device(nuvio, parent, False, False)
    try:
        for target in REFUSED_TARGETS:
            for command in REFUSED_COMMANDS:
                dev = template.clone()
                try:
                    before = dev.device_picture(skip_bin=False)
                    dev.run(*command, target)
                    tally.cases += 1
                    # The bin's archives count; its index may be written again.
                    gone, gone_bytes, _ = compare(before, dev.device_picture(skip_bin=False),
                                                  lambda k: k.lower().endswith(".bin"))
                    w, d = outside_effects(dev, before_outside)
                    tally.deleted_outside += len(gone) + d
                    tally.written_outside += w
                    tally.bytes_lost += gone_bytes
                    if gone:
                        tally.note(f"{' '.join(command)} {target}: {len(gone)} files deleted")
                finally:
                    dev.remove()
    finally:
        template.remove()
    return tally


# ---- (b) removable media whose names clash ----------------------------------------------

MEDIA_NAMES = ["My Documents", "Windows", BIN, "Temp", "usb", "USB"]
MEDIA_VICTIM = "\\Program Files"  # what the stick's index names as an archive


def media_folder(user):
    """/media/USER ready for our media, and the folder we made for it (None when we may
    not use it)."""
    base = os.path.join("/media", user)
    if os.path.isdir(base):
        ok = os.access(base, os.W_OK) and not os.listdir(base)
        return (base, None) if ok else (None, None)
    if os.geteuid() != 0:
        return None, None
    made = "/media" if not os.path.isdir("/media") else base
    os.makedirs(base, mode=0o755)
    return base, made


def run_media(nuvio, parent):
    tally = Tally("adversary", "media names clashing with root folders")
    tally.other_label = "shadowed"
    user = os.environ.get("NUVIO_MEDIA_USER", "nuvio-media-test")
    base, made = media_folder(user)
    if not base:
        tally.skipped = (f"skipped: /media/{user} cannot be made (not root) or is in use; "
                         "CI prepares it for its user")
        return tally
    dev = Device(nuvio, parent, card=False, settings={"RecycleBinPos": 0, "Lifetime": 1})
    dev.env["USER"] = user
    dev.root = os.path.join(dev.env["XDG_DATA_HOME"], "nuvio-explorer", "device")
    dev.default_device = True
    dev.set_settings({"RecycleBinPos": 0, "Lifetime": 1})
    media = {}
    try:
        for name in MEDIA_NAMES:
            folder = os.path.join(base, name)
            os.makedirs(folder)
            media[name] = folder
            with open(os.path.join(folder, f"stick-{name.lower()}.txt"), "wb") as f:
                f.write(b"on the stick\n")
        # A bin index on the stick named like the bin folder, listing a device folder.
        with open(os.path.join(media[BIN], BIN + ".bin"), "wb") as f:
            f.write(encode_index([(MEDIA_VICTIM, "\\Temp\\x", 2001, 10, 0x10)]))
        before_outside = seed_outside(dev)

        def command(args):
            return [nuvio] + list(args)  # no --root: the user's device with media

        dev.command = command
        # Commands that only read make nothing: the first one that writes seeds the
        # device (standard folders, favourites).
        dev.run("bin", "purge", "--force")
        for path, data in {"\\My Documents\\doc.txt": b"device document\n",
                           "\\Windows\\system.ini": b"[boot]\n",
                           MEDIA_VICTIM + "\\app.exe": b"program\n" * 50,
                           "\\Temp\\t.txt": b"device temp\n"}.items():
            dev.write(path, data)
        # A stick without a clashing name must show, or nothing below was tested.
        listing = dev.run("ls", "\\").stdout.decode("utf-8", "replace").lower()
        if "usb" not in listing:
            tally.other += 1
            tally.note(f"no medium of /media/{user} shows in the root: nothing tested")
        before = dev.device_picture()
        before_media = picture(base)
        steps = [("ls", "\\My Documents"), ("ls", "\\Windows"), ("bin", "list"),
                 ("bin", "purge", "--force"), ("bin", "erase", "0"),
                 ("rm", "--yes", "\\Temp\\t.txt"), ("bin", "restore", "--yes", "0")]
        for args in steps:
            r = dev.run(*args)
            tally.cases += 1
            if args[0] == "ls":
                out = r.stdout.decode("utf-8", "replace")
                if "stick-" in out:
                    tally.other += 1
                    tally.note(f"ls {args[1]} lists the stick's files")
        gone, gone_bytes, added = compare(before, dev.device_picture())
        tally.deleted_outside += len(gone)
        tally.bytes_lost += gone_bytes
        tally.written_outside += len(added)
        if gone or added:
            tally.note(f"device changed: {', '.join((gone + added)[:4])}")
        m_gone, _, m_added = compare(before_media, picture(base))
        if m_gone or m_added:
            tally.note(f"media changed: {', '.join((m_gone + m_added)[:4])}")
        tally.written_outside += len(m_added)
        tally.deleted_outside += len(m_gone)
        w, d = outside_effects(dev, before_outside)
        tally.written_outside += w
        tally.deleted_outside += d
    finally:
        for folder in media.values():
            shutil.rmtree(folder, ignore_errors=True)
        if made:
            shutil.rmtree(made, ignore_errors=True)
        dev.remove()
    return tally


# ---- (c) folders swapped for links while an operation runs -------------------------------

def swapper(folders, hold, target, stop):
    """Swaps each folder for a link to target and back, as fast as it can."""
    os.makedirs(hold, exist_ok=True)
    while not stop.is_set():
        for i, folder in enumerate(folders):
            held = os.path.join(hold, str(i))
            try:
                os.rename(folder, held)
            except OSError:
                continue
            try:
                os.symlink(target, folder)
                for _ in range(200):
                    pass
                os.unlink(folder)
            except OSError:
                pass
            try:
                os.rename(held, folder)
            except OSError:
                pass  # the operation made a folder there: leave ours in hold


def swap_tree(dev, top, folders=4, files=24):
    for i in range(folders):
        for j in range(files):
            dev.write(f"{top}\\s{i}\\f{j}.txt", b"device file %d %d\n" % (i, j) * 40)


LINK_OPERATIONS = ["copy", "move", "delete", "bin put", "restore"]


def link_round(nuvio, parent, operation):
    dev = Device(nuvio, parent, card=False, settings={"RecycleBinPos": 0})
    try:
        before_outside = seed_outside(dev)
        swap_tree(dev, "\\Src")
        swapped = [dev.host(f"\\Src\\s{i}") for i in range(4)]
        args = {"copy": ["cp", "--yes", "\\Src", "\\Dst"],
                "move": ["mv", "--yes", "\\Src", "\\Dst"],
                "delete": ["rm", "--purge", "--yes", "\\Src"],
                "bin put": ["bin", "put", "\\Src"],
                "restore": ["bin", "restore", "--yes", "0"]}[operation]
        if operation in ("copy", "move"):
            swap_tree(dev, "\\Dst\\Src", files=2)  # folders the copy writes into
            swapped += [dev.host(f"\\Dst\\Src\\s{i}") for i in range(4)]
        if operation == "restore":
            dev.run("bin", "put", "\\Src")
            for i in range(4):
                dev.mkdir(f"\\Src\\s{i}")  # folders the restore writes into
        stop = multiprocessing.Event()
        p = multiprocessing.Process(target=swapper, args=(
            swapped, os.path.join(dev.base, "hold"), os.path.join(dev.outside, "victim"), stop))
        p.start()
        time.sleep(0.005)
        dev.run(*args)
        stop.set()
        p.join(10)
        if p.is_alive():
            p.kill()
        return outside_effects(dev, before_outside)
    finally:
        dev.remove()


def run_link_swaps(nuvio, parent, rounds):
    tally = Tally("adversary", "folders swapped for links")
    for r in range(rounds):
        for operation in LINK_OPERATIONS:
            written, deleted = link_round(nuvio, parent, operation)
            tally.cases += 1
            tally.written_outside += written
            tally.deleted_outside += deleted
            if written or deleted:
                tally.note(f"{operation} (round {r + 1}): {written} written, "
                           f"{deleted} deleted outside")
    return tally


# ---- (d) names that differ only in letter case -------------------------------------------

CASE_FILES = {"\\Case\\A.txt": b"upper A " * 300,
              "\\Case\\a.txt": b"lower a " * 200,
              "\\Case\\Sub\\x.txt": b"upper Sub x " * 100,
              "\\Case\\sub\\x.txt": b"lower sub x " * 90,
              "\\Case\\sub\\only.txt": b"only in lower sub " * 50}
CASE_OPERATIONS = [
    ("bin put folder, restore", [["bin", "put", "\\Case"], ["bin", "restore", "0"]]),
    ("bin put both files, restore both",
     [["bin", "put", "\\Case\\A.txt"], ["bin", "put", "\\Case\\a.txt"],
      ["bin", "restore", "0", "1"]]),
    ("move to the card", [["mv", "\\Case", f"\\{CARD}"]]),
    ("move to the card, replacing", [["mv", "--yes", "\\Case", f"\\{CARD}"]]),
    ("copy to the card", [["cp", "\\Case", f"\\{CARD}"]]),
]


def run_case_clashes(nuvio, parent):
    tally = Tally("adversary", "names differing only in case")
    tally.other_label = "silently missing copies"
    for name, steps in CASE_OPERATIONS:
        dev = Device(nuvio, parent, card=True, settings={"RecycleBinPos": 0})
        try:
            for path, data in CASE_FILES.items():
                dev.write(path, data)
            wanted = {md5_of(dev.host(p)): (p, len(d)) for p, d in CASE_FILES.items()}
            codes = [dev.run(*args).returncode for args in steps]
            tally.cases += 1
            on_device = {f[2] for f in dev.device_picture().values() if f[0] == "file"}
            in_bin = dev.bin_contents()
            for digest, (path, size) in wanted.items():
                if digest in on_device or digest in in_bin:
                    # A copy said to be done must hold every file.
                    if name.startswith("copy") and codes[-1] == 0:
                        copied = {f[2] for k, f in dev.device_picture().items()
                                  if k.lower().startswith(f"\\{CARD.lower()}\\case")}
                        if digest not in copied:
                            tally.other += 1
                            tally.note(f"{name}: {path} missing from the copy, exit 0")
                    continue
                tally.bytes_lost += size
                tally.note(f"{name}: {path} lost (exit codes {codes})")
        finally:
            dev.remove()
    return tally


# ---- (e) permission bits ----------------------------------------------------------------

def run_permissions(nuvio, parent, places):
    tally = Tally("adversary", "private files stay private")
    tally.other_label = "readable by others"
    password = b"adversary pass\n"

    def check(dev, path, what):
        host = dev.host(path) if path.startswith("\\") else path
        if not os.path.lexists(host):
            tally.note(f"{what}: {path} was not made")
            return
        tally.cases += 1
        mode = os.lstat(host).st_mode & 0o777
        if mode & 0o077:
            tally.other += 1
            tally.note(f"{what}: {path} has mode {mode:04o}")

    for on_card in places:
        where = "card" if on_card else "device"
        dev = Device(nuvio, parent, card=True,
                     settings={"RecycleBinPos": 1 if on_card else 0, "StorageCard": CARD})
        try:
            dev.mkdir("\\Private", 0o700)
            dev.write("\\Private\\secret.txt", b"secret\n" * 500, 0o600)
            dev.write("\\Private\\Inner\\deep.txt", b"deeper secret\n" * 100, 0o600)
            os.chmod(dev.host("\\Private\\Inner"), 0o700)
            dev.mkdir("\\Copy")
            dev.run("cp", "\\Private", "\\Copy")
            check(dev, "\\Copy\\Private", f"{where} copy")
            check(dev, "\\Copy\\Private\\secret.txt", f"{where} copy")
            check(dev, "\\Copy\\Private\\Inner\\deep.txt", f"{where} copy")
            dev.run("encrypt", "--password-fd", "0", "\\Private\\secret.txt", stdin=password)
            check(dev, "\\Private\\secret.txt.enc", f"{where} encrypt")
            os.rename(dev.host("\\Private\\secret.txt"), dev.host("\\Private\\plain.keep"))
            dev.run("decrypt", "--password-fd", "0", "\\Private\\secret.txt.enc", stdin=password)
            check(dev, "\\Private\\secret.txt", f"{where} decrypt")
            os.unlink(dev.host("\\Private\\secret.txt.enc"))
            dev.run("bin", "put", "\\Private")
            folder = dev.bin_folder()
            check(dev, folder, f"{where} bin folder")
            for entry in dev.entries():
                check(dev, entry["archive"], f"{where} archive")
            check(dev, folder + "\\" + BIN + ".bin", f"{where} bin index")
            dev.run("bin", "restore", "0")
            for path in ("\\Private", "\\Private\\secret.txt", "\\Private\\Inner",
                         "\\Private\\Inner\\deep.txt"):
                check(dev, path, f"{where} restore")
        finally:
            dev.remove()
    return tally


def timed(part, *args):
    """Runs one part; its Tally (or list of them) with the seconds it took."""
    started = time.monotonic()
    result = part(*args)
    tallies = result if isinstance(result, list) else [result]
    for t in tallies:
        t.seconds = (time.monotonic() - started) / len(tallies)
    return tallies


def run(nuvio, parent, short):
    """Every part of the section; a list of Tally."""
    places = [False, True]
    return (timed(run_crafted_indexes, nuvio, parent, places) +
            timed(run_crafted_archives, nuvio, parent, places) +
            timed(run_refused_targets, nuvio, parent) +
            timed(run_media, nuvio, parent) +
            timed(run_link_swaps, nuvio, parent, 3 if short else 30) +
            timed(run_case_clashes, nuvio, parent) +
            timed(run_permissions, nuvio, parent, places))
