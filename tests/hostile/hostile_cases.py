#!/usr/bin/env python3
"""Writes hostile installation folders for launcher.exe and a list of them:

  hostile_cases.py OUT_DIR FIRST COUNT SEED LAUNCHER_EXE

Case 0 ... of the fixed set first (every kind of hostile medium once), then
random mixtures of the same hostile values on a working folder. Each folder
gets a hard link to launcher.exe; large files are written once into
OUT_DIR/pool and linked. OUT_DIR/cases.txt lists, one line per case, the
folder as Wine names it (UTF-8), the button to press, how many times, and the
outcome expected of a fixed case ("window": the form shows and stays, whatever
the presses show on the way; "message-exit": the picture failure, then the
end) or "-" for a random one (anything but a crash or hang)."""
import os
import random
import sys

import hostile_pictures as pic

DIR = object()  # a folder where a file is expected
HUGE_PICTURES = {
    "png-4000": lambda: pic.png(4000, 4000),
    "png-20000": lambda: pic.png(20000, 20000),
    "bmp-4000": lambda: pic.bmp(4000, 4000),
    "rtf-10mb": lambda: b"{\\rtf1\\ansi " + b"All work and no play. \\par " * 400000 + b"}",
    "rtf-nested": lambda: b"{\\rtf1" + b"{\\b " * 200000 + b"deep" + b"}" * 200000 + b"}",
    "rtf-pictures": lambda: b"{\\rtf1 " + b"{\\pict\\pngblip\\picw20000\\pich20000 89504e47" +
    b"ab" * 50000 + b"}" * 1 + b"{\\pict\\wmetafile8\\picw-5\\pich99999999 0100090000}" * 200 + b"}",
    "rtf-objects": lambda: b"{\\rtf1 " + b"{\\object\\objemb{\\*\\objclass Package}\\objw99999"
    b"\\objh99999{\\*\\objdata 0105000002000000" + b"d0cf11e0" * 20000 + b"}}" * 20 + b"}",
    "rtf-bin": lambda: b"{\\rtf1 {\\bin2147483647 x}{\\bin-5 y}{\\bin99999999999 z}" +
    b"{\\pict\\bin4096 " + bytes(range(256)) * 16 + b"}" * 1 + b"\\bin" * 10000 + b"}",
    "binary-1mb": lambda: random.Random(7).randbytes(1 << 20),
}

PRODUCT = "Hostile"
LIMITS = ["-1", "0", "10", "11", "32767", "32768", "65535", "65536", "2147483647", "2147483648",
          "4294967295", "4294967296", "-2147483648", "-2147483649", "99999999999999999999",
          "0x7FFFFFFF", "0xFFFFFFFF", "1e9", " ", "abc"]
DBCS = "\x82\xa0"  # one double-byte character of code page 932 (as Latin-1 bytes)
DIRECTIVES = ["%s", "%n", "%1", "%99", "%1!s!%2!n!", "%s%s%s%s%s%s%s%s%n%n%n", "%%%", "%1!*.*s!",
              "%100", "%0", "%.99999999s"]


def edge_texts():
    texts = []
    for length in (31, 32, 259, 260, 1000):
        texts.append("F" * (length - 1) + DBCS)  # the lead byte on the last place
        texts.append("F" * (length - 2) + DBCS)  # the character ending on it
    return texts


FACES = edge_texts() + ["", "Tahoma", "@Arial"]
TEXTS = edge_texts() + DIRECTIVES + ["\\n" * 200, "\\", "A" * 100000]
PICTURE_NAMES = ["pics", "CON", "NUL", "COM1", "LPT1", "AUX.bmp", "con.png", "*.bmp", "?", "bg*.bmp",
                 "\\\\nowhere\\share\\bg.bmp", "\\\\?\\C:\\nothing.bmp", "\\\\.\\PhysicalDrive0",
                 "x" * 300 + ".bmp", "d\\" * 200 + "bg.bmp", "y" * 5000, "", ".", "..", "bg.bmp\\",
                 "C:\\windows\\system32\\shell32.dll", "..\\..\\..\\..\\..\\etc\\passwd",
                 "bg.bmp:stream", "bg.bmp " + DBCS]
