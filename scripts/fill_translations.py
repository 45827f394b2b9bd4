#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills a Qt .ts file's unfinished messages from tab-separated lists.

    scripts/fill_translations.py translations/boolean-laws_en.ts list.tsv...

Each line of a list is "source<TAB>translation"; "\\n" stands for a line
break, a line without a tab is a note. A %n message takes its forms
from further columns ("%n step<TAB>%n steps"), or from one translation
whose "word(s)" gives both forms. Messages the lists do not hold are
printed, so that a translator sees what is left.
"""
import re
import sys
import xml.etree.ElementTree as ET


def read_lists(paths):
    known = {}
    for path in paths:
        with open(path, encoding="utf-8") as lines:
            for line in lines:
                line = line.rstrip("\n")
                if "\t" not in line:
                    continue
                source, *translations = line.split("\t")
                known[source.replace("\\n", "\n")] = [t.replace("\\n", "\n") for t in translations]
    return known


def numerus_forms(translations):
    if len(translations) > 1:
        return translations
    one = translations[0]
    return [re.sub(r"\(s\)", "", one), re.sub(r"\(s\)", "s", one)]


def main():
    ts_path, *lists = sys.argv[1:]
    known = read_lists(lists)
    tree = ET.parse(ts_path)
    left = []
    for message in tree.getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if translation.get("type") != "unfinished":
            continue
        if source not in known:
            # A catalogue name's trailing blanks are the Bulgarian header's
            # own; the translation lists give the name without them.
            source = source.rstrip(" ")
        if source not in known:
            left.append(source)
            continue
        if message.get("numerus") == "yes":
            for form, text in zip(translation.findall("numerusform"), numerus_forms(known[source])):
                form.text = text
        else:
            translation.text = known[source][0]
        del translation.attrib["type"]
    with open(ts_path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
    for source in left:
        print(source.replace("\n", "\\n"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
