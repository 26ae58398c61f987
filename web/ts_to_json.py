#!/usr/bin/env python3
"""Writes a translation file's texts as one JSON object, English to translated.

usage: ts_to_json.py kalvero_LANG.ts OUT.json

The page looks the engine's and its own English texts up in it, whatever
window class the text belongs to; of two translations of one text the first
is kept.
"""
import json
import sys
import xml.etree.ElementTree as ElementTree


def main():
    source, target = sys.argv[1], sys.argv[2]
    texts = {}
    for message in ElementTree.parse(source).getroot().iter("message"):
        english = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None or translation.get("type") == "unfinished" or not translation.text:
            continue
        texts.setdefault(english, translation.text)
    with open(target, "w", encoding="utf-8") as out:
        json.dump(texts, out, ensure_ascii=False, sort_keys=True)


if __name__ == "__main__":
    main()
