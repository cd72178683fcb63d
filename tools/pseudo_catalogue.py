#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills the developers' pseudo-language, translations/quorbel_en_XA.ts,
after lupdate: every text is its English marked at both ends (⟪…⟫), so a
run in it (LANGUAGE=en_XA) shows at a glance any text that escaped
translation.

    tools/pseudo_catalogue.py [translations/quorbel_en_XA.ts]
"""
import os
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "\u27ea", "\u27eb"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "translations",
                                                               "quorbel_en_XA.ts")
    tree = ET.parse(path)
    for message in tree.getroot().iter("message"):
        marked = OPEN + (message.findtext("source") or "") + CLOSE
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            forms = list(translation.iter("numerusform")) or \
                [ET.SubElement(translation, "numerusform") for _ in range(2)]
            for form in forms:
                form.text = marked
        else:
            translation.text = marked
    with open(path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")


if __name__ == "__main__":
    main()
