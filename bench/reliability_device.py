"""A throw-away device for the adversary and kill sections of the reliability suite: host
folders for the root volume and a storage card, a private home for the settings, and a folder
"outside" that the device must never touch. Drives the real `nuvio` command line.
"""
import hashlib
import json
import os
import re
import shutil
import struct
import subprocess
import tempfile
import zipfile

CARD = "Storage Card"
BIN = "~Recycle"
# Each --root device keeps its settings in a file named after its folder.
SETTINGS_DIR = os.path.join("Local AppWizard-Generated Applications", "nuvio-explorer-devices")
TMP_PREFIX = ".nuvio-tmp-"


def md5_of(path):
    h = hashlib.md5()
    with open(path, "rb") as f:
        for piece in iter(lambda: f.read(1 << 20), b""):
            h.update(piece)
    return h.hexdigest()


def picture(top):
    """Every entry below a host folder: relative path -> (kind, size, md5 or link target)."""
    out = {}
    if not os.path.isdir(top):
        return out
    for folder, dirs, files in os.walk(top):
        for name in dirs + files:
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, top)
            if os.path.islink(path):
                out[rel] = ("link", 0, os.readlink(path))
            elif os.path.isdir(path):
                out[rel] = ("dir", 0, "")
            else:
                try:
                    out[rel] = ("file", os.path.getsize(path), md5_of(path))
                except OSError:
                    out[rel] = ("file", 0, "unreadable")
    return out


def compare(before, after, keep=lambda rel: False):
    """(files deleted or changed, their bytes, files added) between two pictures; paths for
    which keep() is true are left out."""
    gone, gone_bytes, added = [], 0, []
    for rel, fact in before.items():
        if fact[0] != "file" or keep(rel):
            continue
        if after.get(rel) != fact:
            gone.append(rel)
            gone_bytes += fact[1]
    for rel, fact in after.items():
        if fact[0] != "dir" and rel not in before and not keep(rel):
            added.append(rel)
    return gone, gone_bytes, added


def encode_index(entries, magic="NR1"):
    """A bin index: entries are (archive, original, year, size, attributes)."""
    out = bytearray(42)
    out[0:6] = magic.encode("utf-16-le")
    struct.pack_into("<H", out, 8, len(entries))

    def text(s, zero_if_empty=False):
        if not s and zero_if_empty:
            return struct.pack("<H", 0)
        data = (s + "\0").encode("utf-16-le")
        return struct.pack("<H", len(data)) + data

    for archive, original, year, size, attributes in entries:
        out += text(archive, True) + text(original)
        out += struct.pack("<H8H", 16, year, 1, 1, 1, 12, 0, 0, 0)
        out += struct.pack("<II", min(size, 0xFFFFFFFF), attributes)
    return bytes(out)


