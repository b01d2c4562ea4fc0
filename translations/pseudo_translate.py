#!/usr/bin/env python3
"""Fills a Qt Linguist file with the pseudo-language: every text bracketed, its letters
accented and about 35 % longer, so a window shown in it tells at a glance which texts are
not translatable ("Deal" instead of "[Ðéåļ ~~]") and which do not fit when a translation
runs long. Placeholders (%1, %n, %L2), mnemonics (&H), shortcuts after a tab, HTML tags
and entities are kept as they are, so the texts still work.

    pseudo_translate.py IN.ts OUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "åƀçđéƒĝĥîĵķļɱñöþǫŕšŧûṽŵẋýžÅƁÇĐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŦÛṼŴẊÝŽ")
# Kept whole: placeholders, a mnemonic with its letter, an escaped ampersand, entities, tags.
KEPT = re.compile(r"%L?\d+|%n|&&|&[A-Za-z0-9](?![A-Za-z0-9]*;)|&[#A-Za-z0-9]+;|<[^>]*>")
LONGER = 0.35


def pseudo(text):
    if not text:
        return text
    shortcut = ""
    if "\t" in text:
        text, shortcut = text.split("\t", 1)
        shortcut = "\t" + shortcut
    pieces, at = [], 0
    for kept in KEPT.finditer(text):
        pieces.append(text[at:kept.start()].translate(ACCENTED))
        pieces.append(kept.group())
        at = kept.end()
    pieces.append(text[at:].translate(ACCENTED))
    visible = len(re.sub(r"<[^>]*>", "", text))
    padding = " " + "~" * max(1, math.ceil(visible * LONGER) - 1)
    return "[" + "".join(pieces) + padding + "]" + shortcut


def main(source, target):
    tree = ET.parse(source)
    for message in tree.iter("message"):
        text = message.findtext("source", "")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        if message.get("numerus") == "yes":
            for form in forms:
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
