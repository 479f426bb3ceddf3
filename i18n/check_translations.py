#!/usr/bin/env python3
"""The translations are complete and safe: no message unfinished, obsolete, vanished or empty;
printf conversions (numbered or not), %1 markers, '&' shortcuts, a trailing "..." and file filters
kept; Latin-1 throughout; nothing new or gone when lupdate runs over a copy with the build's
options; each language's Comment and GenericName in the desktop entry. Prints the count of each
language's translated messages; exits 1 listing every fault.
  check_translations.py --source DIR --lupdate PATH --desktop FILE --folders F... --options O...
                        --ts TS...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# A printf conversion (without the blank flag, so that "100% scale" is not one).
PRINTF = re.compile(
    r"%(?:(\d+)\$)?[-+#0]*(\*|\d+)?(?:\.(\*|\d*))?(?:hh|h|ll|l|L|q|j|z|t)?([diouxXcfFeEgGaAs%])")
QT_MARKER = re.compile(r"%L?(\d{1,2})(?!\d|\$)")
FILE_FILTER = re.compile(r"\(\*\.\w+\)")


def printf_arguments(text):
    """The kinds of the arguments a printf format takes, in argument order (None when numbered
    and unnumbered conversions are mixed), or [] for a text without conversions."""
    sequential, numbered = [], {}
    for number, width, precision, conversion in PRINTF.findall(text):
        if conversion == "%":
            continue
        kind = "real" if conversion in "fFeEgGaA" else "text" if conversion == "s" else "integer"
        stars = ["integer"] * ((width == "*") + (precision == "*"))
        if number and stars:
            return None
        if number:
            numbered[int(number)] = kind
        else:
            sequential += stars + [kind]
    if numbered and sequential:
        return None
    return [numbered.get(n) for n in range(1, max(numbered) + 1)] if numbered else sequential


def message_faults(source, translation):
    def differ(find):
        return sorted(find(source)) != sorted(find(translation))

    shortcuts = lambda text: ["&"] * len(re.findall(r"&\w", text.replace("&&", "")))
    faults = []
    if printf_arguments(source):
        if printf_arguments(translation) != printf_arguments(source):
            faults.append("the printf conversions differ")
    elif differ(QT_MARKER.findall):
        faults.append("the %n markers differ")
    if differ(shortcuts):
        faults.append("the '&' shortcut is not kept")
    if differ(FILE_FILTER.findall):
        faults.append("the file patterns differ")
    if source.endswith("...") and not translation.endswith("..."):
        faults.append("the '...' is lost")
    if any(ord(c) > 255 for c in translation):
        faults.append("it is not Latin-1")
    return faults


def read_messages(path):
    """(context, source, translation text, translation type) of every message."""
    for context in ElementTree.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            yield (context.findtext("name", ""), message.findtext("source", ""),
                   translation.text or "", translation.get("type", ""))


def short(text):
    return repr(text if len(text) <= 70 else text[:67] + "...")


def check_file(path):
    faults, count = [], 0
    for context, source, text, state in read_messages(path):
        where = f"{os.path.basename(path)}: {context}: {short(source)}"
        problems = [state] if state else ["empty"] if not text else message_faults(source, text)
        faults += [f"{where}: {problem} in {short(text)}" for problem in problems]
        count += not problems
    return count, faults


def lupdate_news(arguments, ts_files):
    """What lupdate would change in the .ts files: messages it adds or finds gone."""
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(path, scratch) for path in ts_files]
        run = subprocess.run([arguments["lupdate"][0], *arguments["options"],
                              *arguments["folders"], "-ts", *copies],
                             cwd=arguments["source"][0], capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        return [f"{os.path.basename(copy)}: {context}: {short(text)} would be {state}; run "
                "cmake --build build --target update_translations, then translate"
                for copy in copies for context, text, _, state in read_messages(copy) if state]


def main(argv):
    arguments, current = {}, None
    for argument in argv:
        if argument.startswith("--") and argument[2:] in (
                "source", "lupdate", "desktop", "folders", "options", "ts"):
            current = arguments.setdefault(argument[2:], [])
        else:
            current.append(argument)
    faults = []
    with open(arguments["desktop"][0], encoding="utf-8") as entry:
        keys = {line.split("=", 1)[0] for line in entry if "=" in line}
    for path in arguments["ts"]:
        language = re.sub(r"^.*_([a-z]{2}(_[A-Z]{2})?)\.ts$", r"\1", path)
        count, file_faults = check_file(path)
        faults += file_faults
        faults += [f"the desktop entry has no {key}[{language}]"
                   for key in ("Comment", "GenericName") if f"{key}[{language}]" not in keys]
        print(f"{language}: {count} messages translated")
    faults += lupdate_news(arguments, arguments["ts"])
    for fault in faults:
        print("FAULT:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
