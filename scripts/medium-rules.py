#!/usr/bin/env python3
"""What a medium may hold, for scripts/make-medium.sh:

    medium-rules.py label iso|usb LABEL    is LABEL a volume label of the medium?
    medium-rules.py names iso|usb FOLDER   may every name in FOLDER go on the medium?
    medium-rules.py derive iso|usb FOLDER  a label of the medium made from FOLDER's productName
    medium-rules.py launcher FOLDER        the program at FOLDER's root that starts it
    medium-rules.py mark FOLDER            marks FOLDER as a medium copy, listing what it holds
    medium-rules.py ours OUT MARK          may OUT be replaced: an image with MARK as its
                                           application id, or a marked copy holding nothing
                                           but what was written there?

Each problem is printed on a line of its own to standard error; the exit
status is 1 when there is one.
"""
import os
import re
import sys
import unicodedata

# The longest volume name Joliet keeps, the one Windows shows for a disc.
DISC_LABEL_MAX = 16
# The longest file name Joliet keeps (with long Joliet names).
DISC_NAME_MAX = 103
# The longest file name of FAT and exFAT, in UTF-16 units.
NAME_MAX = 255
DEVICE_NAMES = {"CON", "PRN", "AUX", "NUL"} | {
    f"{device}{number}" for device in ("COM", "LPT") for number in "0123456789\u00b9\u00b2\u00b3"}
FORBIDDEN = set('<>:"/\\|?*') | {chr(code) for code in range(32)}
# What a disc label may hold: the letters, digits and signs every reader shows.
DISC_LABEL_CHARACTER = re.compile(r"[A-Za-z0-9 _.-]")
# The file that marks a folder as a medium copy, with the names it was written with.
COPY_MARK = ".medium-copy"


def label_problems(medium, label):
    if any(ord(c) < 32 or ord(c) == 127 for c in label):
        return [f"the label {label!r} holds a control character"]
    if medium != "iso":
        # Windows reads autorun.inf in the code page of the system that opens the medium,
        # so only an ASCII label shows the same on every system.
        odd = sorted(set(c for c in label if ord(c) > 126))
        return [f'the label "{label}" holds {" ".join(odd)}: autorun.inf is read in the code '
                "page of the system that opens the medium, so a label there takes ASCII "
                "characters only: give one with --label"] if odd else []
    if not label:
        return ["a disc needs a label: give one with --label, or a productName in Setup.ini"]
    problems = []
    if len(label) > DISC_LABEL_MAX:
        problems.append(f'the label "{label}" has {len(label)} characters; a disc label has at '
                        f"most {DISC_LABEL_MAX}: give a shorter one with --label")
    odd = sorted(set(c for c in label if not DISC_LABEL_CHARACTER.match(c)))
    if odd:
        problems.append(f'the label "{label}" holds {" ".join(odd)}: a disc label takes letters '
                        "A-Z, digits, blanks and _ - . only")
    if label != label.strip():
        problems.append(f'the label "{label}" begins or ends with a blank')
    return problems


def name_problems(medium, folder):
    problems = []
    for here, folders, files in os.walk(folder):
        relative = os.path.relpath(here, folder)
        seen = {}
        for name in sorted(folders + files):
            path = name if relative == "." else os.path.join(relative, name)
            problems.extend(f"{path}: {problem}" for problem in problems_of_name(medium, name))
            other = seen.setdefault(name.upper(), name)
            if other != name:
                problems.append(f"{path}: differs from {other} only in letter case; "
                                "Windows sees one name")
    return problems


def problems_of_name(medium, name):
    try:
        units = len(name.encode("utf-16-le")) // 2
    except UnicodeEncodeError:
        return ["not a name in UTF-8: Windows cannot show it"]
    problems = []
    stem = name.split(".")[0].rstrip(" ").upper()
    if stem in DEVICE_NAMES:
        problems.append(f"{stem} is the name of a device on Windows")
    odd = sorted(set(c for c in name if c in FORBIDDEN))
    if odd:
        problems.append("holds " + " ".join(repr(c)[1:-1] for c in odd) +
                        ", which Windows file names cannot hold")
    if name.endswith((".", " ")):
        problems.append("ends with a dot or a blank, which Windows drops")
    limit = DISC_NAME_MAX if medium == "iso" else NAME_MAX
    if units > limit:
        problems.append(f"is {units} characters long; at most {limit} on this medium")
    return problems


def product_name(folder):
    """[main] productName as the launcher reads it: sections and keys without
    regard to case, the first key wins, blanks and matching quotes removed."""
    section = None
    with open(os.path.join(folder, "Setup.ini"), "rb") as ini:
        data = ini.read()
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError:
        text = data.decode("cp1252", errors="replace")
    for raw in text.splitlines():
        line = raw.strip()
        if line.startswith("["):
            section = line[1:line.find("]")].strip().lower() if "]" in line else None
        elif section == "main" and "=" in line:
            key, value = (part.strip() for part in line.split("=", 1))
            if key.lower() == "productname":
                if len(value) >= 2 and value[0] == value[-1] and value[0] in "'\"":
                    value = value[1:-1]
                return value
    return ""