PICTURES = {
    "truncated-png": lambda: pic.png(300, 200)[:60],
    "truncated-bmp": lambda: pic.bmp(300, 200)[:2000],
    "truncated-gif": lambda: pic.gif(60, 40)[:300],
    "lying-bmp": lambda: pic.bmp(16, 16, claimed=(4000, 4000)),
    "lying-bmp-huge": lambda: pic.bmp(16, 16, claimed=(100000, 100000)),
    "lying-bmp-negative": lambda: pic.bmp(16, 16, claimed=(-2147483647, -2147483647)),
    "lying-png": lambda: pic.png(4, 4)[:16] + (0x7FFFFFFF).to_bytes(4, "big") + pic.png(4, 4)[20:],
    "empty": lambda: b"",
    "one-pixel": lambda: pic.bmp(1, 1),
    "wide": lambda: pic.png(32767, 1),
    "tall": lambda: pic.png(1, 32767),
    "big": "png-4000",
    "bigger-bmp": "bmp-4000",
    "huge": "png-20000",
    "interlaced-png": lambda: pic.png(301, 203, interlaced=True),
    "interlaced-gif": lambda: pic.gif(64, 48, interlaced=True),
    "paletted-transparent-png": lambda: pic.png(
        200, 100, colour_type=3, palette=[(0, 0, 0), (200, 50, 50)], trns=b"\x00\x80", pixel=b"\x01"),
    "transparent-gif": lambda: pic.gif(80, 60, transparent=3),
    "16-bit-bmp": lambda: pic.bmp(200, 120, bits=16),
    "16-bit-png": lambda: pic.png(200, 120, depth=16),
    "grey-alpha-png": lambda: pic.png(200, 120, colour_type=4),
    "tiff": lambda: pic.tiff(160, 100),
    "ico": lambda: pic.ico(48),
    "animated-gif": lambda: pic.gif(120, 80, frames=20),
    "not-a-picture": "binary-1mb",
    "zero-size-png": lambda: pic.png(0, 0),
    # Larger than the 1024 x 768 screen: the window starts at its corner.
    "larger-than-screen": lambda: pic.bmp(1200, 900),
    "wider-than-screen": lambda: pic.png(3000, 300),
    "taller-than-screen": lambda: pic.png(300, 2000),
}
# Folder names the Western code page cannot spell (Wine gives each a short
# name; it cannot be told to give none), and one it can.
FOLDER_NAMES = ["Установка", "Łódź", "日本語", "Ελληνικά", "été"]
# The pictures the decoder refuses: the launcher tells so and ends.
UNREADABLE_PICTURES = {"truncated-png", "truncated-bmp", "truncated-gif", "lying-bmp",
                       "lying-bmp-huge", "lying-bmp-negative", "lying-png", "empty", "huge",
                       "not-a-picture", "zero-size-png"}
LICENCES = {"huge": "rtf-10mb", "nested": "rtf-nested", "pictures": "rtf-pictures",
            "objects": "rtf-objects", "bin": "rtf-bin", "binary": "binary-1mb",
            "plain-text": lambda: b"Not RTF at all.\r\n" * 1000, "folder": DIR,
            "empty": lambda: b"", "unclosed": lambda: b"{\\rtf1 {{{{ \\'",
            "nested-32": lambda: b"{\\rtf1" + b"{\\b " * 31 + b"x" + b"}" * 32,
            "nested-33": lambda: b"{\\rtf1" + b"{\\b " * 32 + b"x" + b"}" * 33}
LONG_TOKENS = ["$INSTALLLANG" * 300, "$LANGID\\" * 5000, "C:\\" + "$LANGUAGE\\" * 100 + "x.exe",
               "$LANGUAGE" * 40 + ".exe", "http://" + "$INSTALLLANG" * 3000]


