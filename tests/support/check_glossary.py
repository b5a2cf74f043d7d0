#!/usr/bin/env python3
"""The window texts keep to the glossary: no Korean source text of the English translation file
holds a word the glossary replaced, and no English translation holds a replaced English word.

The words come from the glossary's own table (docs/manual/glossary.md), so the page and the
check cannot drift apart. Usage: check_glossary.py SOURCE_DIR
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

MIN_ROWS = 5  # a glossary that parses to fewer rows has lost its table


def replaced_words(glossary: Path):
    """(korean, english, [not-korean], [not-english]) per table row."""
    rows = []
    for line in glossary.read_text(encoding="utf-8").splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) != 5 or not line.lstrip().startswith("|"):
            continue
        if cells[0] in ("Korean", "") or set(cells[0]) <= set("-: "):
            continue
        rows.append((cells[0], cells[1], re.findall(r"`([^`]+)`", cells[3]),
                     re.findall(r"`([^`]+)`", cells[4])))
    return rows


def window_texts(ts_file: Path):
    """(context, source, translation) of every message, the mnemonic markers removed."""
    root = ET.parse(ts_file).getroot()
    for context in root.iter("context"):
        name = context.findtext("name", default="")
        for message in context.iter("message"):
            source = (message.findtext("source") or "").replace("&", "")
            translation = (message.findtext("translation") or "").replace("&", "")
            yield name, source, translation


def english_hit(word: str, text: str) -> bool:
    return re.search(r"(?<![A-Za-z])" + re.escape(word) + r"(?![A-Za-z])", text,
                     re.IGNORECASE) is not None


def main() -> int:
    root = Path(sys.argv[1])
    rows = replaced_words(root / "docs/manual/glossary.md")
    if len(rows) < MIN_ROWS:
        print(f"the glossary table gave only {len(rows)} rows")
        return 1
    for korean, english, not_korean, not_english in rows:
        if korean in not_korean or any(english_hit(w, english) for w in not_english):
            print(f"the glossary row '{korean}' forbids its own word")
            return 1

    faults = []
    for context, source, translation in window_texts(root / "src/ui/translations/dorvane_en.ts"):
        for korean, english, not_korean, not_english in rows:
            for word in not_korean:
                if word in source:
                    faults.append(f"{context}: '{source}' says '{word}' (use '{korean}')")
            for word in not_english:
                if english_hit(word, translation):
                    faults.append(f"{context}: '{translation}' says '{word}' (use '{english}')")
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"the window texts keep to the glossary's {len(rows)} words")
    return 0


if __name__ == "__main__":
    sys.exit(main())
