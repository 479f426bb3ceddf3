#!/usr/bin/env python3
"""Checks that the translations are complete and safe to use.

check_translations.py --source DIR --lupdate PATH --desktop FILE --folders F... --options O...
                      --ts TS...

For every .ts file:
  - no message is unfinished, obsolete or vanished, and none is translated by an empty text;
  - a printf-style text keeps its conversions for the same arguments in the same order (a
    translation may number them, "%2$s %1$d"), a Qt-style text keeps its %1 %2 markers;
  - a text with one '&' (a shortcut letter) keeps one, a text ending in "..." keeps it, a file
    filter keeps its patterns ("(*.pdf)");
  - every translation is Latin-1, the encoding of the chart's texts;
  - lupdate, run over a copy with the build's options, finds nothing new and nothing gone: the
    .ts files hold every text the sources have;
and the desktop entry has the language's Comment and GenericName. Prints the count of
translated messages per language; exits 1 with every fault listed.
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


def kind(conversion):
    if conversion in "fFeEgGaA":
        return "real"
    if conversion == "s":
        return "text"
    return "integer"


def printf_arguments(text):
    """The kinds of the arguments a printf format takes, in argument order, or None when it
    mixes numbered and unnumbered conversions."""
    sequential, numbered = [], {}
    for match in PRINTF.finditer(text):
        number, width, precision, conversion = match.groups()
        if conversion == "%":
            continue
        stars = ["integer"] * ((width == "*") + (precision == "*"))
        if number:
            if stars:
                return None
            numbered[int(number)] = kind(conversion)
        else:
            sequential += stars + [kind(conversion)]
    if numbered and sequential:
        return None
    if numbered:
        return [numbered.get(n) for n in range(1, max(numbered) + 1)]
    return sequential


def is_printf(text):
    return any(m.group(4) != "%" for m in PRINTF.finditer(text))


def shortcut_count(text):
    """Shortcut markers: an '&' before a letter or digit ("&Latitude"; "&&" is a plain '&')."""
    return len(re.findall(r"&\w", text.replace("&&", "")))


def short(text):
    return repr(text if len(text) <= 70 else text[:67] + "...")


def message_faults(context, source, translation):
    faults = []
    where = f"{context}: {short(source)}"
    if is_printf(source):
        if printf_arguments(translation) != printf_arguments(source):
            faults.append(f"{where}: the conversions differ in {short(translation)}")
    elif sorted(QT_MARKER.findall(source)) != sorted(QT_MARKER.findall(translation)):
        faults.append(f"{where}: the %n markers differ in {short(translation)}")
    if shortcut_count(source) != shortcut_count(translation):
        faults.append(f"{where}: the '&' shortcut is not kept in {short(translation)}")
    pattern = re.compile(r"\(\*\.\w+\)")  # a file dialog's filter, "(*.pdf)"
    if sorted(pattern.findall(source)) != sorted(pattern.findall(translation)):
        faults.append(f"{where}: the file patterns differ in {short(translation)}")
    if source.endswith("...") and not translation.endswith("..."):
        faults.append(f"{where}: {short(translation)} does not end in '...'")
    try:
        translation.encode("latin-1")
    except UnicodeEncodeError:
        faults.append(f"{where}: {short(translation)} is not Latin-1")
    return faults


def read_messages(path):
    """(context, source, translation text, translation type) of every message."""
    root = ElementTree.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            yield (name, message.findtext("source", ""),
                   translation.text or "" if translation is not None else "",
                   translation.get("type", "") if translation is not None else "unfinished")


def check_file(path):
    faults, count = [], 0
    for context, source, text, state in read_messages(path):
        if state:
            faults.append(f"{context}: {short(source)} is {state}")
            continue
        if not text:
            faults.append(f"{context}: {short(source)} has an empty translation")
            continue
        count += 1
        faults += message_faults(context, source, text)
    return count, faults


def lupdate_news(options, source, lupdate, folders, ts_files):
    """What lupdate would change in the .ts files: messages it adds or finds gone."""
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for path in ts_files:
            copy = os.path.join(scratch, os.path.basename(path))
            shutil.copyfile(path, copy)
            copies.append(copy)
        run = subprocess.run([lupdate, *options, *folders, "-ts", *copies], cwd=source,
                             capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        news = []
        for copy in copies:
            for context, text, _, state in read_messages(copy):
                if state in ("unfinished", "vanished", "obsolete"):
                    news.append(f"{os.path.basename(copy)}: {context}: {short(text)} would be {state}")
        return news


def desktop_faults(desktop, languages):
    keys = set()
    with open(desktop, encoding="utf-8") as entry:
        for line in entry:
            if "=" in line:
                keys.add(line.split("=", 1)[0].strip())
    return [f"{desktop}: no {key}[{language}]" for language in languages
            for key in ("Comment", "GenericName") if f"{key}[{language}]" not in keys]


def parse_arguments(argv):
    sections, current = {}, None
    for argument in argv:
        if argument in ("--source", "--lupdate", "--desktop", "--folders", "--options", "--ts"):
            current = argument[2:]
            sections[current] = []
        elif current is None:
            sys.exit(f"unexpected argument {argument!r}")
        else:
            sections[current].append(argument)
    return sections


def main(argv):
    arguments = parse_arguments(argv)
    ts_files = arguments["ts"]
    faults = []
    languages = []
    for path in ts_files:
        language = re.sub(r"^.*_([a-z]{2}(?:_[A-Z]{2})?)\.ts$", r"\1", path)
        languages.append(language)
        count, file_faults = check_file(path)
        faults += [f"{os.path.basename(path)}: {fault}" for fault in file_faults]
        print(f"{language}: {count} messages translated")
    faults += lupdate_news(arguments["options"], arguments["source"][0], arguments["lupdate"][0],
                           arguments["folders"], ts_files)
    faults += desktop_faults(arguments["desktop"][0], languages)
    for fault in faults:
        print("FAULT:", fault)
    if any(f.startswith(tuple(os.path.basename(p) for p in ts_files)) and "would be" in f
           for f in faults):
        print("Run: cmake --build build --target update_translations, then translate.")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