class Case:
    """A working folder: [main] with a picture and three buttons, the English
    texts; a case changes what it is about."""

    def __init__(self, name):
        self.name = name
        self.sections = {
            "main": {"imageFile": "bg.bmp", "productName": PRODUCT, "versionNumber": "1.0",
                     "versionX": "10", "versionY": "10", "eulaRoot": "eula", "buttonCount": "3"},
            "EN": {"IDS_B1": "One", "IDS_B2": "Two", "IDS_B3": "Three", "IDS_EULA": "eula.rtf",
                   "IDS_FILENOTFOUND": "Not found: %1", "IDS_MSG": "Hello"},
        }
        for n, action in ((1, "exit"), (2, "msgbox"), (3, "exit")):
            self.sections["main.button%d" % n] = {
                "label": "IDS_B%d" % n, "action": action, "url": "IDS_MSG",
                "x": "20", "y": str(20 + 40 * n), "width": "120", "height": "30"}
        self.files = {"bg.bmp": lambda: pic.bmp(320, 200),
                      "eula/EN/eula.rtf": lambda: b"{\\rtf1 Licence.}"}
        self.encoding = "ansi"
        self.raw_ini = None
        self.press = (0, 0)
        self.expect = "window"

    def fails_to_start(self):
        """Without a picture to show, the launcher shows its failure and ends."""
        self.expect = "message-exit"
        return self

    def set(self, section, key, value):
        self.sections.setdefault(section, {})[key] = value
        return self

    def ini_bytes(self):
        if self.raw_ini is not None:
            return self.raw_ini
        text = "".join("[%s]\r\n" % name + "".join("%s=%s\r\n" % kv for kv in keys.items())
                       for name, keys in self.sections.items())
        if self.encoding == "utf-8":
            return b"\xef\xbb\xbf" + text.encode("utf-8")
        if self.encoding == "utf-16le":
            return b"\xff\xfe" + text.encode("utf-16-le")
        if self.encoding == "utf-16be":
            return b"\xfe\xff" + text.encode("utf-16-be")
        return text.encode("latin-1")


def with_button(name, action, url="", args="", texts=None, press=1):
    case = Case(name)
    case.set("main.button1", "action", action).set("main.button1", "url", url)
    case.set("main.button1", "args", args)
    for key, value in (texts or {}).items():
        case.set("EN", key, value)
    case.press = (1, press)
    return case