class Device:
    """One sandbox: base/root is the root volume, base/card the card "\\Storage Card",
    base/home the user's home and settings, base/outside what must stay untouched."""

    def __init__(self, nuvio, parent, card=True, settings=None, umask=0o022, template=None):
        self.nuvio = nuvio
        self.base = tempfile.mkdtemp(prefix="dev-", dir=parent)
        self.root = os.path.join(self.base, "root")
        self.card = os.path.join(self.base, "card") if card else None
        self.home = os.path.join(self.base, "home")
        self.outside = os.path.join(self.base, "outside")
        if template:  # a copy of another device, settings and all: cheaper than a run
            shutil.copytree(template.base, self.base, symlinks=True, dirs_exist_ok=True)
        for d in (self.root, self.card, self.home, self.outside):
            if d:
                os.makedirs(d, exist_ok=True)
        self.umask = umask
        self.env = dict(os.environ)
        self.env.update({
            "HOME": self.home, "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8", "TZ": "Asia/Taipei",
            "QT_QPA_PLATFORM": "offscreen",
        })
        if template:
            os.rename(os.path.join(self.base, os.path.relpath(template.settings_path(),
                                                              template.base)),
                      self.settings_path())
        else:
            self.set_settings(settings or {})

    def settings_path(self):
        if getattr(self, "default_device", False):  # the one device without --root
            return os.path.join(self.env["XDG_CONFIG_HOME"], os.path.dirname(SETTINGS_DIR),
                                "nuvio-explorer.conf")
        root = os.path.realpath(self.root)
        digest = hashlib.sha256(root.encode()).hexdigest()[:12]
        name = re.sub(r"[^A-Za-z0-9._-]", "_", os.path.basename(root))
        return os.path.join(self.env["XDG_CONFIG_HOME"], SETTINGS_DIR, f"{name}-{digest}.conf")

    def clone(self):
        return Device(self.nuvio, os.path.dirname(self.base), card=bool(self.card),
                      umask=self.umask, template=self)

    def set_settings(self, values):
        """The bin's settings before the first run (RecycleBinPos, Lifetime...)."""
        path = self.settings_path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write("[RecycleBin]\n")
            for key, value in values.items():
                f.write(f"{key}={value}\n")

    def device_args(self):
        args = ["--root", self.root]
        if self.card:
            args += ["--card", f"{CARD}={self.card}"]
        return args

    def command(self, args):
        return [self.nuvio] + self.device_args() + list(args)

    def _preexec(self):
        os.umask(self.umask)

    def run(self, *args, stdin=None, timeout=120):
        return subprocess.run(self.command(args), env=self.env, input=stdin,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              timeout=timeout, preexec_fn=self._preexec)

    def start(self, *args, stdin=None):
        p = subprocess.Popen(self.command(args), env=self.env, stdin=subprocess.PIPE,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             preexec_fn=self._preexec)
        if stdin is not None:
            try:
                p.stdin.write(stdin)
                p.stdin.close()
            except OSError:
                pass
        return p

    def host(self, path):
        """The host path of a device path ("\\Storage Card\\x" is on the card)."""
        parts = [p for p in path.replace("/", "\\").split("\\") if p]
        if self.card and parts and parts[0].lower() == CARD.lower():
            return os.path.join(self.card, *parts[1:])
        return os.path.join(self.root, *parts)

    def write(self, path, data, mode=None):
        host = self.host(path)
        os.makedirs(os.path.dirname(host), exist_ok=True)
        with open(host, "wb") as f:
            f.write(data)
        if mode is not None:
            os.chmod(host, mode)

    def mkdir(self, path, mode=None):
        host = self.host(path)
        os.makedirs(host, exist_ok=True)
        if mode is not None:
            os.chmod(host, mode)

    def entries(self):
        """The bin's entries as `nuvio bin list --json` gives them ([] when it fails)."""
        r = self.run("bin", "list", "--json")
        try:
            return json.loads(r.stdout or b"[]")
        except ValueError:
            return []

    def bin_folder(self):
        r = self.run("bin", "where")
        return r.stdout.decode("utf-8", "replace").strip()

    def device_picture(self, skip_bin=True):
        """Root and card in one picture, keyed by device path; the bin folders left out."""
        out = {}
        for top, prefix in ((self.root, ""), (self.card, CARD)):
            if not top:
                continue
            for rel, fact in picture(top).items():
                key = "\\" + "\\".join(p for p in [prefix] + rel.split(os.sep) if p)
                out[key] = fact
        if skip_bin:
            out = {k: v for k, v in out.items() if f"\\{BIN.lower()}" not in k.lower()}
        return out

    def bin_contents(self):
        """md5 -> original path of every file an archive of a listed entry holds, read with
        Python's own zip reader (a damaged archive holds nothing)."""
        found = {}
        for entry in self.entries():
            host = self.host(entry.get("archive", ""))
            try:
                if os.path.isdir(host):  # an old-version item, unpacked
                    for rel, fact in picture(host).items():
                        if fact[0] == "file":
                            found.setdefault(fact[2], entry["original"])
                    continue
                with zipfile.ZipFile(host) as z:
                    for info in z.infolist():
                        if info.is_dir():
                            continue
                        h = hashlib.md5()
                        with z.open(info) as f:
                            for piece in iter(lambda: f.read(1 << 20), b""):
                                h.update(piece)
                        found.setdefault(h.hexdigest(), entry["original"])
            except Exception:  # noqa: BLE001 - any damage means nothing restorable
                pass
        return found

    def remove(self):
        for folder, dirs, _ in os.walk(self.base):
            for d in dirs:
                p = os.path.join(folder, d)
                if not os.path.islink(p):
                    try:
                        os.chmod(p, 0o700)
                    except OSError:
                        pass
        shutil.rmtree(self.base, ignore_errors=True)
