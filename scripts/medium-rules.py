#!/usr/bin/env python3
"""What a medium may hold, for scripts/make-medium.sh:

    medium-rules.py label iso|usb LABEL    is LABEL a volume label of the medium?
    medium-rules.py names iso|usb FOLDER   may every name in FOLDER go on the medium?
    medium-rules.py product FOLDER         [main] productName of FOLDER's Setup.ini
    medium-rules.py launcher FOLDER        the program at FOLDER's root that starts it

Each problem is printed on a line of its own to standard error; the exit
status is 1 when there is one.
"""
import os
import re
import sys

# The longest volume name Joliet keeps, the one Windows shows for a disc.
DISC_LABEL_MAX = 16
# The longest file name Joliet keeps (with long Joliet names).
DISC_NAME_MAX = 103
# The longest file name of FAT and exFAT, in UTF-16 units.
NAME_MAX = 255
DEVICE_NAMES = {"CON", "PRN", "AUX", "NUL"} | {
    f"{device}{number}" for device in ("COM", "LPT") for number in "0123456789\u00b9\u00b2\u00b3"}
FORBIDDEN = set('<>:"/\\|?*') | {chr(code) for code in range(32)}


def label_problems(medium, label):
    if any(ord(c) < 32 or ord(c) == 127 for c in label):
        return [f"the label {label!r} holds a control character"]
    if medium != "iso":
        return []
    if not label:
        return ["a disc needs a label: give one with --label, or a productName in Setup.ini"]
    problems = []
    if len(label) > DISC_LABEL_MAX:
        problems.append(f'the label "{label}" has {len(label)} characters; a disc label has at '
                        f"most {DISC_LABEL_MAX}: give a shorter one with --label")
    odd = sorted(set(c for c in label if not re.match(r"[A-Za-z0-9 _.-]", c)))
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
        for raw in ini.read().decode("latin-1").splitlines():
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


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "label":
        problems = label_problems(*args)
    elif command == "names":
        problems = name_problems(*args)
    elif command == "product":
        print(product_name(*args))
        return 0
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