def fixed_cases():
    cases = []
    add = cases.append
    missing = Case("ini-missing")
    missing.raw_ini = None
    missing.files["Setup.ini"] = None
    add(missing.fails_to_start())
    for name, raw in (("ini-empty", b""), ("ini-binary", random.Random(1).randbytes(65536)),
                      ("ini-nul-bytes", b"[main]\r\nimageFile=bg.bmp\0\0\0\r\n[EN\0]\r\n"),
                      ("ini-cr-only", b"[main]\rimageFile=bg.bmp\rbuttonCount=3\r"),
                      ("ini-one-line-3mb", b"[main]imageFile=" + b"x" * (3 << 20))):
        case = Case(name)
        case.raw_ini = raw
        # Lines that still name the picture (through NULs, or ended by CR alone) show the form.
        add(case if name in ("ini-nul-bytes", "ini-cr-only") else case.fails_to_start())
    folder = Case("ini-is-a-folder")
    folder.files["Setup.ini"] = DIR
    add(folder.fails_to_start())
    many = Case("ini-30000-sections")
    for n in range(30000):
        many.sections["s%d" % n] = {"k": "v" * 40}
    many.sections["main.button1"] = many.sections.pop("main.button1")
    add(many)
    values = Case("ini-100k-values")
    for section in ("main", "main.button1", "main.button2", "EN"):
        for key in list(values.sections[section]):
            if key not in ("imageFile", "action", "x", "y", "width", "height", "buttonCount"):
                values.set(section, key, "V" * 100000)
    add(values)
    for encoding in ("utf-8", "utf-16le", "utf-16be"):
        case = Case("ini-" + encoding)
        case.encoding = encoding
        case.set("main", "productName", "Ünïcødé 日本語 \u202e")
        case.set("EN", "IDS_B1", "Ω\u0000≈")
        add(case)
    dup = Case("ini-duplicated-sections")
    dup.raw_ini = Case("x").ini_bytes() + b"[main]\r\nimageFile=none.bmp\r\nbuttonCount=10\r\n" \
        b"[MAIN.BUTTON1]\r\naction=subform\r\nurl=main\r\n"
    add(dup)
    for value in ("-1", "11", "65536", "2147483647", "2147483648", "4294967296", "-2147483648",
                  "99999999999999999999", "abc"):
        add(Case("button-count-" + value.strip()).set("main", "buttonCount", value))
    for key in ("x", "y", "width", "height"):
        for value in ("2147483647", "-2147483648", "4294967295"):
            add(Case("button-%s-%s" % (key, value)).set("main.button1", key, value))
    for key in ("versionX", "versionY"):
        for value in ("2147483647", "-2147483648", "4294967296"):
            add(Case("%s-%s" % (key, value)).set("main", key, value))
    for i, face in enumerate(edge_texts()):
        case = Case("face-%d-%d" % (len(face), i % 2))
        case.set("main", "versionFont", face).set("main.button1", "font", face)
        case.set("EN", "IDS_B1", face).set("main", "versionNumber", face)
        case.set("main", "productName", face)
        add(case)
    for i, directive in enumerate(DIRECTIVES):
        texts = {key: directive + "|" + directive for key in (
            "IDS_FILENOTFOUND", "IDS_NOFILE_ASSOCIATION", "IDS_FILEOPEN_ERROR", "IDS_MSG",
            "IDS_B1", "IDS_LICENSECAPTION", "IDS_AGREEMENT", "IDS_CAPTION", "IDS_SQLEXPRESS_FAILED",
            "IDS_REBOOT_REQUIRED")}
        action = ("nonsense", "open", "msgbox", "clickThru", "sqlexpress")[i % 5]
        url = {"msgbox": "IDS_MSG", "open": "missing %s.exe"}.get(action, "no%n.exe")
        case = with_button("format-%d-%s" % (i, action), action, url, directive, texts)
        case.set("main", "versionNumber", directive).set("main", "productName", directive)
        add(case)
    for i, name in enumerate(PICTURE_NAMES):
        # Devices, wildcards, streams, folders, other files: none is the picture.
        case = Case("picture-name-%d" % i).set("main", "imageFile", name)
        case.files["pics"] = DIR
        add(case.fails_to_start())
    for kind, maker in PICTURES.items():
        case = Case("picture-" + kind).set("main", "imageFile", "picture.img")
        case.files["picture.img"] = maker
        add(case.fails_to_start() if kind in UNREADABLE_PICTURES else case)
    for kind, maker in LICENCES.items():
        case = with_button("licence-" + kind, "clickThru", "missing.exe")
        case.files["eula/EN/eula.rtf"] = maker
        add(case)
    add(with_button("licence-root-too-long", "clickThru").set("main", "eulaRoot", "r\\" * 2000))
    for i, target in enumerate(LONG_TOKENS):
        action = ("open", "sqlexpress", "clickThru")[i % 3]
        add(with_button("tokens-%d-%s" % (i, action), action, target, target))
    add(with_button("subform-names-itself", "subform", "main", press=20))
    add(with_button("subform-missing-section", "subform", "nowhere", press=3))
    add(with_button("subform-long-name", "subform", "s" * 259 + DBCS))
    pair = with_button("subforms-name-each-other", "subform", "other", press=20)
    pair.set("other", "buttonCount", "1")
    pair.sections["other.button1"] = dict(pair.sections["main.button1"], url="main")
    add(pair)
    for name in FOLDER_NAMES:
        folder = Case("folder-" + name)
        folder.press = (2, 1)  # its message: Setup.ini was read
        add(folder)
    return cases