def derived_label(medium, folder):
    """productName made to fit the medium's label: accents dropped, any other character
    the label cannot hold replaced by a blank, and on a disc shortened at a word."""
    product = product_name(folder)
    plain = "".join(c for c in unicodedata.normalize("NFD", product)
                    if not unicodedata.combining(c))
    fits = DISC_LABEL_CHARACTER.match if medium == "iso" else lambda c: " " <= c <= "~"
    words = "".join(c if fits(c) else " " for c in plain).split()
    label = ""
    for word in words:
        if medium == "iso" and len(f"{label} {word}".strip()) > DISC_LABEL_MAX:
            break
        label = f"{label} {word}".strip()
    if words and not label:  # a first word longer than a label
        label = words[0][:DISC_LABEL_MAX]
    if medium == "iso" and not product:
        return label, ["a disc needs a label: give one with --label, or a productName in Setup.ini"]
    if medium == "iso" and not label:
        return label, [f'no disc label can be made of the productName "{product}": give one '
                       "with --label"]
    return label, []


def launcher_of(folder):
    programs = sorted(name for name in os.listdir(folder)
                      if name.lower().endswith(".exe") and
                      os.path.isfile(os.path.join(folder, name)))
    if len(programs) > 1:
        # The launcher's version resource describes it so.
        marker = "Setup launcher".encode("utf-16-le")
        launchers = [name for name in programs
                     if marker in open(os.path.join(folder, name), "rb").read()]
        programs = launchers if len(launchers) == 1 else programs
    if len(programs) == 1:
        return programs[0], []
    if not programs:
        return None, [f"no program at the root of {folder} to start the medium with"]
    return None, [f"which program starts the medium: {', '.join(programs)}? Put an "
                  f"autorun.inf of your own into {folder}"]


def raise_error(error):
    raise error


def listing(folder):
    """Every folder and file below folder: its path relative to folder, and for a
    file its size and time, which tell whether it was changed since."""
    found = []
    for here, folders, files in os.walk(folder, onerror=raise_error):
        relative = os.path.relpath(here, folder)
        for name in folders + files:
            entry = os.path.normpath(os.path.join(relative, name))
            if name in files and not os.path.islink(os.path.join(here, name)):
                stat = os.stat(os.path.join(here, name))
                entry += f"\t{stat.st_size}\t{stat.st_mtime_ns}"
            found.append(entry)
    return sorted(found)


def mark(folder):
    written = listing(folder)
    with open(os.path.join(folder, COPY_MARK), "w", encoding="utf-8",
              errors="surrogateescape") as marker:
        marker.write("A medium copy written by make-medium.sh, which may replace it with "
                     "--force as long as it holds only these:\n")
        marker.writelines(f"{name}\n" for name in written)


def replace_problems(out, image_mark):
    """Why out may not be replaced: only what make-medium wrote may be."""
    refusal = (f"{out} is left as it is: --force replaces only a disc image or a medium "
               "copy that make-medium wrote, and ")
    if os.path.isfile(out):
        with open(out, "rb") as image:
            image.seek(16 * 2048)  # the primary volume descriptor of ISO 9660
            descriptor = image.read(2048)
        application = descriptor[574:702].decode("ascii", errors="replace").strip()
        if descriptor[:6] == b"\x01CD001" and application == image_mark:
            return []
        return [refusal + "this file is not one"]
    if not os.path.isdir(out) or not os.path.isfile(os.path.join(out, COPY_MARK)):
        return [refusal + f"this has no {COPY_MARK} file marking it as one"]
    with open(os.path.join(out, COPY_MARK), encoding="utf-8", errors="surrogateescape") as marker:
        written = set(marker.read().splitlines()[1:])
    try:
        added = [entry.split("\t")[0] for entry in listing(out) if entry not in written]
    except OSError as error:
        return [refusal + f"this cannot be read whole: {error}"]
    added.remove(COPY_MARK)
    if added:
        return [refusal + "this holds what was added or changed since: " + ", ".join(added[:5])
                + (", ..." if len(added) > 5 else "") + ". Move it out first"]
    return []


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "label":
        problems = label_problems(*args)
    elif command == "names":
        problems = name_problems(*args)
    elif command == "derive":
        label, problems = derived_label(*args)
        if label:
            print(label)
    elif command == "mark":
        mark(*args)
        problems = []
    elif command == "ours":
        problems = replace_problems(*args)
    elif command == "launcher":
        name, problems = launcher_of(*args)
        if name:
            print(name)
    else:
        sys.exit(__doc__)
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv))