def mutations(rng):
    """A random hostile change of a working folder, as (description, change)."""
    key = rng.choice(["x", "y", "width", "height", "font", "label", "action", "url", "args"])
    section = "main.button%d" % rng.randint(1, 11)
    choices = [
        lambda c: c.set("main", "buttonCount", rng.choice(LIMITS)),
        lambda c: c.set(section, key, rng.choice(LIMITS + TEXTS + FACES + LONG_TOKENS)),
        lambda c: c.set(section, "action", rng.choice(
            ["exit", "msgbox", "open", "clickThru", "sqlexpress", "subform", "?"])),
        lambda c: c.set("main", rng.choice(["versionX", "versionY"]), rng.choice(LIMITS)),
        lambda c: c.set("main", rng.choice(["versionFont", "versionNumber", "productName"]),
                        rng.choice(FACES + TEXTS)),
        lambda c: c.set("EN", rng.choice(["IDS_FILENOTFOUND", "IDS_MSG", "IDS_B1", "IDS_EULA",
                                          "IDS_NOFILE_ASSOCIATION", "IDS_LICENSECAPTION"]),
                        rng.choice(TEXTS + DIRECTIVES)),
        lambda c: c.set("main", "imageFile", rng.choice(PICTURE_NAMES)),
        lambda c: setattr(c, "encoding", rng.choice(["utf-8", "utf-16le", "utf-16be", "ansi"])),
        lambda c: set_picture(c, rng.choice(list(PICTURES))),
        lambda c: c.files.__setitem__("eula/EN/eula.rtf", LICENCES[rng.choice(list(LICENCES))]),
        lambda c: c.set(section, "url", rng.choice(["main", section.split(".")[0], "EN", ""])),
        lambda c: setattr(c, "name", c.name + "-" + rng.choice(FOLDER_NAMES)),
    ]
    return rng.choice(choices)


def set_picture(case, kind):
    case.set("main", "imageFile", "picture.img")
    case.files["picture.img"] = PICTURES[kind]


def mixed_case(index, seed):
    rng = random.Random(seed * 1000003 + index)
    case = Case("mixed-%d" % index)
    for _ in range(rng.randint(1, 4)):
        mutations(rng)(case)
    if rng.random() < 0.5:
        case.press = (rng.randint(1, 3), rng.choice([1, 1, 2, 17]))
    case.expect = "-"
    return case


def pooled(pool, key):
    path = os.path.join(pool, key)
    if not os.path.exists(path):
        with open(path + ".part", "wb") as out:
            out.write(HUGE_PICTURES[key]())
        os.replace(path + ".part", path)
    return path


def write_case(case, folder, pool, launcher):
    os.makedirs(folder)
    os.link(launcher, os.path.join(folder, "launcher.exe"))
    files = dict(case.files)
    files.setdefault("Setup.ini", case.ini_bytes)
    for name, content in files.items():
        path = os.path.join(folder, *name.split("/"))
        if content is None:
            continue
        if content is DIR:
            os.makedirs(path, exist_ok=True)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if isinstance(content, str):
            os.link(pooled(pool, content), path)
        else:
            with open(path, "wb") as out:
                out.write(content())


def main():
    out, first, count, seed, launcher = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), \
        int(sys.argv[4]), sys.argv[5]
    pool = os.path.join(out, "pool")
    os.makedirs(pool, exist_ok=True)
    fixed = fixed_cases()
    lines = []
    for index in range(first, first + count):
        case = fixed[index] if index < len(fixed) else mixed_case(index, seed)
        folder = os.path.join(out, "%04d-%s" % (index, case.name[:60]))
        write_case(case, folder, pool, launcher)
        windows = "Z:" + os.path.abspath(folder).replace("/", "\\")
        lines.append("%s %d %d %s\n" % (windows, case.press[0], case.press[1], case.expect))
    with open(os.path.join(out, "cases.txt"), "w", encoding="utf-8") as listing:
        listing.writelines(lines)


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "--fixed-count":
        print(len(fixed_cases()))
    else:
        main()
